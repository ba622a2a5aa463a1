#ifndef ZORVANEL_OPTICS_DECIMAL_H_
#define ZORVANEL_OPTICS_DECIMAL_H_

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

// False for NaN and infinities.
bool IsFiniteNumber(double x);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_DECIMAL_H_
