// The main screen's pointer gesture on the 480 x 588 layout at scale 100.
#include "mainscreen/wheel_drag.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "mainscreen/wheel_readings.h"

namespace zorvanel {
namespace {

using Release = WheelDrag::Release;

const MainLayout kLayout = ComputeMainLayout(480, 588, 100);
const int kPanelY = kLayout.panel.bottom - 1;
// Wheel 1 low in its band, and the gap between the panel and wheel 0's band.
const int kWheelY[] = {kLayout.wheel_tops[0], kLayout.wheel_tops[1] + 79,
                       kLayout.wheel_tops[2]};
const int kGapY = kLayout.wheel_tops[0] - kLayout.wheel_height;

// A press, moves at its height and a release; the positions after (all start
// at 0), how many moves changed them and what the release meant.
struct Gesture {
  Point press;
  std::vector<int> move_xs;
  Point release;
  std::array<int, kWheelCount> end;
  int changes;
  Release meaning;
};

TEST(WheelDrag, DragsTheWheelUnderThePressAndTapsOnlyOffTheWheels) {
  const int split = kLayout.panel_tap_split;
  const Gesture gestures[] = {
      {{100, kWheelY[0]}, {130}, {0, kPanelY}, {30, 0, 0}, 1, Release::kNone},
      {{10, kWheelY[1]}, {30}, {0, 0}, {0, 20, 0}, 1, Release::kNone},
      // Travel past either end is not owed back.
      {{10, kWheelY[2]}, {5, 45}, {0, 0}, {0, 0, 40}, 1, Release::kNone},
      {{10, kWheelY[2]}, {600, 500}, {0, 0}, {0, 0, 380}, 2, Release::kNone},
      {{50, kGapY}, {90}, {50, kPanelY}, {0, 0, 0}, 0, Release::kToggle},
      {{50, kPanelY}, {}, {split - 1, kPanelY}, {}, 0, Release::kToggle},
      {{50, kPanelY}, {}, {split, 0}, {}, 0, Release::kOptions},
      {{50, kPanelY}, {}, {50, kPanelY + 1}, {}, 0, Release::kNone},
      {{50, kWheelY[0]}, {}, {50, kPanelY}, {}, 0, Release::kNone},
  };
  for (const Gesture& g : gestures) {
    WheelDrag drag;
    std::array<double, kWheelCount> percents{};
    drag.Press(g.press, kLayout);
    int changes = 0;
    for (int x : g.move_xs) {
      changes += drag.Move(Point{x, g.press.y}, kLayout, percents);
    }
    const std::string at = std::to_string(g.press.y);
    EXPECT_EQ(drag.Up(g.release, kLayout), g.meaning) << at;
    EXPECT_FALSE(drag.Move(Point{0, 0}, kLayout, percents)) << at;
    std::array<int, kWheelCount> positions{};
    for (int i = 0; i < kWheelCount; ++i) {
      positions[i] = PositionOfPercent(percents[i], kLayout.Travel(i));
    }
    EXPECT_EQ(positions, g.end) << at;
    EXPECT_EQ(changes, g.changes) << at;
  }
}

TEST(WheelDrag, ADoubleTapOnTheDistanceWheelAsksForTheHyperfocalFocus) {
  WheelDrag drag;
  EXPECT_EQ(drag.DoubleTap(Point{50, kWheelY[1]}, kLayout), kApertureWheel);
  EXPECT_EQ(drag.wheel(), kApertureWheel);  // and drags as a press does
  EXPECT_EQ(drag.DoubleTap(Point{50, kWheelY[2]}, kLayout), kDistanceWheel);
  EXPECT_EQ(drag.DoubleTap(Point{50, kPanelY}, kLayout), -1);
}

}  // namespace
}  // namespace zorvanel
