// The plan screen's geometry: two wheels over its answer and its stack.
#ifndef ZORVANEL_MAINSCREEN_PLAN_LAYOUT_H_
#define ZORVANEL_MAINSCREEN_PLAN_LAYOUT_H_

#include <array>

#include "mainscreen/wheel_band.h"
#include "platform/geometry.h"

namespace zorvanel {

// The plan screen's wheels, top to bottom, and its lines of answer.
inline constexpr int kPlanWheelCount = 2;
inline constexpr int kNearPlanWheel = 0;
inline constexpr int kFarPlanWheel = 1;
inline constexpr int kPlanLineCount = 5;

// Geometry of the plan screen for a client area of width x height pixels at
// a display scale in percent; a pure function of those three numbers. The
// two wheel rows are the main screen's: a caption row (an eighth of the
// height inside the vertical margins) with the wheel under it. Under them
// come the lines of the answer, each a label right-aligned left of the
// middle and its value left-aligned right of it, then the notes: a
// message, and the focus stack's heading and rows.
struct PlanLayout : WheelTracks {
  int width = 0;
  int height = 0;
  int scale = 0;

  std::array<Rect, kPlanWheelCount> caption_rects;
  std::array<Rect, kPlanWheelCount> value_rects;
  std::array<Rect, kPlanWheelCount> wheel_rects;
  std::array<WheelMarks, kPlanWheelCount> wheel_marks;

  std::array<Rect, kPlanLineCount> line_labels;
  std::array<Rect, kPlanLineCount> line_values;

  // Where the message and the stack go, and the height of a stack row.
  Rect notes;
  int note_line_height = 0;
  int stack_row_height = 0;
  // A stack row's columns: the shot's number, its focus, its limits.
  int number_right = 0;
  int focus_left = 0;
  int limits_left = 0;

  int WheelAt(Point p) const override;
  int Travel(int wheel) const override { return wheel_rects[wheel].Width(); }
};

PlanLayout ComputePlanLayout(int width, int height, int scale);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_PLAN_LAYOUT_H_
