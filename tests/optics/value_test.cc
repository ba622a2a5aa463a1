// Tests of apertures and their real f-numbers, and of the unit conversions.
#include "optics/value.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "optics/units.h"

namespace zorvanel {
namespace {

using ::testing::DoubleNear;

class ValueTest : public ::testing::Test {};

TEST_F(ValueTest, RealApertureTableIsSixthsOfAStop) {
  const std::vector<double>& table = RealApertureTable();
  ASSERT_EQ(table.size(), 73u);
  EXPECT_THAT(table.front(), DoubleNear(1.0594630943592953, 1e-15));
  EXPECT_THAT(table[17], DoubleNear(2.8284271247461903, 1e-15));
  EXPECT_EQ(table[71], 64.0);  // 2^(72/12) comes out exact
  EXPECT_THAT(table.back(), DoubleNear(67.80563803899489, 1e-13));
}

TEST_F(ValueTest, ApertureKeepsEnteredAndNearestRealNumber) {
  const ApertureValue f28(2.8);
  EXPECT_THAT(f28.GetValue(), DoubleNear(2.8284271, 1e-7));
  EXPECT_EQ(f28.GetNominal(), 2.8);

  // Beyond either end of the table the entered number is the real one.
  const ApertureValue f1(1.0);
  EXPECT_EQ(f1.GetValue(), 1.0);
  EXPECT_EQ(ApertureValue(0.95).GetValue(), 0.95);
  EXPECT_EQ(ApertureValue(90).GetValue(), 90.0);
  EXPECT_EQ(ApertureValue(128).GetValue(), 128.0);
  EXPECT_EQ(ApertureValue(64).GetValue(), 64.0);
  EXPECT_THAT(ApertureValue(67).GetValue(), DoubleNear(67.806, 1e-3));
  EXPECT_THAT(ApertureValue(1.05).GetValue(), DoubleNear(1.05, 1e-15));

  // 2.9 falls on the same sixth of a stop as 2.8; 3.2 on the next one
  // (2^(20/12) = 3.1748).
  EXPECT_EQ(ApertureValue(2.9).GetValue(), f28.GetValue());
  EXPECT_THAT(ApertureValue(3.2).GetValue(), DoubleNear(3.1748021, 1e-7));

  const ApertureValue none;
  EXPECT_EQ(none.GetValue(), 0.0);
}

TEST_F(ValueTest, UnknownUnitSettingIsMetric) {
  EXPECT_EQ(ToUnitSystem(1), kImperial);
  EXPECT_EQ(ToUnitSystem(2), kMetric);
  EXPECT_EQ(ToUnitSystem(-1), kMetric);
}

TEST_F(ValueTest, ConversionFactors) {
  EXPECT_EQ(ConvertLength(10, true), 32.808);
  EXPECT_EQ(ConvertLength(1, false), 0.30480370641307);
  EXPECT_THAT(ConvertLength(ConvertLength(7, true), false),
              DoubleNear(7, 1e-12));
}

}  // namespace
}  // namespace zorvanel
