// Tests of the double taps told from a finger's presses.
#include "platform/tap_series.h"

#include <gtest/gtest.h>

namespace zorvanel {
namespace {

TEST(TapSeriesTest, ASecondPressSoonAndNearIsADoubleTap) {
  struct Case {
    Point second;
    uint32_t after_ms;
    bool double_tap;
  };
  const Case cases[] = {
      {{100, 100}, 0, true},          {{132, 68}, 500, true},
      {{100, 100}, 501, false},       {{133, 100}, 10, false},
      {{100, 133}, 10, false},
  };
  for (const Case& c : cases) {
    TapSeries taps;
    EXPECT_FALSE(taps.Press(Point{100, 100}, 1000));
    EXPECT_EQ(taps.Press(c.second, 1000 + c.after_ms), c.double_tap)
        << c.second.x << "," << c.second.y << " after " << c.after_ms;
  }
  TapSeries taps;  // a third quick press continues the series
  taps.Press(Point{5, 5}, 0);
  taps.Press(Point{5, 5}, 400);
  EXPECT_TRUE(taps.Press(Point{5, 5}, 800));
}

}  // namespace
}  // namespace zorvanel
