// Tests of what the wheels pick from the lens lists and the results shown.
#include "mainscreen/wheel_readings.h"

#include <gtest/gtest.h>

#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "mainscreen/main_layout.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

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
  ComputeResults(lens, camera, {0, 0, 0}, kMetric, &state);
  return state;
}

class WheelReadingsTest : public ::testing::Test {
 protected:
  void SetUp() override { GetTranslator().Clear(); }
};

TEST_F(WheelReadingsTest, EveryPositionComesBackFromItsPercentage) {
  for (int travel : {1, 226, 480, 523, 1170}) {
    for (int p = 0; p <= travel; ++p) {
      ASSERT_EQ(PositionOfPercent(PercentOfPosition(p, travel), travel), p);
    }
  }
  EXPECT_EQ(PercentOfPosition(10, 0), 0.0);  // no travel at all
  EXPECT_EQ(PositionOfPercent(1e300, 480), 480);
  EXPECT_EQ(PositionOfPercent(-5, 480), 0);
}

TEST_F(WheelReadingsTest, MultiplierChangesOnlyTheShownFocal) {
  Camera camera = CameraWithCircle(0.03);
  const DofState plain = Compute(OneValueLens(50, 2.8, 3), camera);
  camera.set_focal_multiplier(1.5);
  const DofState state = Compute(OneValueLens(50, 2.8, 3), camera);
  EXPECT_EQ(plain.focal_text, "50 mm");
  EXPECT_EQ(state.focal_text, "50 mm (75 mm eq.)");
  EXPECT_EQ(state.dof.hyperfocal.GetValue(), plain.dof.hyperfocal.GetValue());
}

TEST_F(WheelReadingsTest, WheelPositionsPickTheEntries) {
  Lens lens;
  for (double f : {18, 24, 35, 50, 70}) lens.add_focals(f);
  for (double n : {2.8, 4.0, 5.6, 8.0}) lens.add_apertures(n);
  for (double s : {1, 2, 3}) lens.add_distances(s);
  DofState state;
  // 50 %: index 2 of 5, 2 of 4 (1.5 + 0.5), 1 of 3.
  ComputeResults(lens, CameraWithCircle(0.03), {50, 50, 50}, kMetric, &state);
  EXPECT_EQ(state.focal_text, "35 mm");
  EXPECT_EQ(state.aperture_text, "f/5.6");
  EXPECT_EQ(state.distance_text, "2 m");
  ComputeResults(lens, CameraWithCircle(0.03), {100, 0, 50}, kMetric, &state);
  EXPECT_EQ(state.focal_text, "70 mm");
  EXPECT_EQ(state.aperture_text, "f/2.8");
  EXPECT_EQ(state.distance_text, "2 m");
}

TEST_F(WheelReadingsTest, EmptyListGivesNoValues) {
  Lens lens = OneValueLens(50, 2.8, 3);
  lens.clear_apertures();
  DofState state;
  ComputeResults(lens, CameraWithCircle(0.03), {0, 0, 0}, kMetric, &state);
  EXPECT_EQ(state.focal_text, "50 mm");
  EXPECT_EQ(state.aperture_text, kNoValueText);
  EXPECT_EQ(state.distance_text, "3 m");
  for (const DistanceValue* result :
       {&state.dof.hyperfocal, &state.dof.near_limit, &state.dof.far_limit,
        &state.dof.depth_of_field}) {
    EXPECT_EQ(Format(*result, kMetric), kNoValueText);
  }
  EXPECT_EQ(WheelValueText(lens, kApertureWheel, 50.0f, kMetric),
            kNoValueText);

  // Results come back once the list is filled again.
  lens.add_apertures(2.8);
  ComputeResults(lens, CameraWithCircle(0.03), {0, 0, 0}, kMetric, &state);
  EXPECT_FALSE(state.dof.near_limit.IsNoValue());

  ComputeResults(Lens(), Camera(), {0, 0, 0}, kMetric, &state);
  EXPECT_EQ(state.focal_text, kNoValueText);
  EXPECT_EQ(state.distance_text, kNoValueText);
}

}  // namespace
}  // namespace zorvanel
