#include "mainscreen/main_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "optics/numeric.h"
#include "platform/canvas.h"

namespace zorvanel {
namespace {

// Where the panel's display glass ends on the right at scale 100 (the frame
// starts at 472), less a little air.
constexpr int kDisplayTextRight = 468;

// The four tick marks at scale 100, on a ring as wide as the reference screen.
constexpr int kTickLeftEnd = 15;
constexpr int kTickQuarter = 127;
constexpr int kTickThreeQuarters = 353;
constexpr int kTickRightEnd = 465;

void LayOutPanel(MainLayout& l) {
  const int k = l.scale;
  const int px = l.panel_left;
  auto s = [k](int v) { return Scaled(k, v); };
  l.panel = Rect{px, 0, s(kReferenceWidth) + px, s(163)};
  l.panel_tap_split = s(290) + px;
  l.large_label = Rect{s(20) + px, s(40), s(290) + px, s(163)};
  l.large_value = Rect{s(20) + px, s(64), s(280) + px, s(163)};
  const int labels_right = s(70) + s(280) + px;
  l.min_label = Rect{s(280) + px, s(40), labels_right, s(163)};
  l.max_label = Rect{s(280) + px, s(75), labels_right, s(163)};
  l.fourth_label = Rect{s(280) + px, s(110), labels_right, s(163)};
  const int values_left = s(5) + s(70) + s(280) + px;
  const int values_right = s(kDisplayTextRight) + px;
  l.near_value = Rect{values_left, s(40), values_right, s(70)};
  l.far_value = Rect{values_left, s(75), values_right, s(105)};
  l.fourth_value = Rect{values_left, s(110), values_right, s(140)};
  l.camera_line = Rect{s(10), s(5), l.width - s(10), s(40)};
}

void LayOutRows(MainLayout& l) {
  const int caption_right = l.width / 2 - l.side_margin / 2;
  int y = Scaled(l.scale, 163);
  for (int i = 0; i < kWheelCount; ++i) {
    l.caption_rects[i] =
        Rect{l.side_margin, y, caption_right, y + l.row_height};
    l.value_rects[i] = Rect{l.value_left, y + l.value_inset, l.value_left + 100,
                            y + l.value_inset + l.value_height};
    y += l.row_height;
    l.wheel_tops[i] = y;
    y += l.wheel_gap + l.wheel_height;
  }
}

// The quarter marks sit at fixed scaled positions; the values under them
// are those of the percentages those positions stand for on the travel.
float PercentOfTravel(int offset, int travel) {
  if (travel <= 0) return offset <= 0 ? 0.0f : 100.0f;
  return static_cast<float>(offset * 100) / static_cast<float>(travel);
}

void LayOutWheelMarks(MainLayout& l) {
  const int k = l.scale;
  auto s = [k](int v) { return Scaled(k, v); };
  const int a = s(kTickLeftEnd);
  const int b = s(kTickQuarter);
  const int c = s(kTickThreeQuarters);
  const int d = s(kTickRightEnd);
  const float e_b = PercentOfTravel(b - a, l.marker_travel);
  const float e_c = PercentOfTravel(c - a, l.marker_travel);
  for (int i = 0; i < kWheelCount; ++i) {
    const int y = l.wheel_tops[i];
    l.ticks[i] = {
        TickMark{Point{a, y + s(5)}, Point{a, y}, Point{a + s(10), y + s(-5)}},
        TickMark{Point{b, y + s(8)}, Point{b, y + s(3)},
                 Point{b + s(5), y + s(-2)}},
        TickMark{Point{c, y + s(8)}, Point{c, y + s(3)},
                 Point{c - s(5), y + s(-2)}},
        TickMark{Point{d, y + s(5)}, Point{d, y}, Point{d - s(10), y + s(-5)}},
    };
    const int left_end = s(3) + s(10) + a;
    const int quarter = b + s(3) + s(5);
    const int three_quarters = c - s(3) - s(5);
    const int right_end = d - s(3) - s(10);
    // The outer values stop short of the quarter ticks; the two inner ones
    // share the middle of the ring.
    const int middle = l.width / 2;
    l.reference_slots[i] = {
        ReferenceSlot{Rect{left_end, y + s(-8) + s(-5), l.width, l.height},
                      kTextLeft, 0.0f, b - s(3) - left_end},
        ReferenceSlot{Rect{quarter, y + s(-8) + s(-2), l.width, l.height},
                      kTextLeft, e_b, middle - s(3) - quarter},
        ReferenceSlot{Rect{0, y + s(-8) + s(-2), three_quarters, l.height},
                      kTextRight, e_c, three_quarters - (middle + s(3))},
        ReferenceSlot{Rect{0, y + s(-8) + s(-5), right_end, l.height},
                      kTextRight, 100.0f, right_end - (c + s(3))},
    };
  }
}

}  // namespace

MainLayout ComputeMainLayout(int width, int height, int scale) {
  MainLayout l;
  l.width = width;
  l.height = height;
  l.scale = scale;
  l.vertical_margin = height * 4 / 100;
  l.row_height = (height - 2 * l.vertical_margin) / 8;
  l.value_height = l.row_height * 80 / 100;
  l.value_inset = (l.row_height - l.value_height) / 2;
  l.side_margin = width * 5 / 100;
  l.value_left = l.side_margin + (width / 2 - l.side_margin / 2);
  l.value_text_right = std::max(l.value_left + 100, width - l.side_margin);
  l.wheel_height = Scaled(scale, 40);
  l.wheel_gap = height * scale * 10 / 64000;
  l.panel_left = (width - Scaled(scale, kReferenceWidth)) / 2;
  l.marker_travel = width - 2 * Scaled(scale, kTickLeftEnd);
  LayOutPanel(l);
  LayOutRows(l);
  LayOutWheelMarks(l);
  return l;
}

Rect MainLayout::WheelRect(int wheel) const {
  const int top = wheel_tops[wheel];
  return Rect{0, top, width, top + wheel_height};
}

Rect MainLayout::MarkerRect(int position, int wheel_top) const {
  const int end_cap = Scaled(scale, kTickLeftEnd);
  // Along the ring: the travel maps 0 .. W onto S(15) .. W - S(15). A screen
  // too narrow for any travel keeps the marker in the middle, which also
  // keeps the divisions below away from zero.
  int x = width / 2;
  double q = 0.0;
  if (width > 0 && marker_travel > 0) {
    const int p = std::clamp(position, 0, width);
    x = end_cap +
        static_cast<int>(static_cast<int64_t>(p) * marker_travel / width);
    q = static_cast<double>(2 * x - width) / marker_travel;
    q = std::clamp(q, -1.0, 1.0);
  }
  // Across the ring: the cylinder's profile makes the marker shorter and
  // narrower towards both ends.
  const double r = std::sqrt(1.0 - q * q);
  const double k = scale;
  const int y1 = TruncateToInt32((5 * r + 9) * k * 0.01 + wheel_top);
  const int y2 = TruncateToInt32((10 * r + 22) * k * 0.01 + wheel_top);
  const double w = (6 * r + 4) * k * 0.01;
  const int left = x - TruncateToInt32(w * 0.5);
  const int right = TruncateToInt32(left + w);
  return Rect{left, y1, right, y2};
}

int MainLayout::WheelAt(int y) const {
  for (int i = 0; i < kWheelCount; ++i) {
    const int t = wheel_tops[i];
    if (t - wheel_height < y && y < t + 2 * wheel_height) return i;
  }
  return -1;
}

}  // namespace zorvanel
