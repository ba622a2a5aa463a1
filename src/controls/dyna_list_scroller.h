// The touch list's scrolling without pixels: follow, fling, glide, rest.
#ifndef ZORVANEL_CONTROLS_DYNA_LIST_SCROLLER_H_
#define ZORVANEL_CONTROLS_DYNA_LIST_SCROLLER_H_

#include <cstdint>

#include "platform/geometry.h"

namespace zorvanel {

// The touch behaviour of the list, kept apart from its pixels: the content
// follows the finger while it is down, keeps moving with inertia after it
// leaves, slows down, and glides onto a row boundary, where it always comes
// to rest. Time is a millisecond clock value handed in by the
// caller, so the whole state machine runs on a fake clock in tests.
//
// Positions are content coordinates of the viewport's top-left corner;
// velocities are pixels per millisecond, positive when the scroll position
// grows (the finger moves up or left). A rest position has a row boundary
// at the top of the view, or is an end of the content; sideways, only the
// ends are rest positions.
class DynaListScroller {
 public:
  // A press and release that never went this far apart on either axis is a
  // tap, on the 480 x 640 reference screen; the owner scales it.
  static constexpr int kTapAllowance = 15;
  // A finger held still this long before it leaves flings nothing.
  static constexpr uint32_t kHoldStillMs = 100;
  // Fastest fling, in pixels per millisecond.
  static constexpr double kMaxSpeed = 1.5;
  // Below this speed a fling turns into a glide to the next rest position.
  static constexpr double kSnapSpeed = 0.05;
  // At or below this speed the list counts as standing still.
  static constexpr double kRestSpeed = 0.001;
  // No frame moves the list by more than this much time's travel, however
  // long the frames were apart (the list was covered, the machine slept).
  static constexpr uint32_t kMaxStepMs = 50;

  // Geometry; the owner updates it when its size or content changes.
  void SetViewportSize(Size size) { viewport_ = size; }
  void SetContentSize(Size size) { content_ = size; }
  void SetItemHeight(int height) { item_height_ = height; }
  void SetTapAllowance(int pixels) { tap_allowance_ = pixels; }

  // Finger down: stops any motion and starts following the finger.
  void Press(Point p, uint32_t now);
  // Finger moved while down. Returns true when the position changed.
  bool Move(Point p, uint32_t now);
  // Finger up. Returns true when the whole gesture was a tap: the list is
  // back where the press found it. Otherwise the fling (or the glide to a
  // rest position) starts with the next Advance.
  bool Release(Point p, uint32_t now);

  // Keeps the position inside the content. Returns true when this stopped a
  // motion along its axis.
  bool Clamp();
  // One frame: the fling's step, or the glide's, then the clamp. Returns
  // true when another frame should follow.
  bool Advance(uint32_t now);

  // Jumps to a position without any motion (clamped).
  void ScrollTo(Point position);
  // Jumps by whole rows from the current row boundary (positive: toward the
  // end), clamped to the content.
  void ScrollRows(int rows);
  // Ends any press, fling or glide at once on the nearest rest position.
  void Settle();
  // The vertical position that shows content rows [top, bottom) whole
  // after the least move: the current one when they are in view, else a
  // rest position where the view allows.
  int PositionShowing(int top, int bottom) const;

  Point scroll() const { return scroll_; }
  double velocity() const { return velocity_; }
  bool vertical() const { return vertical_; }
  bool pressed() const { return pressed_; }
  bool snapping() const { return snapping_; }
  // Where the current gesture's press was.
  Point press_point() const { return press_point_; }
  // Faster than the rest speed: a fling or glide is under way.
  bool moving() const;
  // Both axes on rest positions.
  bool AtRest() const;

 private:
  // One axis of the content, for the rest-position arithmetic.
  struct Axis {
    int position;
    int limit;  // largest position
  };
  Axis AxisOf(bool vertical) const;
  bool IsRest(bool vertical, int position) const;
  // The rest position after `position` in `direction` (+1 or -1), or the
  // nearest one for direction 0.
  int RestTarget(bool vertical, int position, int direction) const;
  void StartGlide();
  void FlingStep(uint32_t dt);
  void GlideStep(uint32_t dt);
  void SetPosition(bool vertical, int position);
  // Clamps one axis; true when it moved the position.
  static bool ClampAxis(int* position, int content, int viewport);

  Size viewport_;
  Size content_;
  int item_height_ = 50;
  int tap_allowance_ = kTapAllowance;

  Point scroll_;
  bool pressed_ = false;
  Point last_point_;
  Point press_point_;
  Point press_scroll_;
  // How far the finger has been from the press point, per axis.
  int away_x_ = 0;
  int away_y_ = 0;
  uint32_t last_time_ = 0;
  bool vertical_ = false;
  bool snapping_ = false;
  int glide_target_ = 0;
  double velocity_ = 0.0;
  // Travel below a whole pixel, carried to the next frame.
  double fraction_ = 0.0;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_DYNA_LIST_SCROLLER_H_
