// Tests of the main screen's geometry on portrait, landscape and tiny screens.
#include "mainscreen/main_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/canvas.h"

namespace zorvanel {
namespace {

// Client areas (the screen less the soft-key bar) with their scales:
// portrait at full and half scale, landscape, and a large portrait screen.
struct Client {
  Size size;
  int scale;
};
constexpr Client kClients[] = {
    {{480, 588}, 100}, {{240, 294}, 50}, {{640, 441}, 75}, {{960, 1176}, 200}};

std::string Name(const Client& c) {
  return std::to_string(c.size.width) + "x" + std::to_string(c.size.height);
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.right <= outer.right && inner.bottom <= outer.bottom;
}

TEST(MainLayoutTest, PanelAndRowsStackTopToBottomInsideTheScreen) {
  for (const Client& c : kClients) {
    const MainLayout l =
        ComputeMainLayout(c.size.width, c.size.height, c.scale);
    const Rect screen{0, 0, c.size.width, c.size.height};
    EXPECT_TRUE(Inside(l.panel, screen)) << Name(c);
    // The panel is centred when the screen is wider than it.
    EXPECT_EQ(l.panel.left, c.size.width - l.panel.right) << Name(c);
    EXPECT_TRUE(Inside(l.camera_line, screen)) << Name(c);
    EXPECT_TRUE(Inside(l.near_value, l.panel)) << Name(c);
    int above = l.panel.bottom;
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
      const Rect caption = l.caption_rects[wheel];
      const Rect picture = l.WheelRect(wheel);
      EXPECT_GE(caption.top, above) << Name(c) << " wheel " << wheel;
      EXPECT_LE(caption.bottom, picture.top) << Name(c) << " wheel " << wheel;
      EXPECT_TRUE(Inside(l.value_rects[wheel], screen)) << Name(c);
      EXPECT_LE(l.value_text_right, c.size.width) << Name(c);
      EXPECT_TRUE(Inside(picture, screen)) << Name(c) << " wheel " << wheel;
      above = picture.bottom;
    }
  }
}

TEST(MainLayoutTest, ATouchOnAWheelPicksItAndOneOnThePanelNone) {
  for (const Client& c : kClients) {
    const MainLayout l =
        ComputeMainLayout(c.size.width, c.size.height, c.scale);
    EXPECT_EQ(l.WheelAt(l.panel.top), -1) << Name(c);
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
      const Rect picture = l.WheelRect(wheel);
      EXPECT_EQ(l.WheelAt((picture.top + picture.bottom) / 2), wheel)
          << Name(c);
      // A finger a little above the picture, on its caption, still holds it.
      EXPECT_EQ(l.WheelAt(picture.top - l.wheel_height / 2), wheel) << Name(c);
    }
    // Where two bands meet, the upper wheel wins.
    const int shared = l.WheelRect(1).top - l.wheel_height + 1;
    if (shared < l.WheelRect(0).top + 2 * l.wheel_height) {
      EXPECT_EQ(l.WheelAt(shared), 0) << Name(c);
    }
  }
}

TEST(MainLayoutTest, MarkerIsWidestInTheMiddleAndMirroredAtTheEnds) {
  for (const Client& c : kClients) {
    const MainLayout l =
        ComputeMainLayout(c.size.width, c.size.height, c.scale);
    const int top = l.wheel_tops[0];
    const Rect left = l.MarkerRect(0, 0);
    const Rect middle = l.MarkerRect(0, c.size.width / 2);
    const Rect right = l.MarkerRect(0, c.size.width);
    EXPECT_GT(middle.Width(), left.Width()) << Name(c);
    EXPECT_EQ(left.Width(), right.Width()) << Name(c);
    EXPECT_NEAR(left.left, c.size.width - right.right, 1) << Name(c);
    EXPECT_GE(left.top, top) << Name(c);
  }
}

TEST(MainLayoutTest, ReferenceValuesRunFromEndToEndAlignedOutward) {
  for (const Client& c : kClients) {
    const MainLayout l =
        ComputeMainLayout(c.size.width, c.size.height, c.scale);
    for (const auto& slots : l.reference_slots) {
      EXPECT_FLOAT_EQ(slots[0].percent, 0.0f) << Name(c);
      EXPECT_GT(slots[1].percent, 0.0f) << Name(c);
      EXPECT_LT(slots[1].percent, slots[2].percent) << Name(c);
      EXPECT_LT(slots[2].percent, 100.0f) << Name(c);
      EXPECT_FLOAT_EQ(slots[3].percent, 100.0f) << Name(c);
      EXPECT_EQ(slots[0].format, kTextLeft);
      EXPECT_EQ(slots[3].format, kTextRight);
    }
  }
}

TEST(MainLayoutTest, TinyScreensNeverDivideByZero) {
  for (const Size s : {Size{0, 0}, Size{1, 1}, Size{3, 5}, Size{30, 20}}) {
    const int scale = DisplayScaleFor(s);
    const MainLayout l = ComputeMainLayout(s.width, s.height, scale);
    for (const int position : {0, s.width / 2, s.width, -5, s.width + 9}) {
      const Rect r = l.MarkerRect(0, position);
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
