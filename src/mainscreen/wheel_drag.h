// The wheels' input apart from drawing: drags, taps and keys.
#ifndef ZORVANEL_MAINSCREEN_WHEEL_DRAG_H_
#define ZORVANEL_MAINSCREEN_WHEEL_DRAG_H_

#include <functional>
#include <optional>
#include <span>

#include "mainscreen/main_layout.h"
#include "mainscreen/wheel_band.h"
#include "platform/geometry.h"
#include "platform/window.h"

namespace zorvanel {

// A press inside a wheel's band drags that wheel: every move shifts its
// position by the horizontal travel since the last point, kept on the wheel
// (0 .. the wheel's travel), and travel past an end is not owed back. A press
// anywhere else is a tap, which acts on release over the main screen's panel.
// A press on a wheel never acts as a tap, however little it moved.
class WheelDrag {
 public:
  enum class Release {
    kNone,     // a drag ended, or the tap missed the panel
    kToggle,   // a tap on the panel left of its split
    kOptions,  // a tap on the panel at or right of its split
  };

  // A press at `p` (client coordinates of a screen whose wheels are
  // `tracks`).
  void Press(Point p, const WheelTracks& tracks);
  // The second press of a double tap: a press as above. Returns the wheel
  // it landed on, -1 for none.
  int DoubleTap(Point p, const WheelTracks& tracks);
  // A move to `p`. Returns true when it changed the dragged wheel's entry of
  // `percents` (the wheels' percentages of their travel).
  bool Move(Point p, const WheelTracks& tracks, std::span<double> percents);
  // Ends the press on the main screen; what it meant.
  Release Up(Point p, const MainLayout& layout);
  // Ends the press on a screen where taps mean nothing.
  void End() { wheel_ = -1; }

  bool dragging() const { return wheel_ >= 0; }
  // The dragged wheel, -1 for none.
  int wheel() const { return wheel_; }

 private:
  int wheel_ = -1;
  Point last_point_;
};

// How many entries a key steps the focused wheel by: Left and Right one,
// Home and End past either end of any list; nothing for other keys.
std::optional<int> WheelStepsOfKey(Key key);

// Up and Down move the focus among `count` wheels (-1: none yet; Down then
// takes the first, Up the last) and return true; other keys return false.
bool MoveWheelFocus(Key key, int count, int* focus);

// The wheel keys of a screen with `count` wheels: Up and Down move the
// focus, Left, Right, Home and End step the focused wheel (the top one while
// none has it) through `step`. False, with nothing done, for other keys.
bool TakeWheelKey(Key key, int count, int* focus,
                  const std::function<void(int wheel, int steps)>& step);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_WHEEL_DRAG_H_
