// The main screen's pointer gesture on the 480 x 588 layout at scale 100.
#include "mainscreen/wheel_drag.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvanel {
namespace {

const MainLayout kLayout = ComputeMainLayout(480, 588, 100);
const int kPanelY = kLayout.panel.bottom - 1;
const int kSplit = kLayout.panel_tap_split;
// Each wheel's band reaches one wheel height above its top.
const int kGapY = kLayout.wheel_tops[0] - kLayout.wheel_height;

int WheelY(int wheel) { return kLayout.wheel_tops[wheel]; }

struct DragCase {
  Point press;
  std::vector<int> move_xs;  // at the press's height
  std::array<int, kWheelCount> start, end;
  int changes;  // moves that changed a position
};

TEST(WheelDrag, MovesPickPositionsOnTheWheelUnderThePress) {
  const DragCase cases[] = {
      {{100, WheelY(0)}, {130}, {0, 0, 0}, {30, 0, 0}, 1},
      {{10, WheelY(1) + 79}, {30}, {0, 0, 0}, {0, 20, 0}, 1},  // low in band
      {{10, WheelY(2)}, {5, 45}, {0, 0, 0}, {0, 0, 40}, 1},
      {{10, kGapY}, {90}, {0, 0, 0}, {0, 0, 0}, 0},  // between panel and wheel
      {{10, kPanelY}, {90}, {0, 0, 0}, {0, 0, 0}, 0},
      // Travel past either end is not owed back.
      {{200, WheelY(0)}, {100, 150}, {0, 0, 0}, {50, 0, 0}, 1},
      {{100, WheelY(2)}, {400, 300}, {0, 0, 470}, {0, 0, 380}, 2},
  };
  for (const DragCase& c : cases) {
    WheelDrag drag;
    std::array<int, kWheelCount> positions = c.start;
    drag.Press(c.press, kLayout);
    int changes = 0;
    for (int x : c.move_xs) {
      changes += drag.Move(Point{x, c.press.y}, kLayout, &positions);
    }
    EXPECT_EQ(positions, c.end) << c.press.x << "," << c.press.y;
    EXPECT_EQ(changes, c.changes) << c.press.x << "," << c.press.y;
    drag.Up(Point{0, c.press.y}, kLayout);
    EXPECT_FALSE(drag.Move(Point{0, 0}, kLayout, &positions));  // released
  }
}

TEST(WheelDrag, OnlyAPressOffTheWheelsIsATapOnThePanel) {
  using R = WheelDrag::Release;
  const struct {
    Point press, release;
    R meaning;
  } cases[] = {
      {{50, kPanelY}, {kSplit - 1, kPanelY}, R::kToggle},
      {{50, kPanelY}, {kSplit, 0}, R::kOptions},
      {{50, kGapY}, {50, kPanelY}, R::kToggle},  // ends over the panel
      {{50, kPanelY}, {50, kPanelY + 1}, R::kNone},
      {{50, WheelY(0)}, {50, WheelY(0)}, R::kNone},  // even without moving
      {{50, WheelY(0)}, {50, kPanelY}, R::kNone},
  };
  for (const auto& c : cases) {
    WheelDrag drag;
    drag.Press(c.press, kLayout);
    EXPECT_EQ(drag.Up(c.release, kLayout), c.meaning)
        << c.press.y << " to " << c.release.x << "," << c.release.y;
  }
}

TEST(WheelDrag, ADoubleTapOnTheDistanceWheelAsksForTheHyperfocalFocus) {
  WheelDrag drag;
  EXPECT_FALSE(drag.DoubleTap(Point{50, WheelY(1)}, kLayout));
  EXPECT_EQ(drag.wheel(), kApertureWheel);  // and drags like a press
  EXPECT_TRUE(drag.DoubleTap(Point{50, WheelY(2)}, kLayout));
  EXPECT_FALSE(drag.DoubleTap(Point{50, kPanelY}, kLayout));
  EXPECT_FALSE(drag.dragging());
}

}  // namespace
}  // namespace zorvanel
