// Tells the presses of a finger that make a double tap, as SDL does clicks.
#include "platform/tap_series.h"

#include <cstdlib>

namespace zorvanel {

bool TapSeries::Press(Point point, uint32_t ms) {
  const bool continues =
      last_ && ms - last_->ms <= kMaxGapMs &&
      std::abs(point.x - last_->point.x) <= kMaxDistance &&
      std::abs(point.y - last_->point.y) <= kMaxDistance;
  last_ = Last{point, ms};
  return continues;
}

}  // namespace zorvanel
