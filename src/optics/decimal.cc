#include "optics/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace zorvanel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The unsigned decimal number at the start of `text` (mantissa and optional
// exponent), or an empty view when there is none.
std::string_view NumberPrefix(std::string_view text) {
  const size_t integer_end = SkipDigits(text, 0);
  size_t end = integer_end;
  bool has_digits = integer_end > 0;
  if (end < text.size() && text[end] == '.') {
    const size_t fraction_end = SkipDigits(text, end + 1);
    has_digits = has_digits || fraction_end > end + 1;
    end = fraction_end;
  }
  if (!has_digits) return {};
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() &&
        (text[exponent] == '+' || text[exponent] == '-')) {
      ++exponent;
    }
    const size_t exponent_end = SkipDigits(text, exponent);
    if (exponent_end > exponent) end = exponent_end;
  }
  return text.substr(0, end);
}

// from_chars reports an out-of-range result without telling whether it was
// too large or too small: a mantissa whose first significant digit sits at a
// positive decimal position overflowed.
bool Overflowed(std::string_view number) {
  size_t first_significant = 0;
  while (
      first_significant < number.size() &&
      (number[first_significant] == '0' || number[first_significant] == '.')) {
    ++first_significant;
  }
  const size_t point = number.find('.');
  const size_t mantissa_end = number.find_first_of("eE");
  const size_t integer_digits =
      std::min(point, std::min(mantissa_end, number.size()));
  // Power of ten of the first significant digit, before the exponent.
  long long magnitude =
      first_significant < integer_digits
          ? static_cast<long long>(integer_digits - first_significant)
          : -static_cast<long long>(first_significant - point);
  if (mantissa_end != std::string_view::npos) {
    const std::string_view exponent = number.substr(mantissa_end + 1);
    const bool negative = exponent.front() == '-';
    // The exponent alone decides for any real input; clamp its digits so
    // that a thousand-digit exponent cannot overflow the sum.
    long long value = 0;
    for (char c : exponent) {
      if (IsDigit(c) && value < 100000000) value = value * 10 + (c - '0');
    }
    magnitude += negative ? -value : value;
  }
  return magnitude > 0;
}

}  // namespace

double ParseDecimal(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::string_view number = NumberPrefix(text.substr(at));
  if (number.empty()) return 0.0;

  double value = 0.0;
  const auto result =
      std::from_chars(number.data(), number.data() + number.size(), value,
                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = Overflowed(number) ? std::numeric_limits<double>::max() : 0.0;
  } else if (result.ec != std::errc()) {
    return 0.0;
  } else if (std::isinf(value)) {
    value = std::numeric_limits<double>::max();
  }
  if (value == 0.0) return 0.0;
  return negative ? -value : value;
}

bool IsFiniteNumber(double x) { return std::isfinite(x); }

}  // namespace zorvanel
