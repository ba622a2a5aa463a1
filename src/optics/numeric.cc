// Safe truncation of doubles and the tolerance that makes two values equal.
#include "optics/numeric.h"

#include <cmath>
#include <limits>

namespace zorvanel {

double TruncateTowardZero(double x) { return std::trunc(x); }

int TruncateToInt32(double x) {
  if (std::isnan(x)) return 0;
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  if (x >= kMax) return std::numeric_limits<int>::max();
  if (x <= kMin) return std::numeric_limits<int>::min();
  return static_cast<int>(x);
}

bool IsSameValue(double a, double b) {
  constexpr double kNoise = 1e-9;
  return std::fabs(a - b) < kNoise;
}

}  // namespace zorvanel
