// The touch list's scrolling without pixels: follow, fling, glide, rest.
#include "controls/dyna_list_scroller.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zorvanel {
namespace {

// Each step of a fling keeps 500 / (dt / 2 + 500) of the speed.
constexpr double kDecayScale = 500.0;
// A glide covers what is left to its rest position at this rate (distance
// over this time) while that is faster than kSnapSpeed: far glides start
// quickly and all of them end gently.
constexpr double kGlideEaseMs = 200.0;
// Two pointer samples in the same millisecond still make a finite speed.
constexpr uint32_t kMinSampleInterval = 1;

int FloorToMultiple(int value, int unit) {
  const int rest = ((value % unit) + unit) % unit;
  return value - rest;
}

}  // namespace

bool DynaListScroller::moving() const {
  return std::abs(velocity_) > kRestSpeed;
}

DynaListScroller::Axis DynaListScroller::AxisOf(bool vertical) const {
  if (vertical) {
    return Axis{scroll_.y, std::max(content_.height - viewport_.height, 0)};
  }
  return Axis{scroll_.x, std::max(content_.width - viewport_.width, 0)};
}

bool DynaListScroller::IsRest(bool vertical, int position) const {
  return RestTarget(vertical, position, 0) == position;
}

bool DynaListScroller::AtRest() const {
  return IsRest(true, scroll_.y) && IsRest(false, scroll_.x);
}

int DynaListScroller::RestTarget(bool vertical, int position,
                                 int direction) const {
  const int limit = AxisOf(vertical).limit;
  if (position <= 0) return 0;
  if (position >= limit) return limit;
  // The rest positions at or below and at or above the position.
  int lower = 0;
  int upper = limit;
  if (vertical && item_height_ > 0) {
    lower = FloorToMultiple(position, item_height_);
    if (lower != position)
      upper = std::min(lower + item_height_, limit);
    else
      upper = position;
  }
  if (lower == position || upper == position) return position;
  if (direction > 0) return upper;
  if (direction < 0) return lower;
  return position - lower <= upper - position ? lower : upper;
}

int DynaListScroller::PositionShowing(int top, int bottom) const {
  const int position = scroll_.y;
  const int view = viewport_.height;
  int target = position;
  if (top < position) {
    target = top;
  } else if (bottom > position + view) {
    // The least move that shows the row, rounded on to a rest position
    // when that still shows it whole.
    target = RestTarget(true, bottom - view, +1);
    if (target > top) target = top;
  }
  return std::clamp(target, 0, AxisOf(true).limit);
}

void DynaListScroller::SetPosition(bool vertical, int position) {
  (vertical ? scroll_.y : scroll_.x) = position;
}

void DynaListScroller::Press(Point p, uint32_t now) {
  pressed_ = true;
  away_x_ = 0;
  away_y_ = 0;
  Clamp();
  last_point_ = p;
  press_point_ = p;
  press_scroll_ = scroll_;
  last_time_ = now;
  velocity_ = 0.0;
  snapping_ = false;
  fraction_ = 0.0;
}

bool DynaListScroller::Move(Point p, uint32_t now) {
  if (!pressed_ || p == last_point_) return false;
  const int dx = last_point_.x - p.x;
  const int dy = last_point_.y - p.y;
  const uint32_t dt = std::max(now - last_time_, kMinSampleInterval);
  vertical_ = std::abs(dx) < std::abs(dy);
  velocity_ = static_cast<double>(vertical_ ? dy : dx) / dt;
  away_x_ = std::max(away_x_, std::abs(p.x - press_point_.x));
  away_y_ = std::max(away_y_, std::abs(p.y - press_point_.y));
  scroll_.x += dx;
  scroll_.y += dy;
  last_point_ = p;
  last_time_ = now;
  return true;
}

bool DynaListScroller::Release(Point p, uint32_t now) {
  pressed_ = false;
  away_x_ = std::max(away_x_, std::abs(p.x - press_point_.x));
  away_y_ = std::max(away_y_, std::abs(p.y - press_point_.y));
  if (away_x_ < tap_allowance_ && away_y_ < tap_allowance_) {
    // A finger always wobbles a little: however fast it did, the list goes
    // back to where the press found it.
    scroll_ = press_scroll_;
    velocity_ = 0.0;
    return true;
  }
  if (now - last_time_ >= kHoldStillMs) velocity_ = 0.0;
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
  if (!on_axis) return false;
  // An end of the content is a rest position: a glide heading past the end
  // stops there.
  snapping_ = false;
  fraction_ = 0.0;
  if (moving()) {
    velocity_ = 0.0;
    return true;
  }
  return false;
}

bool DynaListScroller::Advance(uint32_t now) {
  if (!pressed_) {
    // However long since the last frame (the list was covered, the
    // machine slept), one frame moves by at most kMaxStepMs of travel.
    const uint32_t dt = std::min(now - last_time_, kMaxStepMs);
    last_time_ = now;
    if (!snapping_ && std::abs(velocity_) < kSnapSpeed) {
      if (AtRest()) {
        velocity_ = 0.0;
      } else {
        StartGlide();
      }
    }
    if (snapping_) {
      GlideStep(dt);
    } else if (moving()) {
      FlingStep(dt);
    }
  }
  const bool stopped = Clamp();
  return stopped || (!pressed_ && (moving() || snapping_ || !AtRest()));
}

void DynaListScroller::StartGlide() {
  // A sideways drag of a list that only scrolls down leaves the list off a
  // row boundary on the other axis: that axis glides then.
  if (IsRest(vertical_, AxisOf(vertical_).position)) {
    vertical_ = !vertical_;
    velocity_ = 0.0;
  }
  const int direction = moving() ? (velocity_ > 0 ? 1 : -1) : 0;
  glide_target_ = RestTarget(vertical_, AxisOf(vertical_).position, direction);
  snapping_ = true;
  fraction_ = 0.0;
}

void DynaListScroller::FlingStep(uint32_t dt) {
  velocity_ = std::clamp(velocity_, -kMaxSpeed, kMaxSpeed);
  const double travel = dt * velocity_ + fraction_;
  const int d = static_cast<int>(travel);
  fraction_ = travel - d;
  SetPosition(vertical_, AxisOf(vertical_).position + d);
  velocity_ = velocity_ * kDecayScale / (dt * 0.5 + kDecayScale);
}

void DynaListScroller::GlideStep(uint32_t dt) {
  const int position = AxisOf(vertical_).position;
  const int remaining = glide_target_ - position;
  const double speed = std::max(kSnapSpeed, std::abs(remaining) / kGlideEaseMs);
  velocity_ = remaining >= 0 ? speed : -speed;
  const double travel = dt * speed + fraction_;
  const int d = static_cast<int>(travel);
  fraction_ = travel - d;
  if (d >= std::abs(remaining)) {
    SetPosition(vertical_, glide_target_);
    velocity_ = 0.0;
    snapping_ = false;
    fraction_ = 0.0;
  } else {
    SetPosition(vertical_, position + (remaining > 0 ? d : -d));
  }
}

void DynaListScroller::ScrollTo(Point position) {
  velocity_ = 0.0;
  snapping_ = false;
  fraction_ = 0.0;
  scroll_ = position;
  ClampAxis(&scroll_.x, content_.width, viewport_.width);
  ClampAxis(&scroll_.y, content_.height, viewport_.height);
}

void DynaListScroller::ScrollRows(int rows) {
  if (item_height_ <= 0 || rows == 0) return;
  // From the row boundary behind the position, so that a list left between
  // rows lands on one.
  int base = FloorToMultiple(scroll_.y, item_height_);
  if (rows < 0 && base != scroll_.y) base += item_height_;
  ScrollTo(Point{scroll_.x, base + rows * item_height_});
}

void DynaListScroller::Settle() {
  // A finger on the list is gone with it, too.
  pressed_ = false;
  ScrollTo(scroll_);
  scroll_.x = RestTarget(false, scroll_.x, 0);
  scroll_.y = RestTarget(true, scroll_.y, 0);
}

}  // namespace zorvanel
