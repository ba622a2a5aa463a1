// The wheels' input apart from drawing: drags, taps and keys.
#include "mainscreen/wheel_drag.h"

#include <algorithm>

#include "mainscreen/wheel_readings.h"

namespace zorvanel {

void WheelDrag::Press(Point p, const WheelTracks& tracks) {
  wheel_ = tracks.WheelAt(p);
  last_point_ = p;
}

int WheelDrag::DoubleTap(Point p, const WheelTracks& tracks) {
  Press(p, tracks);
  return wheel_;
}

bool WheelDrag::Move(Point p, const WheelTracks& tracks,
                     std::span<double> percents) {
  if (!dragging() || wheel_ >= static_cast<int>(percents.size())) return false;
  const int travel = std::max(0, tracks.Travel(wheel_));
  double& percent = percents[wheel_];
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

std::optional<int> WheelStepsOfKey(Key key) {
  constexpr int kPastTheEnd = 1 << 30;
  switch (key) {
    case Key::kLeft:
      return -1;
    case Key::kRight:
      return 1;
    case Key::kHome:
      return -kPastTheEnd;
    case Key::kEnd:
      return kPastTheEnd;
    default:
      return std::nullopt;
  }
}

bool MoveWheelFocus(Key key, int count, int* focus) {
  if (key != Key::kUp && key != Key::kDown) return false;
  const int step = key == Key::kDown ? 1 : -1;
  *focus = *focus < 0 ? (step > 0 ? 0 : count - 1)
                      : std::clamp(*focus + step, 0, count - 1);
  return true;
}

bool TakeWheelKey(Key key, int count, int* focus,
                  const std::function<void(int wheel, int steps)>& step) {
  if (MoveWheelFocus(key, count, focus)) return true;
  const std::optional<int> steps = WheelStepsOfKey(key);
  if (!steps) return false;
  *focus = std::max(0, *focus);
  step(*focus, *steps);
  return true;
}

}  // namespace zorvanel
