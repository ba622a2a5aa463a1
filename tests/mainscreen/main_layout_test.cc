#include "mainscreen/main_layout.h"

#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace zorvanel {
namespace {

// All expected numbers below were worked out by hand from the layout rules.

TEST(MainLayoutTest, PortraitDesignScreen) {
  // 480 x 640 less the 52-pixel soft-key bar.
  const MainLayout l = ComputeMainLayout(480, 588, 100);
  EXPECT_EQ(l.vertical_margin, 23);  // 588 * 4 / 100
  EXPECT_EQ(l.row_height, 67);       // (588 - 46) / 8
  EXPECT_EQ(l.value_height, 53);     // 67 * 80 / 100
  EXPECT_EQ(l.value_inset, 7);       // (67 - 53) / 2
  EXPECT_EQ(l.side_margin, 24);      // 480 * 5 / 100
  EXPECT_EQ(l.wheel_gap, 9);         // 588 * 100 * 10 / 64000
  EXPECT_EQ(l.wheel_height, 40);
  EXPECT_EQ(l.caption_rects[0], (Rect{24, 163, 228, 230}));
  EXPECT_EQ(l.value_rects[0], (Rect{252, 170, 352, 223}));
  EXPECT_EQ(l.value_text_right, 456);  // 480 - L: room for "1.89 mile"
  // Each row: a caption row of u, then the wheel, then the gap.
  EXPECT_EQ(l.caption_rects[1], (Rect{24, 279, 228, 346}));
  EXPECT_EQ(l.wheel_tops, (std::array<int, 3>{230, 346, 462}));
  EXPECT_EQ(l.panel, (Rect{0, 0, 480, 163}));
  EXPECT_EQ(l.panel_tap_split, 290);
  EXPECT_EQ(l.near_value, (Rect{355, 40, 468, 70}));  // inside the glass
  EXPECT_EQ(l.camera_line, (Rect{10, 5, 470, 40}));
}

TEST(MainLayoutTest, HalfScaleScreenShrinksPanelAndTicks) {
  const MainLayout l = ComputeMainLayout(240, 294, 50);
  EXPECT_EQ(l.panel, (Rect{0, 0, 240, 81}));
  EXPECT_EQ(l.wheel_height, 20);
  for (int wheel = 0; wheel < kWheelCount; ++wheel) {
    const int top = l.wheel_tops[wheel];
    const auto& ticks = l.ticks[wheel];
    EXPECT_EQ(ticks[0][1], (Point{7, top}));
    EXPECT_EQ(ticks[1][1].x, 63);
    EXPECT_EQ(ticks[2][1].x, 176);
    EXPECT_EQ(ticks[3][1], (Point{232, top}));
    // The end ticks lean inwards by S(10) and rise by S(5).
    EXPECT_EQ(ticks[0][2], (Point{12, top - 2}));
    EXPECT_EQ(ticks[3][2], (Point{227, top - 2}));
  }
}

TEST(MainLayoutTest, WideScreenCentresThePanel) {
  // 640 x 480 landscape: scale 75, the panel is 360 wide and centred.
  const MainLayout l = ComputeMainLayout(640, 441, 75);
  EXPECT_EQ(l.panel_left, 140);
  EXPECT_EQ(l.panel, (Rect{140, 0, 500, 122}));
  EXPECT_EQ(l.panel_tap_split, 217 + 140);
  EXPECT_EQ(l.large_label.left, 15 + 140);
}

TEST(MainLayoutTest, ReferenceValuesStandAtTheQuarterMarks) {
  const MainLayout l = ComputeMainLayout(480, 588, 100);
  const auto& slots = l.reference_slots[1];
  EXPECT_FLOAT_EQ(slots[0].percent, 0.0f);
  EXPECT_NEAR(slots[1].percent, 24.89f, 0.01f);  // 112 * 100 / 450
  EXPECT_NEAR(slots[2].percent, 75.11f, 0.01f);  // 338 * 100 / 450
  EXPECT_FLOAT_EQ(slots[3].percent, 100.0f);
  const int top = l.wheel_tops[1];
  EXPECT_EQ(slots[0].rect, (Rect{28, top - 13, 480, 588}));
  EXPECT_EQ(slots[1].rect, (Rect{135, top - 10, 480, 588}));
  EXPECT_EQ(slots[2].rect, (Rect{0, top - 10, 345, 588}));
  EXPECT_EQ(slots[3].rect, (Rect{0, top - 13, 452, 588}));
  EXPECT_EQ(slots[0].format, kTextLeft);
  EXPECT_EQ(slots[3].format, kTextRight);
}

TEST(MainLayoutTest, WheelBandsHaveExclusiveBounds) {
  const MainLayout l = ComputeMainLayout(480, 588, 100);
  // Wheel 0: 230 - 40 < y < 230 + 80.
  EXPECT_EQ(l.WheelAt(190), -1);
  EXPECT_EQ(l.WheelAt(191), 0);
  EXPECT_EQ(l.WheelAt(309), 0);
  // 310 is outside wheel 0; it already lies in wheel 1's band (306 .. 426).
  EXPECT_EQ(l.WheelAt(310), 1);
  EXPECT_EQ(l.WheelAt(307), 0);  // both bands: the first wins
  EXPECT_EQ(l.WheelAt(462 + 79), 2);
  EXPECT_EQ(l.WheelAt(462 + 80), -1);
  EXPECT_EQ(l.WheelAt(100), -1);
}

TEST(MainLayoutTest, MarkerFollowsTheCylinder) {
  const MainLayout l = ComputeMainLayout(480, 588, 100);
  // Ends: x = 15 and 465, r = 0: 4 wide, 9 .. 22 below the top.
  EXPECT_EQ(l.MarkerRect(0, 230), (Rect{13, 239, 17, 252}));
  EXPECT_EQ(l.MarkerRect(480, 230), (Rect{463, 239, 467, 252}));
  // Middle: x = 15 + 240 * 450 / 480 = 240, r = 1: 10 wide, 14 .. 32.
  EXPECT_EQ(l.MarkerRect(240, 230), (Rect{235, 244, 245, 262}));

  const MainLayout half = ComputeMainLayout(240, 294, 50);
  const Rect left = half.MarkerRect(0, 100);
  const Rect right = half.MarkerRect(240, 100);
  EXPECT_EQ((left.left + left.right) / 2, 7);      // S(15)
  EXPECT_EQ((right.left + right.right) / 2, 233);  // W - S(15)
}

TEST(MainLayoutTest, TinyScreensNeverDivideByZero) {
  for (const Size s : {Size{0, 0}, Size{1, 1}, Size{3, 5}, Size{30, 20}}) {
    const int scale = DisplayScaleFor(s);
    const MainLayout l = ComputeMainLayout(s.width, s.height, scale);
    for (const int position : {0, s.width / 2, s.width, -5, s.width + 9}) {
      const Rect r = l.MarkerRect(position, 0);
      EXPECT_LE(r.left, r.right) << s.width << "x" << s.height;
      EXPECT_LE(r.top, r.bottom);
      EXPECT_GE(r.left, -1);
      EXPECT_LE(r.right, s.width + 1);
    }
    for (const auto& slots : l.reference_slots) {
      for (const ReferenceSlot& slot : slots) {
        EXPECT_GE(slot.percent, 0.0f);
        EXPECT_LE(slot.percent, 100.0f);
      }
    }
  }
}

}  // namespace
}  // namespace zorvanel
