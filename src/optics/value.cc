#include "optics/value.h"

#include <cmath>

#include "i18n/translated_string.h"
#include "i18n/translator.h"
#include "optics/numeric.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

constexpr double kTwelfth = 0.083333333333333333;
// The table runs one entry past f/64, so that f/64 itself is reachable by
// the nearest-entry walk from both sides.
constexpr double kLastTableBound = 64.001;

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

std::string FormatMetric(double metres) {
  if (metres >= kMetresPerKilometre) {
    return FormatRounded("% km", metres * 0.001);
  }
  if (metres <= 0.01) return FormatRounded("% mm", metres * 1000.0);
  if (metres <= 1.0) return FormatRounded("% cm", metres * 100.0);
  return FormatRounded("% m", metres);
}

std::string FormatImperial(double feet) {
  if (feet >= kFeetPerMile) {
    return FormatRounded("% mile", feet * (1.0 / kFeetPerMile));
  }
  if (feet < 1.0) return FormatRounded("% in.", feet * kInchesPerFoot);
  return FormatRounded("% ft.", feet);
}

// Beyond either end of the table the entered f-number is the real one: an
// f/0.95 lens or f/128 is not a sixth of a stop away from the nearest entry
// but whole stops, and computing it as that entry would be plainly wrong.
double NearestRealAperture(double nominal) {
  const std::vector<double>& table = RealApertureTable();
  if (nominal < table.front() || nominal > table.back()) return nominal;
  double best = table.front();
  double previous_difference = std::fabs(best - nominal);
  // The walk stops at the first entry that is not strictly nearer, so a tie
  // between two neighbours keeps the smaller one.
  for (size_t i = 1; i < table.size(); ++i) {
    const double difference = std::fabs(table[i] - nominal);
    if (!(previous_difference > difference)) break;
    best = table[i];
    previous_difference = difference;
  }
  return best;
}

}  // namespace

bool Value::IsNoValue() const { return std::isnan(value_); }

std::string DistanceValue::Format() const {
  if (IsNoValue()) return kNoValueText;
  const double x = DisplayLength(*this);
  if (x < 0.0 || std::isinf(x)) return Translate(UiText("Infinity"));
  return GetUnitSystem() == kMetric ? FormatMetric(x) : FormatImperial(x);
}

std::string FocalValue::Format() const {
  if (IsNoValue()) return kNoValueText;
  const double millimetres = GetValue();
  // Deliberately not translated: it is a symbol on the focal wheel.
  if (millimetres < 0.0 || std::isinf(millimetres)) return "Infini";
  return FormatRounded("% mm", millimetres);
}

ApertureValue::ApertureValue(double nominal)
    : Value(std::isfinite(nominal) ? NearestRealAperture(nominal) : kNoValue),
      nominal_(nominal) {}

std::string ApertureValue::Format() const {
  if (!std::isfinite(nominal_)) return kNoValueText;
  return "f/" + FixedTwoTrimmed(nominal_);
}

const std::vector<double>& RealApertureTable() {
  static const std::vector<double> table = [] {
    std::vector<double> entries;
    double v = 0.0;
    int k = 1;
    do {
      v = std::pow(2.0, k * kTwelfth);
      entries.push_back(v);
      ++k;
    } while (v < kLastTableBound);
    return entries;
  }();
  return table;
}

std::string FormatRounded(const std::string& pattern, double x) {
  if (!std::isfinite(x)) return kNoValueText;
  return ReplaceEveryPercent(pattern, FixedTwoTrimmed(RoundToDisplayStep(x)));
}

}  // namespace zorvanel
