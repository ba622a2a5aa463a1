// The bounds on the numbers of a camera and a lens.
#include "optics/value_limits.h"

#include "optics/decimal.h"

namespace zorvanel {

bool ClosedRange::Contains(double x) const {
  return IsFiniteNumber(x) && x >= low && x <= high;
}

double MaximumValue(ValueKind kind) {
  switch (kind) {
    case ValueKind::kFocal:
      return kMaximumFocal;
    case ValueKind::kAperture:
      return kMaximumAperture;
    case ValueKind::kDistance:
      return kMaximumDistance;
  }
  return kMaximumFocal;
}

bool IsAcceptableValue(ValueKind kind, double stored) {
  return IsFiniteNumber(stored) && stored > kMinimumValue &&
         stored <= MaximumValue(kind);
}

}  // namespace zorvanel
