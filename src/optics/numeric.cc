#include "optics/numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zorvanel {
namespace {

// "%.2f" of the largest double: 309 digits, '-', '.', two decimals.
constexpr int kFixedBufferSize = 320;

void TrimTrailing(std::string* text, char c) {
  while (!text->empty() && text->back() == c) text->pop_back();
}

}  // namespace

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

std::string FixedTwoTrimmed(double x) {
  char buffer[kFixedBufferSize];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), x,
                                    std::chars_format::fixed, 2);
  std::string text(buffer, result.ptr);
  TrimTrailing(&text, '0');
  TrimTrailing(&text, '.');
  TrimTrailing(&text, ',');
  return text;
}

}  // namespace zorvanel
