// The bounds on the numbers of a camera and a lens, in one table.
#ifndef ZORVANEL_OPTICS_VALUE_LIMITS_H_
#define ZORVANEL_OPTICS_VALUE_LIMITS_H_

#include "optics/value_insertion.h"

namespace zorvanel {

// Focal lengths and circles of confusion are in millimetres, apertures are
// f-numbers, distances are in metres. The upper bounds keep typing slips (an
// extra digit, "1e300") out of the data.

// Numbers from `low` to `high`, both included.
struct ClosedRange {
  double low;
  double high;

  // False for NaN and infinities too.
  bool Contains(double x) const;
};

// Every value a user enters into a lens's lists lies above this.
inline constexpr double kMinimumValue = 0.001;
inline constexpr double kMaximumFocal = 10000.0;
inline constexpr double kMaximumAperture = 1000.0;
inline constexpr double kMaximumDistance = 100000.0;
// The bounds typed for a new lens are raised to at least this.
inline constexpr double kSmallestLensBound = 1.0;

// A camera's circle of confusion as typed.
inline constexpr ClosedRange kCircleOfConfusionRange{0.001, 0.3};
// Below this a camera's circle of confusion counts as never set.
inline constexpr double kDefinedCircleOfConfusion = 0.0001;
// A camera's real and displayed focal lengths as typed; the upper bound keeps
// the multiplier (displayed / real) finite and meaningful.
inline constexpr ClosedRange kCameraFocalRange{0.01, kMaximumFocal};

// A focal multiplier up to this counts as none in the arithmetic (the focal
// length is used as it is).
inline constexpr double kLeastMultiplier = 0.001;
// A focal multiplier up to this counts as none in a camera's list row, which
// then shows the displayed focal length as the real one.
inline constexpr double kLeastRowMultiplier = 0.01;

// The largest value of `kind` a user may enter.
double MaximumValue(ValueKind kind);
// Above kMinimumValue, at most MaximumValue(kind), and finite.
bool IsAcceptableValue(ValueKind kind, double stored);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_VALUE_LIMITS_H_
