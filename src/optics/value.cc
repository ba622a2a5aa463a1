// The values of the optics: distance, focal length and aperture.
#include "optics/value.h"

#include <cmath>

namespace zorvanel {
namespace {

constexpr double kTwelfth = 0.083333333333333333;
// The table runs one entry past f/64, so that f/64 itself is reachable by
// the nearest-entry walk from both sides.
constexpr double kLastTableBound = 64.001;

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

ApertureValue::ApertureValue(double nominal)
    : Value(std::isfinite(nominal) ? NearestRealAperture(nominal) : kNoValue),
      nominal_(nominal) {}

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

}  // namespace zorvanel
