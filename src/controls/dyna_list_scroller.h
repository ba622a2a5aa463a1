#ifndef ZORVANEL_CONTROLS_DYNA_LIST_SCROLLER_H_
#define ZORVANEL_CONTROLS_DYNA_LIST_SCROLLER_H_

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/geometry.h"

namespace zorvanel {

// The touch behaviour of the list, kept apart from its pixels: the content
// follows the finger while it is down, keeps moving with inertia after it
// leaves, slows down, and glides onto the next row (or column) boundary.
// Time is a millisecond clock value handed in by the caller, so the whole
// state machine runs on a fake clock in tests.
//
// Positions are content coordinates of the viewport's top-left corner;
// velocities are pixels per millisecond, positive when the scroll position
// grows (the finger moves up or left).
class DynaListScroller {
 public:
  // A press and release closer than this on both axes is a tap.
  static constexpr int kTapAllowance = 15;
  // Fastest fling, in pixels per millisecond.
  static constexpr double kMaxSpeed = 1.5;
  // Below this speed the list starts gliding to a boundary.
  static constexpr double kSnapSpeed = 0.05;
  // At or below this speed the list counts as standing still.
  static constexpr double kRestSpeed = 0.001;

  // A column's place along the content's x axis, for horizontal snapping.
  struct Span {
    int start = 0;
    int width = 0;
  };

  // Geometry; the owner updates it when its size or content changes.
  void SetViewportSize(Size size) { viewport_ = size; }
  void SetContentSize(Size size) { content_ = size; }
  void SetItemHeight(int height) { item_height_ = height; }
  void SetColumns(std::vector<Span> columns) { columns_ = std::move(columns); }

  // Finger down: stops any motion and starts following the finger.
  void Press(Point p, uint32_t now);
  // Finger moved while down. Returns true when the position changed.
  bool Move(Point p, uint32_t now);
  // Finger up. Returns true when the whole gesture was a tap; otherwise the
  // fling (if any) starts with the next Advance.
  bool Release(Point p, uint32_t now);

  // Keeps the position inside the content. Returns true when this stopped a
  // motion along its axis.
  bool Clamp();
  // One frame of the fling: speed limit, snapping, one step of motion, then
  // the clamp. Returns true when another frame should follow.
  bool Advance(uint32_t now);

  // Jumps to a position without any motion (clamped).
  void ScrollTo(Point position);
  // Stops any fling or glide where it is.
  void Stop();

  Point scroll() const { return scroll_; }
  double velocity() const { return velocity_; }
  bool vertical() const { return vertical_; }
  bool pressed() const { return pressed_; }
  bool snapping() const { return snapping_; }
  // Faster than the rest speed: a fling or glide is under way.
  bool moving() const;

 private:
  void LimitSpeed();
  void SnapToBoundary();
  void Step(uint32_t now);
  // Position inside the current row or column and that unit's size; false
  // when no unit lies under the position.
  bool UnitAt(int* offset, int* size) const;
  // Clamps one axis; true when it moved the position.
  static bool ClampAxis(int* position, int content, int viewport);

  Size viewport_;
  Size content_;
  int item_height_ = 50;
  std::vector<Span> columns_;

  Point scroll_;
  bool pressed_ = false;
  Point last_point_;
  int moved_x_ = 0;
  int moved_y_ = 0;
  uint32_t last_time_ = 0;
  bool vertical_ = false;
  bool snapping_ = false;
  double velocity_ = 0.0;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_DYNA_LIST_SCROLLER_H_
