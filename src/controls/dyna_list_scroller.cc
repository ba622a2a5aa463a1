#include "controls/dyna_list_scroller.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zorvanel {
namespace {

// Each step of a fling keeps 500 / (dt / 2 + 500) of the speed.
constexpr double kDecayScale = 500.0;
// A gliding list speeds up toward the boundary it heads for, up to
// kSnapSpeed right before it.
constexpr double kSnapAcceleration = 0.049;
// Two pointer samples in the same millisecond still make a finite speed.
constexpr uint32_t kMinSampleInterval = 1;
// Bounds one step so that a long pause never overflows the position; the
// clamp brings it back into the content anyway.
constexpr double kMaxStep = 1e9;

}  // namespace

bool DynaListScroller::moving() const {
  return std::abs(velocity_) > kRestSpeed;
}

void DynaListScroller::Press(Point p, uint32_t now) {
  pressed_ = true;
  moved_x_ = 0;
  moved_y_ = 0;
  Clamp();
  last_point_ = p;
  last_time_ = now;
  velocity_ = 0.0;
}

bool DynaListScroller::Move(Point p, uint32_t now) {
  if (!pressed_ || p == last_point_) return false;
  const int dx = last_point_.x - p.x;
  const int dy = last_point_.y - p.y;
  const uint32_t dt = std::max(now - last_time_, kMinSampleInterval);
  vertical_ = std::abs(dx) < std::abs(dy);
  velocity_ = static_cast<double>(vertical_ ? dy : dx) / dt;
  moved_x_ += std::abs(dx);
  moved_y_ += std::abs(dy);
  scroll_.x += dx;
  scroll_.y += dy;
  last_point_ = p;
  last_time_ = now;
  return true;
}

bool DynaListScroller::Release(Point p, uint32_t now) {
  pressed_ = false;
  moved_x_ += std::abs(last_point_.x - p.x);
  moved_y_ += std::abs(last_point_.y - p.y);
  if (velocity_ == 0.0 && moved_x_ < kTapAllowance &&
      moved_y_ < kTapAllowance) {
    return true;
  }
  last_time_ = now;
  return false;
}

bool DynaListScroller::ClampAxis(int* position, int content, int viewport) {
  const int before = *position;
  *position = std::max(std::min(*position, content - viewport), 0);
  return *position != before;
}

bool DynaListScroller::Clamp() {
  const bool moved_x = ClampAxis(&scroll_.x, content_.width, viewport_.width);
  const bool moved_y = ClampAxis(&scroll_.y, content_.height, viewport_.height);
  const bool on_axis = vertical_ ? moved_y : moved_x;
  if (on_axis && moving()) {
    velocity_ = 0.0;
    return true;
  }
  return false;
}

bool DynaListScroller::Advance(uint32_t now) {
  if (!pressed_ && (moving() || snapping_)) {
    if (velocity_ > kMaxSpeed || velocity_ < -kMaxSpeed) {
      LimitSpeed();
    } else if (velocity_ > -kSnapSpeed && velocity_ < kSnapSpeed) {
      SnapToBoundary();
    }
    Step(now);
  }
  const bool stopped = Clamp();
  return stopped || (!pressed_ && moving());
}

void DynaListScroller::LimitSpeed() {
  velocity_ = std::clamp(velocity_, -kMaxSpeed, kMaxSpeed);
}

bool DynaListScroller::UnitAt(int* offset, int* size) const {
  if (vertical_) {
    if (item_height_ <= 0) return false;
    *size = item_height_;
    *offset = ((scroll_.y % item_height_) + item_height_) % item_height_;
    return true;
  }
  for (const Span& column : columns_) {
    if (column.start <= scroll_.x && scroll_.x < column.start + column.width) {
      *offset = scroll_.x - column.start;
      *size = column.width;
      return true;
    }
  }
  return false;
}

void DynaListScroller::SnapToBoundary() {
  int offset = 0;
  int size = 0;
  // Without a unit under the position there is no boundary to glide to:
  // the list rests where it is.
  if (!UnitAt(&offset, &size) || offset == 0) {
    velocity_ = 0.0;
    snapping_ = false;
    return;
  }
  snapping_ = true;
  const int half = std::max(size / 2, 1);
  int toward = offset - size / 2;
  if (toward == 0) toward = 1;
  const double target = toward * kSnapAcceleration / half + kRestSpeed;
  if ((velocity_ > 0 && target > velocity_) ||
      (velocity_ < 0 && target < velocity_)) {
    velocity_ = target;
  }
}

void DynaListScroller::Step(uint32_t now) {
  const uint32_t dt = now - last_time_;
  const double travel = std::clamp(dt * velocity_, -kMaxStep, kMaxStep);
  const int d = static_cast<int>(travel);
  // A slow list accumulates time until it moves a whole pixel.
  if (d == 0) return;
  if (vertical_) {
    scroll_.y += d;
  } else {
    scroll_.x += d;
  }
  velocity_ = velocity_ * kDecayScale / (dt * 0.5 + kDecayScale);
  last_time_ = now;
}

void DynaListScroller::ScrollTo(Point position) {
  Stop();
  scroll_ = position;
  ClampAxis(&scroll_.x, content_.width, viewport_.width);
  ClampAxis(&scroll_.y, content_.height, viewport_.height);
}

void DynaListScroller::Stop() {
  velocity_ = 0.0;
  snapping_ = false;
}

}  // namespace zorvanel
