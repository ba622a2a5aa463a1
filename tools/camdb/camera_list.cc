// Reads the readable camera list.
#include "camdb/camera_list.h"

#include <charconv>
#include <cmath>
#include <map>
#include <string_view>
#include <utility>

#include "optics/sensor.h"

namespace zorvanel {
namespace {

// Sensors outside these bounds are typing mistakes, not cameras.
constexpr double kMaxFocal = 2000.0;
constexpr double kMinAperture = 0.7;  // f-numbers
constexpr double kMaxAperture = 128.0;
constexpr std::string_view kBuiltIn = "built-in";
constexpr std::string_view kApertureMark = "f/";
constexpr std::string_view kMetreMark = "m";
// Metres; closer is a macro lens's business, farther a typing mistake.
constexpr double kMinNearestFocus = 0.01;
constexpr double kMaxNearestFocus = 10.0;

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t bar = line.find('|', start);
    fields.push_back(Trim(line.substr(start, bar - start)));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return fields;
}

// The whole text must be a plain decimal number (from_chars ignores the
// locale, so '.' is the decimal point everywhere).
std::optional<double> ParseNumber(std::string_view text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] =
      std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<double> ParseSensorDiagonal(std::string_view text) {
  std::optional<double> diagonal;
  if (!text.empty() && text.front() == 'd') {
    diagonal = ParseNumber(text.substr(1));
  } else {
    const size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const auto width = ParseNumber(text.substr(0, x));
    const auto height = ParseNumber(text.substr(x + 1));
    if (!width || !height || *width <= 0.0 || *height <= 0.0)
      return std::nullopt;
    diagonal = std::hypot(*width, *height);
  }
  if (!diagonal || !kSensorDiagonalRange.Contains(*diagonal))
    return std::nullopt;
  return diagonal;
}

// "18-55" or "23": the real focal range of a lens.
std::optional<std::pair<double, double>> ParseFocalRange(
    std::string_view text) {
  const size_t dash = text.find('-');
  const auto min = ParseNumber(text.substr(0, dash));
  const auto max =
      dash == std::string_view::npos ? min : ParseNumber(text.substr(dash + 1));
  if (!min || !max || *min <= 0.0 || *max < *min || *max > kMaxFocal)
    return std::nullopt;
  return std::make_pair(*min, *max);
}

// "f/3.5": one f-number.
std::optional<double> ParseAperture(std::string_view text) {
  if (!text.starts_with(kApertureMark)) return std::nullopt;
  const auto number = ParseNumber(text.substr(kApertureMark.size()));
  if (!number || *number < kMinAperture || *number > kMaxAperture)
    return std::nullopt;
  return number;
}

// "0.45 m": a nearest focus distance.
std::optional<double> ParseNearestFocus(std::string_view text) {
  if (!text.ends_with(kMetreMark)) return std::nullopt;
  text.remove_suffix(kMetreMark.size());
  const auto metres = ParseNumber(Trim(text));
  if (!metres || *metres < kMinNearestFocus || *metres > kMaxNearestFocus)
    return std::nullopt;
  return metres;
}

// The optional widest and narrowest f-numbers and nearest focus after a
// lens's focal range; the narrowest may be left empty before a nearest
// focus.
std::string ParseLensFigures(const std::vector<std::string_view>& fields,
                             KitLens* lens) {
  if (fields.empty()) return "";
  lens->widest_aperture = ParseAperture(fields[0]);
  if (!lens->widest_aperture)
    return "bad aperture '" + std::string(fields[0]) + "' (write f/3.5)";
  if (fields.size() == 1) return "";
  if (!fields[1].empty() || fields.size() == 2) {
    lens->narrowest_aperture = ParseAperture(fields[1]);
    if (!lens->narrowest_aperture)
      return "bad aperture '" + std::string(fields[1]) + "' (write f/22)";
    if (*lens->narrowest_aperture < *lens->widest_aperture)
      return "the narrowest aperture comes before the widest";
  }
  if (fields.size() == 2) return "";
  lens->nearest_focus = ParseNearestFocus(fields[2]);
  if (!lens->nearest_focus)
    return "bad nearest focus '" + std::string(fields[2]) + "' (write 0.45 m)";
  return "";
}

std::string LineError(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

// Fills `entry` from the fields of one line; returns an error text or "".
// A lens is either "built-in" and its focal range, or a maker, a model and
// the range; up to two apertures and the nearest focus may follow.
std::string ParseFields(const std::vector<std::string_view>& fields,
                        CameraEntry* entry) {
  const bool built_in = fields.size() > 3 && fields[3] == kBuiltIn;
  const size_t focal = built_in ? 4 : 5;
  if (fields.size() == 5 && !built_in)
    return "a lens needs a maker and a model, or the word built-in";
  if (fields.size() != 3 &&
      (fields.size() <= focal || fields.size() > focal + 4))
    return "expected 3 fields separated by '|', 5 to 8 with a built-in lens, "
           "6 to 9 with a kit lens";
  entry->maker = fields[0];
  entry->model = fields[1];
  if (entry->maker.empty() || entry->model.empty())
    return "the maker and the model must not be empty";
  const auto diagonal = ParseSensorDiagonal(fields[2]);
  if (!diagonal) return "bad sensor size '" + std::string(fields[2]) + "'";
  entry->sensor_diagonal = *diagonal;
  if (fields.size() == 3) return "";

  KitLens lens;
  if (built_in) {
    lens.maker = entry->maker;
    lens.model = entry->model;
  } else {
    lens.maker = fields[3];
    lens.model = fields[4];
    if (lens.model.empty()) return "the lens model must not be empty";
  }
  const auto range = ParseFocalRange(fields[focal]);
  if (!range) return "bad focal range '" + std::string(fields[focal]) + "'";
  lens.min_focal = range->first;
  lens.max_focal = range->second;
  const std::string figures = ParseLensFigures(
      std::vector<std::string_view>(fields.begin() + focal + 1, fields.end()),
      &lens);
  if (!figures.empty()) return figures;
  entry->lens = std::move(lens);
  return "";
}

}  // namespace

std::optional<std::vector<CameraEntry>> ParseCameraList(std::istream& in,
                                                        std::string* error) {
  std::vector<CameraEntry> entries;
  std::map<std::pair<std::string, std::string>, int> first_line;
  std::string raw;
  int line = 0;
  while (std::getline(in, raw)) {
    ++line;
    const std::string_view text = Trim(raw);
    if (text.empty() || text.front() == '#') continue;
    CameraEntry entry;
    entry.line = line;
    const std::string problem = ParseFields(SplitFields(text), &entry);
    if (!problem.empty()) {
      *error = LineError(line, problem);
      return std::nullopt;
    }
    const auto [it, inserted] =
        first_line.emplace(std::make_pair(entry.maker, entry.model), line);
    if (!inserted) {
      *error = LineError(line, entry.maker + " " + entry.model +
                                   " is already listed on line " +
                                   std::to_string(it->second));
      return std::nullopt;
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace zorvanel
