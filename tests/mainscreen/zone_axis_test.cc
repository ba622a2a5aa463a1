// Tests of the zone strip's distance axis from nearest distance to infinity.
#include "mainscreen/zone_axis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zorvanel {
namespace {

// A lens focusing from 10 cm, a hyperfocal distance of 25 m: the logarithmic
// part runs to 100 m.
const ZoneAxis kAxis(0.1, 100.0);

TEST(ZoneAxisTest, RunsFromTheNearestDistanceToInfinity) {
  EXPECT_EQ(kAxis.Fraction(0.1), 0.0);
  EXPECT_EQ(kAxis.Fraction(0.05), 0.0);  // nearer than the lens focuses
  EXPECT_EQ(kAxis.Fraction(-1.0), 1.0);  // infinity as the results store it
  EXPECT_EQ(kAxis.Fraction(INFINITY), 1.0);
  EXPECT_TRUE(std::isnan(kAxis.Fraction(NAN)));
  // Logarithmic: 1 m and 10 m split the three decades evenly.
  EXPECT_DOUBLE_EQ(kAxis.Fraction(1.0), ZoneAxis::kLogShare / 3);
  EXPECT_DOUBLE_EQ(kAxis.Fraction(10.0), ZoneAxis::kLogShare * 2 / 3);
}

TEST(ZoneAxisTest, BeyondTheLogarithmicPartAShortSegmentReachesInfinity) {
  EXPECT_DOUBLE_EQ(kAxis.Fraction(100.0), ZoneAxis::kLogShare);
  EXPECT_DOUBLE_EQ(kAxis.Fraction(200.0), (ZoneAxis::kLogShare + 1) / 2);
  EXPECT_LT(kAxis.Fraction(1e12), 1.0);
  // Rising everywhere, without a jump at the joint.
  double previous = kAxis.Fraction(0.1);
  for (double d = 0.101; d < 1e6; d *= 1.01) {
    const double f = kAxis.Fraction(d);
    EXPECT_GT(f, previous) << d;
    EXPECT_LT(f - previous, 0.01) << d;
    previous = f;
  }
}

TEST(ZoneAxisTest, UnusableEndsStillGiveAnAxis) {
  // No hyperfocal distance, or one nearer than the lens focuses.
  const ZoneAxis short_axis(2.0, 1.0);
  EXPECT_EQ(short_axis.log_end_m(), 8.0);
  const ZoneAxis no_nearest(NAN, NAN);
  EXPECT_GT(no_nearest.nearest_m(), 0.0);
  EXPECT_GT(no_nearest.Fraction(1.0), 0.0);
}

}  // namespace
}  // namespace zorvanel
