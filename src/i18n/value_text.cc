// How distances, focal lengths, apertures and other values print as text.
#include "i18n/value_text.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "i18n/translated_string.h"
#include "i18n/translator.h"
#include "optics/depth_of_field.h"
#include "optics/lens_accessor.h"
#include "optics/numeric.h"
#include "optics/units.h"
#include "optics/value_limits.h"

namespace zorvanel {
namespace {

constexpr double kMetresPerKilometre = 1000.0;
constexpr double kFeetPerMile = 5280.0;
constexpr double kInchesPerFoot = 12.0;

// Finer steps for smaller numbers keep about three significant digits.
double RoundToDisplayStep(double x) {
  struct Step {
    double below, multiplier, step;
  };
  static constexpr Step kSteps[] = {
      {0.01, 100000.0, 0.00001}, {0.1, 10000.0, 0.0001}, {1.0, 1000.0, 0.001},
      {10.0, 100.0, 0.01},       {100.0, 10.0, 0.1},
  };
  for (const Step& s : kSteps) {
    if (x < s.below) return TruncateTowardZero(x * s.multiplier + 0.5) * s.step;
  }
  return TruncateTowardZero(x + 0.5);
}

// Two decimals without trailing zeros or point: 2.80 -> "2.8", 10.00 -> "10",
// 0.00 -> "0". Only for finite x.
std::string FixedTwoTrimmed(double x) {
  std::string text = FormatFixed(x, 2);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string ReplaceEveryPercent(const std::string& pattern,
                                const std::string& number) {
  std::string out;
  for (char c : pattern) {
    if (c == '%') {
      out += number;
    } else {
      out += c;
    }
  }
  return out;
}

// "% " and the unit symbol in the language shown: FormatRounded's pattern.
std::string UnitPattern(const char* symbol) { return "% " + Translate(symbol); }

std::string Millimetres() { return UnitPattern(UiText("mm")); }

std::string FormatMetric(double metres) {
  if (metres >= kMetresPerKilometre) {
    return FormatRounded(UnitPattern(UiText("km")), metres * 0.001);
  }
  if (metres <= 0.01) return FormatRounded(Millimetres(), metres * 1000.0);
  if (metres <= 1.0) {
    return FormatRounded(UnitPattern(UiText("cm")), metres * 100.0);
  }
  return FormatRounded(UnitPattern(UiText("m")), metres);
}

std::string FormatImperial(double feet) {
  if (feet >= kFeetPerMile) {
    return FormatRounded(UnitPattern(UiText("mile")),
                         feet * (1.0 / kFeetPerMile));
  }
  if (feet < 1.0) {
    return FormatRounded(UnitPattern(UiText("in.")), feet * kInchesPerFoot);
  }
  return FormatRounded(UnitPattern(UiText("ft.")), feet);
}

}  // namespace

std::string Format(const DistanceValue& distance, UnitSystem units) {
  if (distance.IsNoValue()) return kNoValueText;
  const bool metric = units == kMetric;
  // In the unit shown: a distance too large for feet is infinity too.
  const double x =
      metric ? distance.GetValue() : ConvertLength(distance.GetValue(), true);
  if (x < 0.0 || std::isinf(x)) return Translate(UiText("Infinity"));
  return metric ? FormatMetric(x) : FormatImperial(x);
}

std::string Format(const FocalValue& focal) {
  if (focal.IsNoValue()) return kNoValueText;
  const double millimetres = focal.GetValue();
  // Deliberately not translated: it is a symbol on the focal wheel.
  if (millimetres < 0.0 || std::isinf(millimetres)) return "Infini";
  return FormatRounded(Millimetres(), millimetres);
}

std::string FormatWithEquivalent(const FocalValue& focal, double multiplier) {
  const std::string real = Format(focal);
  if (focal.IsNoValue()) return real;
  const double equivalent = DisplayedFocal(focal.GetValue(), multiplier);
  if (equivalent == focal.GetValue() || !std::isfinite(equivalent)) {
    return real;
  }
  // Photographers quote equivalents in whole millimetres.
  return Tr(UiText("%1 (%2 eq.)"), real,
            FormatRounded(Millimetres(), std::round(equivalent)));
}

std::string Format(const ApertureValue& aperture) {
  if (!std::isfinite(aperture.GetNominal())) return kNoValueText;
  return "f/" + FixedTwoTrimmed(aperture.GetNominal());
}

std::string FormatValue(ValueKind kind, double stored, UnitSystem units) {
  switch (kind) {
    case ValueKind::kAperture:
      return Format(ApertureValue(stored));
    case ValueKind::kDistance:
      return Format(DistanceValue(stored), units);
    case ValueKind::kFocal:
      break;
  }
  return Format(FocalValue(stored));
}

std::string_view TypedUnit(ValueKind kind) {
  return kind == ValueKind::kFocal ? kMillimetreUnit : "";
}

std::span<const std::string_view> TypedPrefixes(ValueKind kind) {
  // "f/" before "f", so that the slash is not left over.
  static constexpr std::string_view kAperturePrefixes[] = {"f/", "f", "1:"};
  if (kind != ValueKind::kAperture) return {};
  return kAperturePrefixes;
}

std::string FormatCircleOfConfusion(double millimetres) {
  return FormatFixed(millimetres, 3) + " " + Translate(UiText("mm"));
}

std::string FormatMultiplier(double multiplier) {
  const bool none =
      !(multiplier > kLeastRowMultiplier) || !std::isfinite(multiplier);
  return "\u00D7" + FixedTwoTrimmed(none ? 1.0 : multiplier);
}

std::string FocalRangeLabel(const Lens& lens) {
  std::string label = Format(FocalValue(lens.min_focal()));
  // A prime has one focal length.
  if (lens.max_focal() > 0.0 && lens.max_focal() != lens.min_focal()) {
    label += " - " + Format(FocalValue(lens.max_focal()));
  }
  return label;
}

std::string ApertureRangeLabel(const Lens& lens) {
  const std::optional<ApertureValue> first = ApertureAt(lens, 0.0f);
  if (!first) return "";
  std::string label = Format(*first);
  const std::string last = Format(*ApertureAt(lens, 100.0f));
  if (last != label) label += " - " + last;
  return label;
}

std::string FormatRounded(const std::string& pattern, double x) {
  if (!std::isfinite(x)) return kNoValueText;
  return ReplaceEveryPercent(pattern, FixedTwoTrimmed(RoundToDisplayStep(x)));
}

std::string FormatFixed(double x, int decimals) {
  // A damaged data file can hold any double; it shows as "no value".
  if (!std::isfinite(x)) return kNoValueText;
  // Room for every digit of the largest double and the decimals.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), x,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return std::string();
  return std::string(buffer, result.ptr);
}

}  // namespace zorvanel
