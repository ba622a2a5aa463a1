// Tests of the depth-of-field formulas, inside and beyond the hyperfocal.
#include "optics/depth_of_field.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace zorvanel {
namespace {

using ::testing::DoubleNear;

// f/2.8 as the optics use it: the real f-number 2^(18/12).
const double kF28 = ApertureValue(2.8).GetValue();

// f = 50 mm, f/2.8, c = 0.03 mm, focused at 3 m:
// H = 2500 / (2.8284271 * 0.03) + 50 = 29512.78 mm.
TEST(DepthOfFieldTest, FocusedInsideTheHyperfocalDistance) {
  const DepthOfField r = ComputeDepthOfField(50, kF28, 0.03, 3);
  EXPECT_THAT(r.hyperfocal.GetValue(), DoubleNear(29.5127825, 1e-6));
  EXPECT_THAT(r.near_limit.GetValue(), DoubleNear(2.7269596, 1e-6));
  EXPECT_THAT(r.far_limit.GetValue(), DoubleNear(3.3338013, 1e-6));
  EXPECT_THAT(r.depth_of_field.GetValue(), DoubleNear(0.6068417, 1e-6));
}

TEST(DepthOfFieldTest, FocusedBeyondTheHyperfocalDistance) {
  const DepthOfField r = ComputeDepthOfField(50, kF28, 0.03, 40);
  EXPECT_THAT(r.near_limit.GetValue(), DoubleNear(16.978304, 1e-6));
  // Negative, stored as computed, shown as infinity.
  EXPECT_THAT(r.far_limit.GetValue(), DoubleNear(-112.375977, 1e-6));
  EXPECT_LT(r.depth_of_field.GetValue(), 0);
}

// With f = 50 mm, f/2.8 and s = 80 m, this circle of confusion puts the far
// limit at exactly 5000 m (found by evaluating the formula in the same order
// in another language); the second one at 4999.9 m.
TEST(DepthOfFieldTest, FarLimitFrom5000MetresIsInfinity) {
  const DepthOfField at_bound =
      ComputeDepthOfField(50, kF28, 0.010878565864408423, 80);
  EXPECT_EQ(at_bound.far_limit.GetValue(), -1.0);
  EXPECT_LT(at_bound.depth_of_field.GetValue(), 0);

  const DepthOfField below =
      ComputeDepthOfField(50, kF28, 0.01087856232659267, 80);
  EXPECT_THAT(below.far_limit.GetValue(), DoubleNear(4999.9, 1e-6));
}

TEST(DepthOfFieldTest, FocusAtTheHyperfocalDistanceIsInfinity) {
  // This c makes H exactly 10000 mm (2500 / (2^(18/12) * c) = 9950, found
  // as above), so H - S is zero at 10 m.
  const DepthOfField r = ComputeDepthOfField(50, kF28, 0.088832510199315, 10);
  EXPECT_EQ(r.hyperfocal.GetValue(), 10.0);
  EXPECT_EQ(r.far_limit.GetValue(), -1.0);
  EXPECT_LT(r.depth_of_field.GetValue(), 0);
}

// Focused at infinity (a distance stored negative), everything from H - f
// on is sharp.
TEST(DepthOfFieldTest, FocusedAtInfinity) {
  const DepthOfField r = ComputeDepthOfField(50, kF28, 0.03, -1);
  EXPECT_THAT(r.near_limit.GetValue(), DoubleNear(29.4627825, 1e-6));
  EXPECT_EQ(r.far_limit.GetValue(), -1.0);
  EXPECT_LT(r.depth_of_field.GetValue(), 0);
}

TEST(DepthOfFieldTest, UndefinedInputsGiveNoResult) {
  // A circle of confusion never set (-1) or 0, and an f-number of 0 from a
  // damaged file: nothing is computed from them.
  for (const DepthOfField& r : {ComputeDepthOfField(50, kF28, -1, 3),
                                ComputeDepthOfField(50, kF28, 0, 3),
                                ComputeDepthOfField(50, 0, 0.03, 3)}) {
    for (const DistanceValue* result :
         {&r.hyperfocal, &r.near_limit, &r.far_limit, &r.depth_of_field}) {
      EXPECT_TRUE(result->IsNoValue());
    }
  }
  // Focused inside the focal length only the hyperfocal distance holds.
  const DepthOfField inside = ComputeDepthOfField(50, kF28, 0.03, 0.04);
  EXPECT_FALSE(inside.hyperfocal.IsNoValue());
  EXPECT_TRUE(inside.near_limit.IsNoValue());
}

// The double tap on the distance wheel focuses at the nearest listed
// distance at or beyond the hyperfocal distance H.
TEST(DepthOfFieldTest, HyperfocalFocusIsTheNearestDistanceAtOrBeyondH) {
  const struct {
    const char* name;
    std::vector<double> distances;  // metres; -1 is infinity
    double hyperfocal_m;
    int index;
  } kCases[] = {
      {"H equal to a distance", {1, 3, 10, -1}, 3, 1},
      {"H between two", {1, 3, 10, -1}, 5, 2},
      {"H beyond every finite distance", {1, 3, 10, -1}, 20, 3},
      {"H beyond all, no infinity", {1, 3, 10}, 20, 2},
      {"H undefined", {1, 3, 10, -1}, kNoValue, -1},
      {"empty list", {}, 3, -1},
  };
  for (const auto& c : kCases) {
    Lens lens;
    for (double d : c.distances) lens.add_distances(d);
    EXPECT_EQ(HyperfocalDistanceIndex(lens, c.hyperfocal_m), c.index) << c.name;
  }
}

TEST(DepthOfFieldTest, MultiplierAboveTheLeastChangesTheShownFocal) {
  EXPECT_EQ(DisplayedFocal(50, 1.5), 75.0);
  EXPECT_EQ(DisplayedFocal(50, 0.001), 50.0);
  EXPECT_EQ(DisplayedFocal(50, 0), 50.0);
}

}  // namespace
}  // namespace zorvanel
