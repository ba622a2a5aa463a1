// Reads numbers from typed text, the same whatever the locale.
#ifndef ZORVANEL_OPTICS_DECIMAL_H_
#define ZORVANEL_OPTICS_DECIMAL_H_

#include <optional>
#include <span>
#include <string_view>

namespace zorvanel {

// The number at the start of a typed text: optional leading blanks, an
// optional sign, digits with at most one '.', and an exponent (e or E, an
// optional sign, digits) only when digits follow it. The longest such prefix
// counts and the rest is ignored: "  35 mm" -> 35, "2,8" -> 2. Without one the
// result is 0 ("", "abc", "inf", "nan"; "0x10" -> 0). '.' is the decimal point
// whatever the locale. A number too large for a double gives the largest
// finite double with its sign, one too small gives 0; negative zero gives 0.
double ParseDecimal(std::string_view text);

// A number as the user types it into a field: the whole text must be a
// number as ParseDecimal reads it, where a ',' is the decimal separator too
// ("2,8" is 2.8) unless the text also holds a '.'; blanks around it, and
// `unit` after it (ignoring case, "35 mm"), are allowed. A text of blanks
// only gives 0, as an empty field does. Anything else ("abc", "2,8,1",
// "1.000,5", "12 m" where `unit` is "mm") is not a number: std::nullopt.
// One of `prefixes` may come before the number, ignoring case ("f/2.8" where
// one is "f/"); the first that matches is taken.
std::optional<double> ReadTypedNumber(
    std::string_view text, std::string_view unit = {},
    std::span<const std::string_view> prefixes = {});

// False for NaN and infinities.
bool IsFiniteNumber(double x);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_DECIMAL_H_
