// The plan screen's geometry: two wheels over its answer and its stack.
#include "mainscreen/plan_layout.h"

#include <algorithm>

namespace zorvanel {
namespace {

// Reference heights at 480 x 640.
constexpr int kWheelHeight = 40;
constexpr int kLineHeight = 32;
constexpr int kNoteLineHeight = 26;
constexpr int kStackRowHeight = 24;

}  // namespace

PlanLayout ComputePlanLayout(int width, int height, int scale) {
  auto s = [scale](int v) { return Scaled(scale, v); };
  PlanLayout l;
  l.width = width;
  l.height = height;
  l.scale = scale;
  // The main screen's rows.
  const int margin = height * 4 / 100;
  const int row = (height - 2 * margin) / 8;
  const int value_height = row * 80 / 100;
  const int inset = (row - value_height) / 2;
  const int side = width * 5 / 100;
  const int middle = width / 2 - side / 2;
  const int value_left = side + middle;
  const int gap = height * scale * 10 / 64000;
  int y = margin;
  for (int i = 0; i < kPlanWheelCount; ++i) {
    l.caption_rects[i] = Rect{side, y, middle, y + row};
    l.value_rects[i] =
        Rect{value_left, y + inset, width - side, y + inset + value_height};
    y += row;
    l.wheel_rects[i] = Rect{0, y, width, y + s(kWheelHeight)};
    l.wheel_marks[i] = LayOutWheelMarks(l.wheel_rects[i], scale, height);
    y += s(kWheelHeight) + gap;
  }
  const int line = s(kLineHeight);
  for (int i = 0; i < kPlanLineCount; ++i) {
    l.line_labels[i] = Rect{side, y, middle, y + line};
    l.line_values[i] = Rect{value_left, y, width - side, y + line};
    y += line;
  }
  l.notes = Rect{side, y + s(4), width - side, std::max(y, height - margin)};
  l.note_line_height = s(kNoteLineHeight);
  l.stack_row_height = s(kStackRowHeight);
  l.number_right = side + s(40);
  l.focus_left = side + s(56);
  l.limits_left = side + s(190);
  return l;
}

int PlanLayout::WheelAt(Point p) const {
  for (int i = 0; i < kPlanWheelCount; ++i) {
    if (InWheelBand(wheel_rects[i], p)) return i;
  }
  return -1;
}

}  // namespace zorvanel
