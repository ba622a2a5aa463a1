// Tests of the standard series, the ranges picked from them and focal ranges.
#include "optics/series.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "optics/units.h"

namespace zorvanel {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Pointwise;

constexpr double kFoot = 0.30480370641307;

std::vector<double> Nominals(double min, double max) {
  std::vector<ApertureValue> range;
  SelectApertureRange(min, max, &range);
  std::vector<double> out;
  for (const ApertureValue& v : range) out.push_back(v.GetNominal());
  return out;
}

std::vector<double> Distances(double min, double max,
                              UnitSystem units = kMetric) {
  std::vector<DistanceValue> range;
  SelectDistanceRange(min, max, units, &range);
  std::vector<double> out;
  for (const DistanceValue& v : range) out.push_back(v.GetValue());
  return out;
}

std::vector<double> Focals(double a, double b, double multiplier = 1.0) {
  std::vector<FocalValue> range;
  GenerateFocalRange(a, b, &range, multiplier);
  std::vector<double> out;
  for (const FocalValue& v : range) out.push_back(v.GetValue());
  return out;
}

class SeriesTest : public ::testing::Test {};

TEST_F(SeriesTest, SeriesSizesAndEnds) {
  ASSERT_EQ(ApertureSeries().size(), 33u);
  EXPECT_EQ(ApertureSeries().front().GetNominal(), 1.0);
  EXPECT_EQ(ApertureSeries()[30].GetNominal(), 32);
  EXPECT_EQ(ApertureSeries()[31].GetNominal(), 45);
  EXPECT_EQ(ApertureSeries().back().GetNominal(), 64);
  EXPECT_EQ(ApertureSeries().back().GetValue(), 64.0);

  ASSERT_EQ(MetricDistanceSeries().size(), 51u);
  EXPECT_EQ(MetricDistanceSeries()[1].GetValue(), 0.12);
  EXPECT_EQ(MetricDistanceSeries()[10].GetValue(), 1.0);
  EXPECT_EQ(MetricDistanceSeries().back().GetValue(), 10000);

  ASSERT_EQ(ImperialDistanceSeries().size(), 52u);
  EXPECT_THAT(ImperialDistanceSeries().front().GetValue(),
              DoubleNear(kFoot / 12, 1e-15));
  EXPECT_THAT(ImperialDistanceSeries()[11].GetValue(),
              DoubleNear(kFoot, 1e-15));
  EXPECT_THAT(ImperialDistanceSeries().back().GetValue(),
              DoubleNear(10000 * kFoot, 1e-9));
}

TEST_F(SeriesTest, ApertureSelectionRunsNearestToNearest) {
  EXPECT_THAT(Nominals(2.8, 22),
              ElementsAre(2.8, 3.2, 3.5, 4.0, 4.5, 5.0, 5.6, 6.3, 7.1, 8.0, 9.0,
                          10, 11, 13, 14, 16, 18, 20, 22));
  EXPECT_THAT(Nominals(3.5, 5.6), ElementsAre(3.5, 4.0, 4.5, 5.0, 5.6));
  // 30 lies as far from 28 as from 32: the smaller wins.
  EXPECT_THAT(Nominals(30, 40), ElementsAre(28, 32, 45));
  EXPECT_THAT(Nominals(8, 4), ElementsAre(8));
  EXPECT_THAT(Nominals(5.6, 5.6), ElementsAre(5.6));
  EXPECT_EQ(Nominals(0.5, 100).size(), 33u);
}

TEST_F(SeriesTest, MetricDistanceSelection) {
  const std::vector<double> near_to_far = Distances(0.1, 100);
  ASSERT_EQ(near_to_far.size(), 31u);
  EXPECT_EQ(near_to_far.front(), 0.1);
  EXPECT_EQ(near_to_far.back(), 100);
  EXPECT_THAT(Distances(0.3, 0.3), ElementsAre(0.3));
  EXPECT_THAT(Distances(1000, 10000),
              ElementsAre(1000, 1200, 1500, 2000, 2500, 3000, 4000, 5000, 6000,
                          8000, 10000));
}

TEST_F(SeriesTest, ImperialDistanceSelectionUsesTheFeetLadder) {
  const std::vector<double> near_to_far = Distances(0.1, 100, kImperial);
  ASSERT_EQ(near_to_far.size(), 31u);
  // 1/3 ft (0.1016 m) is nearest to 0.1 m; 300 ft (91.44 m) to 100 m.
  EXPECT_THAT(near_to_far.front(), DoubleNear(0.10160123547102332, 1e-15));
  EXPECT_THAT(near_to_far.back(), DoubleNear(91.441111923921, 1e-11));

  // The units given pick the series.
  EXPECT_THAT(Distances(1, 1), ElementsAre(1.0));
  EXPECT_THAT(Distances(1, 1, kImperial),
              Pointwise(DoubleNear(1e-12), {3 * kFoot}));
}

TEST_F(SeriesTest, SelectionWithoutNumbersStillGivesOneElement) {
  EXPECT_THAT(Nominals(NAN, NAN), ElementsAre(1.0));
  EXPECT_THAT(Distances(NAN, NAN), ElementsAre(0.1));
  EXPECT_EQ(Distances(NAN, 5).back(), 5);
}

TEST_F(SeriesTest, ZoomRangesGetTheMarkedFocalsBetweenTheirBounds) {
  EXPECT_THAT(Focals(18, 140, 1.53),
              ElementsAre(18, 20, 24, 28, 35, 40, 50, 55, 60, 70, 85, 100, 105,
                          120, 135, 140));
  EXPECT_THAT(Focals(70, 200),
              ElementsAre(70, 85, 100, 105, 120, 135, 150, 200));
  EXPECT_THAT(Focals(17.5, 35), ElementsAre(17.5, 18, 20, 24, 28, 35));
}

TEST_F(SeriesTest, FocalRangesWithFewMarkedValuesComeOutWhole) {
  EXPECT_THAT(Focals(24, 35),
              ElementsAre(24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35));
  std::vector<double> ones;
  for (int v = 4; v <= 24; ++v) ones.push_back(v);
  EXPECT_THAT(Focals(4, 24), ElementsAreArray(ones));  // below the marks
}

TEST_F(SeriesTest, FocalRangeOfFractionalBoundsIsNotSnapped) {
  const std::vector<double> narrow = Focals(10, 10.5);
  ASSERT_EQ(narrow.size(), 21u);
  for (size_t i = 0; i < narrow.size(); ++i) {
    EXPECT_THAT(narrow[i], DoubleNear(10 + 0.025 * i, 1e-12));
  }
}

TEST_F(SeriesTest, FocalRangeWithMultiplierSnapsTheDisplayedLength) {
  // 4 to 22 mm, displayed 24, 30, 36 ... 132 mm: 19 values, snapped.
  const std::vector<double> range = Focals(4, 22, 6.0);
  ASSERT_EQ(range.size(), 19u);
  for (size_t i = 0; i < range.size(); ++i) {
    EXPECT_THAT(range[i] * 6.0, DoubleNear(24 + 6.0 * i, 1e-9));
  }
}

TEST_F(SeriesTest, FocalRangeEdges) {
  EXPECT_THAT(Focals(50, 50), ElementsAre(50));
  EXPECT_THAT(Focals(50, 20), ElementsAre(50));
  // A multiplier that the main screen would not apply is not applied here
  // either (it would divide by zero or collapse every value to 0).
  EXPECT_EQ(Focals(18, 55, 0.0), Focals(18, 55));
  EXPECT_EQ(Focals(18, 55, -2.0), Focals(18, 55));
  EXPECT_EQ(Focals(18, 55, 0.001), Focals(18, 55));
  // A range far beyond 32 bits: ten values, nothing undefined.
  EXPECT_EQ(Focals(1, 1e12).size(), 10u);
}

}  // namespace
}  // namespace zorvanel
