// Which wheel a press drags, and what a tap on the main screen means.
#include "mainscreen/wheel_drag.h"

#include <algorithm>

namespace zorvanel {

void WheelDrag::Press(Point p, const MainLayout& layout) {
  wheel_ = layout.WheelAt(p.y);
  last_point_ = p;
}

bool WheelDrag::DoubleTap(Point p, const MainLayout& layout) {
  Press(p, layout);
  return wheel_ == kDistanceWheel;
}

bool WheelDrag::Move(Point p, const MainLayout& layout,
                     std::array<int, kWheelCount>* positions) {
  if (!dragging()) return false;
  int& position = (*positions)[wheel_];
  const int moved = std::clamp(position + (p.x - last_point_.x), 0,
                               std::max(0, layout.width));
  last_point_ = p;
  if (moved == position) return false;
  position = moved;
  return true;
}

WheelDrag::Release WheelDrag::Up(Point p, const MainLayout& layout) {
  const bool tap = !dragging();
  wheel_ = -1;
  if (!tap || p.y >= layout.panel.bottom) return Release::kNone;
  return p.x < layout.panel_tap_split ? Release::kToggle : Release::kOptions;
}

}  // namespace zorvanel
