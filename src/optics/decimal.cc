// Reads numbers from typed text, the same whatever the locale.
#include "optics/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
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

size_t SkipBlanks(std::string_view text, size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
  }
  return true;
}

// Where the number ends that starts `text` (blanks and sign included), or 0
// when the text does not start with one.
size_t NumberEnd(std::string_view text) {
  size_t at = SkipBlanks(text, 0);
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::string_view number = NumberPrefix(text.substr(at));
  return number.empty() ? 0 : at + number.size();
}

}  // namespace

double ParseDecimal(std::string_view text) {
  size_t at = SkipBlanks(text, 0);
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

std::optional<double> ReadTypedNumber(
    std::string_view text, std::string_view unit,
    std::span<const std::string_view> prefixes) {
  if (SkipBlanks(text, 0) == text.size()) return 0.0;
  text = text.substr(SkipBlanks(text, 0));
  for (std::string_view prefix : prefixes) {
    if (StartsWithIgnoringCase(text, prefix)) {
      text = text.substr(prefix.size());
      break;
    }
  }
  // Most of the languages write a decimal comma; with no point in the text,
  // its first comma is the decimal separator. Beside a point a comma is
  // something else (a thousands separator), and the text is not a number.
  std::string number(text);
  if (number.find('.') == std::string::npos) {
    const size_t comma = number.find(',');
    if (comma != std::string::npos) number[comma] = '.';
  }
  const size_t end = NumberEnd(number);
  if (end == 0) return std::nullopt;
  std::string_view rest = std::string_view(number).substr(end);
  rest = rest.substr(SkipBlanks(rest, 0));
  if (!unit.empty() && StartsWithIgnoringCase(rest, unit)) {
    rest = rest.substr(unit.size());
    rest = rest.substr(SkipBlanks(rest, 0));
  }
  if (!rest.empty()) return std::nullopt;
  return ParseDecimal(std::string_view(number).substr(0, end));
}

bool IsFiniteNumber(double x) { return std::isfinite(x); }

}  // namespace zorvanel
