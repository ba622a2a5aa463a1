// Tells the presses of a finger that make a double tap, as SDL does clicks.
#ifndef ZORVANEL_PLATFORM_TAP_SERIES_H_
#define ZORVANEL_PLATFORM_TAP_SERIES_H_

#include <cstdint>
#include <optional>

#include "platform/geometry.h"

namespace zorvanel {

// A press soon after the last one and near it continues a series, like the
// click count SDL gives the mouse; its second and later presses are double
// taps. The limits are SDL's own for the mouse, so a finger and a mouse
// double tap alike.
class TapSeries {
 public:
  static constexpr uint32_t kMaxGapMs = 500;
  static constexpr int kMaxDistance = 32;

  // Records a press at `point` at time `ms`; true when it is a double tap.
  bool Press(Point point, uint32_t ms);

 private:
  struct Last {
    Point point;
    uint32_t ms = 0;
  };
  std::optional<Last> last_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_TAP_SERIES_H_
