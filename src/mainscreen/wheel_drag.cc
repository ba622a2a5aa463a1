// Which wheel a press drags, and what a tap on the main screen means.
#include "mainscreen/wheel_drag.h"

#include <algorithm>

#include "mainscreen/wheel_readings.h"

namespace zorvanel {

void WheelDrag::Press(Point p, const MainLayout& layout) {
  wheel_ = layout.WheelAt(p);
  last_point_ = p;
}

bool WheelDrag::DoubleTap(Point p, const MainLayout& layout) {
  Press(p, layout);
  return wheel_ == kDistanceWheel;
}

bool WheelDrag::Move(Point p, const MainLayout& layout,
                     std::array<double, kWheelCount>* percents) {
  if (!dragging()) return false;
  const int travel = std::max(0, layout.Travel(wheel_));
  double& percent = (*percents)[wheel_];
  const int position = PositionOfPercent(percent, travel);
  const int moved = std::clamp(position + (p.x - last_point_.x), 0, travel);
  last_point_ = p;
  if (moved == position) return false;
  percent = PercentOfPosition(moved, travel);
  return true;
}

WheelDrag::Release WheelDrag::Up(Point p, const MainLayout& layout) {
  const bool tap = !dragging();
  wheel_ = -1;
  if (!tap || !layout.panel_tap_area.Contains(p)) return Release::kNone;
  return p.x < layout.panel_tap_split ? Release::kToggle : Release::kOptions;
}

}  // namespace zorvanel
