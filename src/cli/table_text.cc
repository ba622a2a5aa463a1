// The texts of a depth-of-field table, and the table as text for a terminal
// and as CSV for a spreadsheet.
#include "cli/table_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "data/names.h"
#include "i18n/translated_string.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"

namespace zorvanel {
namespace {

// Characters a terminal gives one column each (every text here is of
// alphabets without wide characters).
size_t Columns(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(
      utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, size_t width) {
  return text + std::string(width - std::min(width, Columns(text)), ' ');
}

std::string HyperfocalCell(const DepthOfField& dof, UnitSystem units) {
  return LimitText(dof.hyperfocal, units) + ": " + LimitsText(dof, units);
}

std::string ColumnTitle(const DofTable& table, int column) {
  return Format(table.apertures[column]) +
         (table.PastDiffraction(column) ? "*" : "");
}

// Lines of cells, each column as wide as its widest cell.
std::string Aligned(const std::vector<std::vector<std::string>>& lines) {
  std::vector<size_t> widths;
  for (const auto& line : lines) {
    widths.resize(std::max(widths.size(), line.size()));
    for (size_t i = 0; i < line.size(); ++i) {
      widths[i] = std::max(widths[i], Columns(line[i]));
    }
  }
  std::string out;
  for (const auto& line : lines) {
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
      text += i + 1 < line.size() ? Padded(line[i], widths[i] + 2) : line[i];
    }
    out += text + "\n";
  }
  return out;
}

std::string TableText(const DofTable& table, const CommandKit& kit) {
  std::vector<std::vector<std::string>> lines;
  std::vector<std::string>& titles = lines.emplace_back();
  titles.push_back(Translate(UiText("Distance:")));
  for (int c = 0; c < static_cast<int>(table.apertures.size()); ++c) {
    titles.push_back(ColumnTitle(table, c));
  }
  for (size_t r = 0; r < table.distances.size(); ++r) {
    std::vector<std::string>& line = lines.emplace_back();
    line.push_back(LimitText(table.distances[r], kit.units));
    for (const DepthOfField& cell : table.cells[r]) {
      line.push_back(LimitsText(cell, kit.units));
    }
  }
  std::vector<std::string>& last = lines.emplace_back();
  last.push_back(Translate(UiText("Hyperfocal")));
  for (const DepthOfField& cell : table.hyperfocal) {
    last.push_back(HyperfocalCell(cell, kit.units));
  }
  std::string out = FocalTitle(table, kit) + "\n" + Aligned(lines);
  const std::string note = DiffractionNote(table);
  if (!note.empty()) out += "* " + note + "\n";
  return out;
}

}  // namespace

std::string LimitText(const DistanceValue& distance, UnitSystem units) {
  if (distance.GetValue() < 0) return kInfinitySign;
  return Format(distance, units);
}

std::string LimitsText(const DepthOfField& dof, UnitSystem units) {
  return LimitText(dof.near_limit, units) + kRangeDash +
         LimitText(dof.far_limit, units);
}

std::vector<std::string> KitLines(const CommandKit& kit) {
  return {
      Tr(UiText("Camera: %1"), ShownName(kit.camera, NameSeparator::kSpace)),
      Tr(UiText("Lens: %1"), ShownName(kit.lens, NameSeparator::kSpace)),
      Tr(UiText("Circle of confusion: %1"),
         FormatCircleOfConfusion(kit.coc_mm)),
      Tr(UiText("Units: %1"),
         Translate(kit.units == kMetric ? UiText("m/cm") : UiText("ft./in."))),
  };
}

std::string FocalTitle(const DofTable& table, const CommandKit& kit) {
  return Translate(UiText("Focal:")) + " " +
         FormatWithEquivalent(table.focal, kit.camera.focal_multiplier());
}

std::string DiffractionNote(const DofTable& table) {
  if (std::isnan(table.diffraction_f)) return "";
  return Tr(UiText("Diffraction from f/%1"),
            FormatFixed(table.diffraction_f, 1));
}

std::string FormatTableText(const CommandKit& kit,
                            std::span<const DofTable> tables) {
  std::string out;
  for (const std::string& line : KitLines(kit)) out += line + "\n";
  for (const DofTable& table : tables) out += "\n" + TableText(table, kit);
  return out;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string CsvRow(std::span<const std::string> fields) {
  std::string row;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) row += ',';
    row += CsvField(fields[i]);
  }
  return row + "\r\n";
}

std::string Metres(double x) { return x < 0 ? "" : PlainNumber(x); }

std::string PlainNumber(double x) {
  if (!std::isfinite(x)) return "";
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x,
                                          std::chars_format::fixed);
  return std::string(buffer, end);
}

std::string FormatTableCsv(const CommandKit& kit,
                           std::span<const DofTable> tables) {
  std::string out = CsvRow(std::vector<std::string>{
      "camera", "lens", "coc_mm", "focal_mm", "aperture", "row", "focus_m",
      "near_m", "far_m", "hyperfocal_m"});
  const std::string camera = DisplayName(kit.camera, NameSeparator::kSpace);
  const std::string lens = DisplayName(kit.lens, NameSeparator::kSpace);
  auto add = [&](const DofTable& table, int column, const char* row,
                 double focus_m, const DepthOfField& dof) {
    out += CsvRow(std::vector<std::string>{
        camera, lens, PlainNumber(kit.coc_mm),
        PlainNumber(table.focal.GetValue()),
        PlainNumber(table.stored_apertures[column]), row, Metres(focus_m),
        Metres(dof.near_limit.GetValue()), Metres(dof.far_limit.GetValue()),
        Metres(dof.hyperfocal.GetValue())});
  };
  for (const DofTable& table : tables) {
    for (int c = 0; c < static_cast<int>(table.apertures.size()); ++c) {
      for (size_t r = 0; r < table.distances.size(); ++r) {
        add(table, c, "distance", table.distances[r].GetValue(),
            table.cells[r][c]);
      }
      add(table, c, "hyperfocal", table.hyperfocal[c].hyperfocal.GetValue(),
          table.hyperfocal[c]);
    }
  }
  return out;
}

}  // namespace zorvanel
