// Tests of what a wheel position picks from the lens lists, and of ranges.
#include "optics/lens_accessor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "optics/units.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;

Lens LensWithFocals(int count) {
  Lens lens;
  for (int i = 1; i <= count; ++i) lens.add_focals(10.0 * i);
  return lens;
}

TEST(WheelIndexTest, EachEntryOwnsAnEqualShare) {
  EXPECT_EQ(WheelIndex(10, 0.0f), 0);
  EXPECT_EQ(WheelIndex(10, 5.5f), 0);   // 0.495 + 0.5
  EXPECT_EQ(WheelIndex(10, 5.6f), 1);   // 0.504 + 0.5
  EXPECT_EQ(WheelIndex(10, 50.0f), 5);  // 4.5 + 0.5: a half goes up
  EXPECT_EQ(WheelIndex(10, 55.0f), 5);  // 4.95 + 0.5
  EXPECT_EQ(WheelIndex(10, 100.0f), 9);
  EXPECT_EQ(WheelIndex(10, 177.7f), 9);
  EXPECT_EQ(WheelIndex(10, 5.4166665f), 0);
  EXPECT_EQ(WheelIndex(10, 5.625f), 1);
  EXPECT_EQ(WheelIndex(1, 73.0f), 0);
}

TEST(WheelIndexTest, AnyPositionIsSafe) {
  EXPECT_EQ(WheelIndex(10, -20.0f), 0);
  EXPECT_EQ(WheelIndex(10, NAN), 0);
  EXPECT_EQ(WheelIndex(10, INFINITY), 9);
  EXPECT_EQ(WheelIndex(10, -INFINITY), 0);
  EXPECT_EQ(WheelIndex(10, 3e38f), 9);
  EXPECT_EQ(WheelIndex(0, 50.0f), -1);
}

TEST(LensAccessorTest, PicksTheEntryAtThePosition) {
  Lens lens = LensWithFocals(10);
  lens.add_apertures(2.8);
  lens.add_distances(3.0);
  EXPECT_EQ(FocalAt(lens, 100)->GetValue(), 100.0);
  EXPECT_EQ(FocalAt(lens, 55)->GetValue(), 60.0);
  EXPECT_EQ(DistanceAt(lens, 50)->GetValue(), 3.0);

  // The stored 2.8 comes back through single precision.
  const ApertureValue aperture = *ApertureAt(lens, 0);
  EXPECT_EQ(aperture.GetNominal(), static_cast<double>(2.8f));
  EXPECT_NE(aperture.GetNominal(), 2.8);
  EXPECT_NEAR(aperture.GetValue(), 2.8284271, 1e-7);
}

TEST(LensAccessorTest, EmptyListsAndMissingLensGiveNoValue) {
  const Lens lens;
  EXPECT_FALSE(FocalAt(lens, 50).has_value());
  EXPECT_FALSE(ApertureAt(lens, 0).has_value());
  EXPECT_FALSE(DistanceAt(lens, 100).has_value());

  LensAccessor none;
  EXPECT_EQ(none.lens(), nullptr);
  none.SetApertureRange(2.8, 22);  // does nothing, does not crash
}

TEST(LensAccessorTest, ApertureOutsideFloatRangeIsNoValue) {
  Lens lens;
  lens.add_apertures(1e300);
  EXPECT_TRUE(ApertureAt(lens, 0)->IsNoValue());
}

TEST(LensAccessorTest, RangesReplaceTheLists) {
  LensAccessor accessor;
  Lens* lens = accessor.CreateLens();
  ASSERT_EQ(accessor.lens(), lens);
  lens->add_apertures(1.4);
  lens->add_focals(7);
  lens->add_distances(9);
  lens->set_min_focal(12);
  lens->set_max_focal(24);

  accessor.SetApertureRange(3.5, 5.6);
  EXPECT_THAT(lens->apertures(), ElementsAre(3.5, 4.0, 4.5, 5.0, 5.6));
  accessor.SetDistanceRange(1000, 2000, kMetric);
  EXPECT_THAT(lens->distances(), ElementsAre(1000, 1200, 1500, 2000));
  accessor.RegenerateFocals(1.0);
  EXPECT_THAT(lens->focals(), ElementsAre(12, 14, 16, 18, 20, 24));
  accessor.SetFocalRange(50, 50, 1.0);
  EXPECT_THAT(lens->focals(), ElementsAre(50));
}

// Changing the units keeps a ladder's stretch but never goes closer than the
// lens focuses: 0.4 m is nearest to 1.2 ft, which a 0.39 m lens cannot do.
TEST(LensAccessorTest, UnitsFollowTheLadderNoCloserThanTheLensFocuses) {
  LensAccessor accessor;
  Lens* lens = accessor.CreateLens();
  lens->set_nearest_focus(0.39);
  accessor.SetDistanceRange(0.4, 1, kMetric);
  accessor.FollowUnitSystem(kMetric, kImperial);
  EXPECT_NEAR(lens->distances(0), 0.4572, 1e-4);
}

}  // namespace
}  // namespace zorvanel
