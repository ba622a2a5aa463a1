// Fuzz input as a typed number, compared with the C library's reading.
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "fuzz_harness.h"
#include "optics/decimal.h"

namespace zorvanel::fuzz {
namespace {

// strtod reads hexadecimal numbers, "inf" and "nan", which typed numbers
// are not; the comparison only holds for texts without them.
bool MayHoldNonDecimal(std::string_view text) {
  return text.find_first_of("xXiInNpP") != std::string_view::npos;
}

// The C library's reading of the same text, as the program promises to
// report it: the largest finite double for an overflow, no negative zero.
double ReferenceReading(std::string_view text) {
  const std::string copy(text);  // stops at the first NUL, as typed text does
  double value = std::strtod(copy.c_str(), nullptr);
  if (std::isinf(value)) {
    value = std::copysign(std::numeric_limits<double>::max(), value);
  }
  return value == 0.0 ? 0.0 : value;
}

}  // namespace

std::string FeedDecimal(std::string_view text) {
  const double value = ParseDecimal(text);
  if (!std::isfinite(value)) return "ParseDecimal gave a NaN or an infinity";
  if (value == 0.0 && std::signbit(value)) return "ParseDecimal gave -0";
  const std::optional<double> typed = ReadTypedNumber(text, "mm");
  if (typed && !std::isfinite(*typed)) {
    return "ReadTypedNumber gave a NaN or an infinity";
  }
  if (IsFiniteNumber(value) != std::isfinite(value)) {
    return "IsFiniteNumber disagrees with std::isfinite";
  }
  if (MayHoldNonDecimal(text) || text.find('\0') != std::string_view::npos) {
    return {};
  }
  // Only in the "C" locale does strtod take '.' as the decimal point.
  std::setlocale(LC_NUMERIC, "C");
  const double expected = ReferenceReading(text);
  // Below the normal range the two may round a subnormal differently, or
  // one of them may flush it to zero.
  const bool tiny = std::fabs(expected) < std::numeric_limits<double>::min();
  if (tiny ? std::fabs(value) < std::numeric_limits<double>::min()
           : value == expected) {
    return {};
  }
  return "ParseDecimal differs from strtod";
}

}  // namespace zorvanel::fuzz
