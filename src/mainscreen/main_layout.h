// The main screen's geometry: panel, rows, wheels, ticks and markers.
#ifndef ZORVANEL_MAINSCREEN_MAIN_LAYOUT_H_
#define ZORVANEL_MAINSCREEN_MAIN_LAYOUT_H_

#include <array>

#include "mainscreen/wheel_band.h"
#include "platform/geometry.h"

namespace zorvanel {

// The wheels of the main screen, top to bottom.
inline constexpr int kWheelCount = 3;
inline constexpr int kFocalWheel = 0;
inline constexpr int kApertureWheel = 1;
inline constexpr int kDistanceWheel = 2;

// Geometry of the main screen for a client area of width x height pixels at
// a display scale in percent. A pure function of those three numbers,
// computed again whenever the screen changes size; all divisions truncate
// toward zero.
//
// Upright, the panel sits on top and the caption rows and wheels stack
// under it across the whole width, the zone strip below them. On a client
// wider than high (with room for both), the panel and its camera line keep
// a column of their own at the left, centred from top to bottom, and the
// rows, wheels and zone strip take the column to its right, centred too.
struct MainLayout : WheelTracks {
  int width = 0;
  int height = 0;
  int scale = 0;

  // The panel beside the wheels rather than above them.
  bool landscape = false;
  // Where the caption rows, the wheels and the zone strip go: the whole
  // client upright, the right-hand column in landscape. Each wheel is as
  // wide as this column.
  Rect wheel_column;

  // A caption row is an eighth of the height inside the vertical margins.
  int vertical_margin = 0;
  int row_height = 0;
  // A value box is this high, centred in its row.
  int value_height = 0;
  int value_inset = 0;
  // At either side: left of the captions, right of the value texts.
  int side_margin = 0;
  int value_left = 0;
  int wheel_height = 0;
  int wheel_gap = 0;  // between a wheel and the caption row below it
  // The panel keeps its scaled reference width, centred.
  int panel_left = 0;
  int panel_top = 0;
  int panel_tap_split = 0;
  // A tap here acts on the panel (left or right of the split): upright the
  // whole width above the rows, in landscape the panel's column beside it.
  Rect panel_tap_area;
  // Where the zone strip may go: under the distance wheel, across its
  // column.
  Rect zone_area;

  Rect panel;
  Rect large_label;
  Rect large_value;
  Rect min_label;
  Rect max_label;
  Rect fourth_label;
  // The three values right of the labels end inside the display's glass,
  // short of the panel's frame.
  Rect near_value;
  Rect far_value;
  Rect fourth_value;
  Rect camera_line;

  std::array<Rect, kWheelCount> caption_rects;
  // The value boxes: 100 pixels wide at every scale.
  std::array<Rect, kWheelCount> value_rects;
  // Where a value text may run to: 100 pixels clip "1.89 mile" at scale 100
  // and nearly everything at larger scales, so the (left aligned) text may
  // use the row up to the side margin.
  int value_text_right = 0;
  std::array<int, kWheelCount> wheel_tops{};

  // Per wheel: the tick marks and the reference values along it.
  std::array<WheelMarks, kWheelCount> wheel_marks;

  // The rectangle the wheel bitmap covers for wheel i. Everything along a
  // wheel follows it: its travel, its marks and its marker.
  Rect WheelRect(int wheel) const;
  // A wheel's positions run from 0 to the width it is drawn at.
  int Travel(int wheel) const override { return WheelRect(wheel).Width(); }
  // The red marker of wheel i at `position` (0 .. its travel): the travel
  // maps onto the ring between its end caps, and the marker is drawn as if
  // on a cylinder, widest in the middle.
  Rect MarkerRect(int wheel, int position) const;
  // The wheel whose band holds p: inside the wheels' column, from one wheel
  // height above the wheel's top to two below it, both ends excluded, first
  // match wins; -1 for none.
  int WheelAt(Point p) const override;
};

MainLayout ComputeMainLayout(int width, int height, int scale);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_MAIN_LAYOUT_H_
