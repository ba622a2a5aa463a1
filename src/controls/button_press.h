// A push button's pointer handling apart from drawing: held look, tap, flash.
#ifndef ZORVANEL_CONTROLS_BUTTON_PRESS_H_
#define ZORVANEL_CONTROLS_BUTTON_PRESS_H_

#include <cstdint>

#include "platform/geometry.h"

namespace zorvanel {

// What the pointer does to a push button, apart from any drawing: the
// pressed look while the pointer is held inside, the click on a release
// inside, the double tap, and the optional flash (the pressed look kept for a
// second after a press, so a tap that opens something slow is seen). Time is
// passed in, so a test drives it with a fake clock.
class ButtonPress {
 public:
  static constexpr int kFlashTimerId = 1;
  static constexpr uint32_t kFlashMs = 1000;

  enum class Release {
    kNone,       // released outside, or nothing was pressed
    kClick,      // a tap: the button's command goes to its parent
    kDoubleTap,  // the second tap of a double tap
  };

  void set_flash_on_press(bool on) { flash_on_press_ = on; }

  // A press at `p` (client coordinates of a button of `bounds`); `double_tap`
  // marks the second press of a double tap. Returns true when the flash
  // timer must be started (or restarted) for kFlashMs.
  bool Press(Point p, const Rect& bounds, bool double_tap, uint32_t now);
  // Returns true when the held look changed (the pointer left or came back).
  bool Move(Point p, const Rect& bounds);
  // Ends the press; what it meant for the parent.
  Release Up(Point p, const Rect& bounds);
  // The flash timer fired. Returns true when the flash is over (the caller
  // stops the timer and repaints); a stale firing before the end is ignored.
  bool FlashTimerFired(uint32_t now);
  // The pointer went away without a release (capture lost, disabled).
  void Cancel();

  bool tracking() const { return tracking_; }
  // Pressed and the pointer still inside.
  bool held() const { return tracking_ && inside_; }
  bool flashing() const { return flashing_; }
  // The forced look of a running flash, or else the held look.
  bool LooksPressed() const { return flashing_ || held(); }

 private:
  bool flash_on_press_ = false;
  bool tracking_ = false;
  bool inside_ = false;
  bool double_tap_ = false;
  bool flashing_ = false;
  uint32_t flash_end_ = 0;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_BUTTON_PRESS_H_
