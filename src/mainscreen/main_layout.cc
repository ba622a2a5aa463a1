// The main screen's geometry: panel, rows, wheels, ticks and markers.
#include "mainscreen/main_layout.h"

#include <algorithm>

#include "platform/canvas.h"

namespace zorvanel {
namespace {

// Where the panel's display glass ends on the right at scale 100 (the frame
// starts at 472), less a little air.
constexpr int kDisplayTextRight = 468;

// Landscape: the panel's column is the panel and this much on either side
// of it; the wheels' column beside it must be at least kLeastWheelColumn
// wide, else the screen stays upright.
constexpr int kPanelColumnMargin = 10;
constexpr int kLeastWheelColumn = 300;
// Landscape: the zone strip's band under the distance wheel.
constexpr int kZoneBandHeight = 66;

void LayOutPanel(MainLayout& l) {
  const int k = l.scale;
  const int px = l.panel_left;
  const int py = l.panel_top;
  auto s = [k](int v) { return Scaled(k, v); };
  l.panel = Rect{px, py, s(kReferenceWidth) + px, s(163) + py};
  l.panel_tap_split = s(290) + px;
  l.large_label = Rect{s(20) + px, s(40) + py, s(290) + px, s(163) + py};
  l.large_value = Rect{s(20) + px, s(64) + py, s(280) + px, s(163) + py};
  const int labels_right = s(70) + s(280) + px;
  l.min_label = Rect{s(280) + px, s(40) + py, labels_right, s(163) + py};
  l.max_label = Rect{s(280) + px, s(75) + py, labels_right, s(163) + py};
  l.fourth_label = Rect{s(280) + px, s(110) + py, labels_right, s(163) + py};
  const int values_left = s(5) + s(70) + s(280) + px;
  const int values_right = s(kDisplayTextRight) + px;
  l.near_value = Rect{values_left, s(40) + py, values_right, s(70) + py};
  l.far_value = Rect{values_left, s(75) + py, values_right, s(105) + py};
  l.fourth_value = Rect{values_left, s(110) + py, values_right, s(140) + py};
  // The camera line runs across the panel's column, over the panel's frame.
  const int column_right = l.landscape ? l.wheel_column.left : l.width;
  l.camera_line = Rect{s(10), s(5) + py, column_right - s(10), s(40) + py};
  l.panel_tap_area = l.landscape
                         ? Rect{0, l.panel.top, column_right, l.panel.bottom}
                         : Rect{0, 0, l.width, l.panel.bottom};
}

// Upright the rows start under the panel and the zone strip takes what is
// left under them; in landscape the rows and the strip's band are centred in
// their column.
void LayOutRows(MainLayout& l) {
  const Rect& column = l.wheel_column;
  const int caption_right =
      column.left + column.Width() / 2 - l.side_margin / 2;
  const int row = l.row_height + l.wheel_gap + l.wheel_height;
  const int band = Scaled(l.scale, kZoneBandHeight);
  int y = l.landscape ? std::max(0, (l.height - kWheelCount * row - band) / 2)
                      : Scaled(l.scale, 163);
  for (int i = 0; i < kWheelCount; ++i) {
    l.caption_rects[i] =
        Rect{column.left + l.side_margin, y, caption_right, y + l.row_height};
    l.value_rects[i] = Rect{l.value_left, y + l.value_inset, l.value_left + 100,
                            y + l.value_inset + l.value_height};
    y += l.row_height;
    l.wheel_tops[i] = y;
    y += l.wheel_gap + l.wheel_height;
  }
  const int wheels_bottom = l.wheel_tops[kDistanceWheel] + l.wheel_height;
  l.zone_area =
      Rect{column.left, wheels_bottom, column.right,
           l.landscape ? std::min(l.height, wheels_bottom + band) : l.height};
}

void PlaceWheelMarks(MainLayout& l) {
  for (int i = 0; i < kWheelCount; ++i) {
    l.wheel_marks[i] = LayOutWheelMarks(l.WheelRect(i), l.scale, l.height);
  }
}

}  // namespace

MainLayout ComputeMainLayout(int width, int height, int scale) {
  MainLayout l;
  l.width = width;
  l.height = height;
  l.scale = scale;
  const int panel_column =
      Scaled(scale, kReferenceWidth) + 2 * Scaled(scale, kPanelColumnMargin);
  l.landscape = width > height &&
                width - panel_column >= Scaled(scale, kLeastWheelColumn);
  l.wheel_column = Rect{l.landscape ? panel_column : 0, 0, width, height};
  const int column_width = l.wheel_column.Width();
  l.vertical_margin = height * 4 / 100;
  l.row_height = (height - 2 * l.vertical_margin) / 8;
  l.value_height = l.row_height * 80 / 100;
  l.value_inset = (l.row_height - l.value_height) / 2;
  l.side_margin = column_width * 5 / 100;
  l.value_left = l.wheel_column.left + l.side_margin +
                 (column_width / 2 - l.side_margin / 2);
  l.value_text_right =
      std::max(l.value_left + 100, l.wheel_column.right - l.side_margin);
  l.wheel_height = Scaled(scale, 40);
  l.wheel_gap = height * scale * 10 / 64000;
  if (l.landscape) {
    l.panel_left = Scaled(scale, kPanelColumnMargin);
    l.panel_top = std::max(0, (height - Scaled(scale, 163)) / 2);
  } else {
    l.panel_left = (width - Scaled(scale, kReferenceWidth)) / 2;
  }
  LayOutPanel(l);
  LayOutRows(l);
  PlaceWheelMarks(l);
  return l;
}

Rect MainLayout::WheelRect(int wheel) const {
  const int top = wheel_tops[wheel];
  return Rect{wheel_column.left, top, wheel_column.right, top + wheel_height};
}

Rect MainLayout::MarkerRect(int wheel, int position) const {
  return WheelMarkerRect(WheelRect(wheel), scale, position);
}

int MainLayout::WheelAt(Point p) const {
  for (int i = 0; i < kWheelCount; ++i) {
    if (InWheelBand(WheelRect(i), p)) return i;
  }
  return -1;
}

}  // namespace zorvanel
