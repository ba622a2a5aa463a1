// The main screen's pointer gesture, apart from drawing: drags and taps.
#ifndef ZORVANEL_MAINSCREEN_WHEEL_DRAG_H_
#define ZORVANEL_MAINSCREEN_WHEEL_DRAG_H_

#include <array>

#include "mainscreen/main_layout.h"
#include "platform/geometry.h"

namespace zorvanel {

// A press inside a wheel's band drags that wheel: every move shifts its
// position by the horizontal travel since the last point, kept on the wheel
// (0 .. the wheel's travel), and travel past an end is not owed back. A press
// anywhere else is a tap, which acts on release over the panel's tap area. A
// press on a wheel never acts as a tap, however little it moved.
class WheelDrag {
 public:
  enum class Release {
    kNone,     // a drag ended, or the tap missed the panel
    kToggle,   // a tap on the panel left of its split
    kOptions,  // a tap on the panel at or right of its split
  };

  // A press at `p` (client coordinates of a screen laid out as `layout`).
  void Press(Point p, const MainLayout& layout);
  // The second press of a double tap: a press as above. Returns true when it
  // landed on the distance wheel, which then focuses at the hyperfocal
  // distance.
  bool DoubleTap(Point p, const MainLayout& layout);
  // A move to `p`. Returns true when it changed the dragged wheel's entry of
  // `percents` (the wheels' percentages of their travel).
  bool Move(Point p, const MainLayout& layout,
            std::array<double, kWheelCount>* percents);
  // Ends the press; what it meant.
  Release Up(Point p, const MainLayout& layout);

  bool dragging() const { return wheel_ >= 0; }
  // The dragged wheel, -1 for none.
  int wheel() const { return wheel_; }

 private:
  int wheel_ = -1;
  Point last_point_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_WHEEL_DRAG_H_
