// Tests of the main screen's geometry on portrait, landscape and tiny screens.
#include "mainscreen/main_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace zorvanel {
namespace {

// Client areas (the screen less the soft-key bar) with their scales:
// upright at full, half and double scale, and desktop windows wider than
// high.
struct Client {
  Size size;
  int scale;
};
std::vector<Client> Clients() {
  std::vector<Client> clients;
  for (const Size screen :
       {Size{480, 640}, Size{240, 320}, Size{960, 1280}, Size{640, 480},
        Size{800, 600}, Size{1024, 600}, Size{1200, 700}, Size{1366, 700},
        Size{1920, 1040}}) {
    const int k = DisplayScaleFor(screen);
    clients.push_back(
        {{screen.width, screen.height - Scaled(k, kSoftKeyBarHeight)}, k});
  }
  return clients;
}
const std::vector<Client> kClients = Clients();

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
    // Upright only a screen narrower than the panel and the wheels' least
    // column is, and every screen at least as high as wide.
    EXPECT_EQ(l.landscape, c.size.width > c.size.height) << Name(c);
    EXPECT_TRUE(Inside(l.panel, screen)) << Name(c);
    EXPECT_TRUE(Inside(l.camera_line, screen)) << Name(c);
    EXPECT_TRUE(Inside(l.near_value, l.panel)) << Name(c);
    EXPECT_TRUE(Inside(l.wheel_column, screen)) << Name(c);
    int above = 0;
    if (l.landscape) {
      // The panel and its camera line have the column left of the wheels.
      EXPECT_LE(l.camera_line.right, l.wheel_column.left) << Name(c);
      EXPECT_LE(l.panel.right, l.wheel_column.left) << Name(c);
    } else {
      // The panel is centred when the screen is wider than it.
      EXPECT_EQ(l.panel.left, c.size.width - l.panel.right) << Name(c);
      above = l.panel.bottom;
    }
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
      const Rect caption = l.caption_rects[wheel];
      const Rect picture = l.WheelRect(wheel);
      EXPECT_GE(caption.top, above) << Name(c) << " wheel " << wheel;
      EXPECT_LE(caption.bottom, picture.top) << Name(c) << " wheel " << wheel;
      EXPECT_TRUE(Inside(caption, l.wheel_column)) << Name(c);
      EXPECT_TRUE(Inside(l.value_rects[wheel], l.wheel_column)) << Name(c);
      EXPECT_LE(l.value_text_right, l.wheel_column.right) << Name(c);
      // Each wheel is as wide as its column.
      EXPECT_EQ(picture.left, l.wheel_column.left) << Name(c);
      EXPECT_EQ(picture.right, l.wheel_column.right) << Name(c);
      EXPECT_TRUE(Inside(picture, screen)) << Name(c) << " wheel " << wheel;
      above = picture.bottom;
    }
    EXPECT_GE(l.zone_area.top, above) << Name(c);
    EXPECT_TRUE(Inside(l.zone_area, l.wheel_column)) << Name(c);
  }
}

TEST(MainLayoutTest, ATouchOnAWheelPicksItAndOneOnThePanelNone) {
  for (const Client& c : kClients) {
    const MainLayout l =
        ComputeMainLayout(c.size.width, c.size.height, c.scale);
    EXPECT_EQ(l.WheelAt({l.panel.left, l.panel.top}), -1) << Name(c);
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
      const Rect picture = l.WheelRect(wheel);
      const int x = picture.left;
      EXPECT_EQ(l.WheelAt({x, (picture.top + picture.bottom) / 2}), wheel)
          << Name(c);
      // A finger a little above the picture, on its caption, still holds it.
      EXPECT_EQ(l.WheelAt({x, picture.top - l.wheel_height / 2}), wheel)
          << Name(c);
      // Beside the wheel's column (the panel's, in landscape) is no wheel.
      EXPECT_EQ(l.WheelAt({x - 1, picture.top}), -1) << Name(c);
    }
    // Where two bands meet, the upper wheel wins.
    const int shared = l.WheelRect(1).top - l.wheel_height + 1;
    if (shared < l.WheelRect(0).top + 2 * l.wheel_height) {
      EXPECT_EQ(l.WheelAt({l.wheel_column.left, shared}), 0) << Name(c);
    }
  }
}

TEST(MainLayoutTest, MarkerIsWidestInTheMiddleAndMirroredAtTheEnds) {
  for (const Client& c : kClients) {
    const MainLayout l =
        ComputeMainLayout(c.size.width, c.size.height, c.scale);
    const int top = l.wheel_tops[0];
    const int travel = l.Travel(0);
    const Rect left = l.MarkerRect(0, 0);
    const Rect middle = l.MarkerRect(0, travel / 2);
    const Rect right = l.MarkerRect(0, travel);
    EXPECT_GT(middle.Width(), left.Width()) << Name(c);
    EXPECT_EQ(left.Width(), right.Width()) << Name(c);
    EXPECT_NEAR(left.left - l.wheel_column.left,
                l.wheel_column.right - right.right, 1)
        << Name(c);
    EXPECT_GE(left.top, top) << Name(c);
  }
}

TEST(MainLayoutTest, ReferenceValuesRunFromEndToEndAlignedOutward) {
  for (const Client& c : kClients) {
    const MainLayout l =
        ComputeMainLayout(c.size.width, c.size.height, c.scale);
    for (const WheelMarks& marks : l.wheel_marks) {
      const auto& slots = marks.slots;
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
    for (const WheelMarks& marks : l.wheel_marks) {
      for (const ReferenceSlot& slot : marks.slots) {
        EXPECT_GE(slot.percent, 0.0f);
        EXPECT_LE(slot.percent, 100.0f);
      }
    }
  }
}

}  // namespace
}  // namespace zorvanel
