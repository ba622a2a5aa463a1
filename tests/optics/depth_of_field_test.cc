#include "optics/depth_of_field.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "i18n/translator.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

using ::testing::DoubleNear;

// Single-entry lists: every wheel position picks that entry.
Lens OneValueLens(double focal, double aperture, double distance) {
  Lens lens;
  lens.add_focals(focal);
  lens.add_apertures(aperture);
  lens.add_distances(distance);
  return lens;
}

Camera CameraWithCircle(double circle) {
  Camera camera;
  camera.set_circle_of_confusion(circle);
  return camera;
}

DofState Compute(const Lens& lens, const Camera& camera) {
  DofState state;
  ComputeResults(lens, camera, {0, 0, 0}, 100, &state);
  return state;
}

class DepthOfFieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUnitSystem(kMetric);
    GetTranslator().Clear();
  }
  void TearDown() override { SetUnitSystem(kMetric); }
};

TEST_F(DepthOfFieldTest, PositionToPercentOfTheScaledTravel) {
  EXPECT_EQ(PositionToPercent(26, 100), 5.4166665f);
  EXPECT_EQ(PositionToPercent(27, 100), 5.625f);
  EXPECT_EQ(PositionToPercent(480, 100), 100.0f);
  EXPECT_EQ(PositionToPercent(240, 50), 100.0f);
  EXPECT_EQ(PositionToPercent(640, 100), 64000.0f / 480.0f);
  EXPECT_EQ(PositionToPercent(10, 0), 0.0f);            // no travel at all
  EXPECT_GT(PositionToPercent(2147483647, 100), 1e8f);  // no overflow
}

// f = 50 mm, f/2.8 (real 2^(18/12)), c = 0.03 mm, focused at 3 m:
// H = 2500 / (2.8284271 * 0.03) + 50 = 29512.78 mm.
TEST_F(DepthOfFieldTest, FocusedInsideTheHyperfocalDistance) {
  const DofState state =
      Compute(OneValueLens(50, 2.8, 3), CameraWithCircle(0.03));
  EXPECT_THAT(state.hyperfocal.GetValue(), DoubleNear(29.5127825, 1e-6));
  EXPECT_THAT(state.near_limit.GetValue(), DoubleNear(2.7269596, 1e-6));
  EXPECT_THAT(state.far_limit.GetValue(), DoubleNear(3.3338013, 1e-6));
  EXPECT_THAT(state.depth_of_field.GetValue(), DoubleNear(0.6068417, 1e-6));
  EXPECT_EQ(state.focal_text, "50 mm");
  EXPECT_EQ(state.aperture_text, "f/2.8");
  EXPECT_EQ(state.distance_text, "3 m");
  EXPECT_EQ(state.hyperfocal.Format(), "29.5 m");
  EXPECT_EQ(state.near_limit.Format(), "2.73 m");
  EXPECT_EQ(state.far_limit.Format(), "3.33 m");
  EXPECT_EQ(state.depth_of_field.Format(), "60.7 cm");
}

TEST_F(DepthOfFieldTest, FocusedBeyondTheHyperfocalDistance) {
  const DofState state =
      Compute(OneValueLens(50, 2.8, 40), CameraWithCircle(0.03));
  EXPECT_THAT(state.near_limit.GetValue(), DoubleNear(16.978304, 1e-6));
  // Negative, stored as computed, shown as infinity.
  EXPECT_THAT(state.far_limit.GetValue(), DoubleNear(-112.375977, 1e-6));
  EXPECT_LT(state.depth_of_field.GetValue(), 0);
  EXPECT_EQ(state.far_limit.Format(), "Infinity");
  EXPECT_EQ(state.depth_of_field.Format(), "Infinity");
  EXPECT_EQ(state.near_limit.Format(), "17 m");
}

// With f = 50 mm, f/2.8 and s = 80 m, this circle of confusion puts the far
// limit at exactly 5000 m (found by evaluating the formula in the same order
// in another language); the second one at 4999.9 m.
TEST_F(DepthOfFieldTest, FarLimitFrom5000MetresIsInfinity) {
  const DofState at_bound = Compute(OneValueLens(50, 2.8, 80),
                                    CameraWithCircle(0.010878565864408423));
  EXPECT_EQ(at_bound.far_limit.GetValue(), -1.0);
  EXPECT_LT(at_bound.depth_of_field.GetValue(), 0);

  const DofState below =
      Compute(OneValueLens(50, 2.8, 80), CameraWithCircle(0.01087856232659267));
  EXPECT_THAT(below.far_limit.GetValue(), DoubleNear(4999.9, 1e-6));
  EXPECT_EQ(below.far_limit.Format(), "5 km");
}

TEST_F(DepthOfFieldTest, FocusAtTheHyperfocalDistanceIsInfinity) {
  // This c makes H exactly 10000 mm (2500 / (2^(18/12) * c) = 9950, found
  // as above), so H - S is zero at 10 m.
  const DofState state =
      Compute(OneValueLens(50, 2.8, 10), CameraWithCircle(0.088832510199315));
  EXPECT_EQ(state.hyperfocal.GetValue(), 10.0);
  EXPECT_EQ(state.far_limit.GetValue(), -1.0);
  EXPECT_LT(state.depth_of_field.GetValue(), 0);
}

TEST_F(DepthOfFieldTest, MultiplierChangesOnlyTheShownFocal) {
  Camera camera = CameraWithCircle(0.03);
  camera.set_focal_multiplier(1.5);
  const DofState state = Compute(OneValueLens(50, 2.8, 3), camera);
  EXPECT_EQ(state.focal_text, "75 mm");
  EXPECT_THAT(state.hyperfocal.GetValue(), DoubleNear(29.5127825, 1e-6));

  camera.set_focal_multiplier(0.001);
  EXPECT_EQ(Compute(OneValueLens(50, 2.8, 3), camera).focal_text, "50 mm");
}

TEST_F(DepthOfFieldTest, WheelPositionsPickTheEntries) {
  Lens lens;
  for (double f : {18, 24, 35, 50, 70}) lens.add_focals(f);
  for (double n : {2.8, 4.0, 5.6, 8.0}) lens.add_apertures(n);
  for (double s : {1, 2, 3}) lens.add_distances(s);
  DofState state;
  // 240 px = 50 %: index 2 of 5, 2 of 4 (1.5 + 0.5), 1 of 3.
  ComputeResults(lens, CameraWithCircle(0.03), {240, 240, 240}, 100, &state);
  EXPECT_EQ(state.focal_text, "35 mm");
  EXPECT_EQ(state.aperture_text, "f/5.6");
  EXPECT_EQ(state.distance_text, "2 m");
  // Scale 50: the same percentages from half the pixels.
  ComputeResults(lens, CameraWithCircle(0.03), {240, 0, 120}, 50, &state);
  EXPECT_EQ(state.focal_text, "70 mm");
  EXPECT_EQ(state.aperture_text, "f/2.8");
  EXPECT_EQ(state.distance_text, "2 m");
}

TEST_F(DepthOfFieldTest, EmptyListGivesNoValues) {
  Lens lens = OneValueLens(50, 2.8, 3);
  lens.clear_apertures();
  DofState state;
  ComputeResults(lens, CameraWithCircle(0.03), {0, 0, 0}, 100, &state);
  EXPECT_EQ(state.focal_text, "50 mm");
  EXPECT_EQ(state.aperture_text, kNoValueText);
  EXPECT_EQ(state.distance_text, "3 m");
  EXPECT_TRUE(state.hyperfocal.IsNoValue());
  EXPECT_EQ(state.near_limit.Format(), kNoValueText);
  EXPECT_EQ(state.far_limit.Format(), kNoValueText);
  EXPECT_EQ(state.depth_of_field.Format(), kNoValueText);

  // Results come back once the list is filled again.
  lens.add_apertures(2.8);
  ComputeResults(lens, CameraWithCircle(0.03), {0, 0, 0}, 100, &state);
  EXPECT_EQ(state.near_limit.Format(), "2.73 m");

  ComputeResults(Lens(), Camera(), {0, 0, 0}, 100, &state);
  EXPECT_EQ(state.focal_text, kNoValueText);
  EXPECT_EQ(state.distance_text, kNoValueText);
}

TEST_F(DepthOfFieldTest, UndefinedInputsGiveNoResult) {
  // A circle of confusion never set (-1) or 0, and an f-number of 0 from a
  // damaged file: nothing is computed from them.
  for (const DofState& state :
       {Compute(OneValueLens(50, 2.8, 3), Camera()),
        Compute(OneValueLens(50, 2.8, 3), CameraWithCircle(0)),
        Compute(OneValueLens(50, 0, 3), CameraWithCircle(0.03))}) {
    for (const DistanceValue* result :
         {&state.hyperfocal, &state.near_limit, &state.far_limit,
          &state.depth_of_field}) {
      EXPECT_EQ(result->Format(), kNoValueText);
    }
  }
}

}  // namespace
}  // namespace zorvanel
