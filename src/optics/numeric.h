// Safe truncation of doubles and the tolerance that makes two values equal.
#ifndef ZORVANEL_OPTICS_NUMERIC_H_
#define ZORVANEL_OPTICS_NUMERIC_H_

namespace zorvanel {

// Truncation toward zero that is defined for every double. The display
// rounding works on whole numbers beyond 32 bits too, so huge values keep
// their digits; NaN and infinities pass through unchanged.
double TruncateTowardZero(double x);

// Truncation to a 32-bit index or pixel position: toward zero, saturating at
// the int range; NaN gives 0.
int TruncateToInt32(double x);

// Two numbers closer than 1e-9 are the same value: what separates them is
// binary noise (24 computed back through a multiplier as 23.99999999999).
bool IsSameValue(double a, double b);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_NUMERIC_H_
