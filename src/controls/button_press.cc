// A push button's pointer handling apart from drawing: held look, tap, flash.
#include "controls/button_press.h"

namespace zorvanel {

bool ButtonPress::Press(Point p, const Rect& bounds, bool double_tap,
                        uint32_t now) {
  tracking_ = true;
  inside_ = bounds.Contains(p);
  double_tap_ = double_tap;
  if (!flash_on_press_) return false;
  flashing_ = true;
  flash_end_ = now + kFlashMs;
  return true;
}

bool ButtonPress::Move(Point p, const Rect& bounds) {
  if (!tracking_) return false;
  const bool inside = bounds.Contains(p);
  if (inside == inside_) return false;
  inside_ = inside;
  return true;
}

ButtonPress::Release ButtonPress::Up(Point p, const Rect& bounds) {
  if (!tracking_) return Release::kNone;
  const bool inside = bounds.Contains(p);
  const bool double_tap = double_tap_;
  tracking_ = false;
  inside_ = false;
  double_tap_ = false;
  if (!inside) return Release::kNone;
  return double_tap ? Release::kDoubleTap : Release::kClick;
}

bool ButtonPress::FlashTimerFired(uint32_t now) {
  if (!flashing_) return true;
  // Wrap-safe: the clock is a 32-bit millisecond counter.
  if (static_cast<int32_t>(now - flash_end_) < 0) return false;
  flashing_ = false;
  return true;
}

void ButtonPress::Cancel() {
  tracking_ = false;
  inside_ = false;
  double_tap_ = false;
}

}  // namespace zorvanel
