// The rule that keeps a lens list sorted and free of duplicates. Real
// f-numbers are sixths of a stop, 2^(k/12): f/2.8 and f/2.9 both fall on
// k = 18, 2^1.5 = 2.8284271.
#include "optics/value_insertion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "optics/units.h"

namespace zorvanel {
namespace {

TEST(InsertionIndex, GoesBeforeTheFirstGreaterKeyAndRefusesDuplicates) {
  const std::vector<double> keys = {24.0, 35.0, 85.0};
  EXPECT_EQ(InsertionIndex(keys, 50.0), 2);
  EXPECT_EQ(InsertionIndex(keys, 10.0), 0);
  EXPECT_EQ(InsertionIndex(keys, 200.0), 3);
  EXPECT_EQ(InsertionIndex(keys, 35.0), std::nullopt);
  EXPECT_EQ(InsertionIndex({}, 35.0), 0);
  // Binary noise is no difference; a millionth of a millimetre is.
  EXPECT_EQ(InsertionIndex(keys, 24.0 - 3e-12), std::nullopt);
  EXPECT_EQ(InsertionIndex(keys, 24.000001), 1);
}

TEST(InsertionIndex, AListLoadedOutOfOrderGetsNoSecondCopy) {
  // The walk stops at 50, before it could meet the 35 behind it.
  const std::vector<double> keys = {50.0, 35.0, 85.0};
  EXPECT_EQ(InsertionIndex(keys, 35.0), std::nullopt);
  EXPECT_EQ(InsertionIndex(keys, 85.0), std::nullopt);
  EXPECT_EQ(InsertionIndex(keys, 40.0), 0);
  EXPECT_EQ(InsertionIndex(keys, 60.0), 2);
}

TEST(ValueKey, AperturesCompareByTheirRealFNumber) {
  const double real = std::pow(2.0, 18.0 / 12.0);
  EXPECT_NEAR(ValueKey(ValueKind::kAperture, 2.8), real, 1e-12);
  EXPECT_EQ(ValueKey(ValueKind::kAperture, 2.9),
            ValueKey(ValueKind::kAperture, 2.8));
  EXPECT_NE(ValueKey(ValueKind::kAperture, 3.2),
            ValueKey(ValueKind::kAperture, 2.8));
  // Focal lengths and distances compare as stored.
  EXPECT_EQ(ValueKey(ValueKind::kFocal, 2.9), 2.9);
  EXPECT_EQ(ValueKey(ValueKind::kDistance, 2.9), 2.9);
}

TEST(StoredFromTyped, OnlyDistancesTypedInFeetAreConverted) {
  EXPECT_DOUBLE_EQ(StoredFromTyped(ValueKind::kDistance, 10.0, kImperial),
                   3.0480370641307);
  EXPECT_EQ(StoredFromTyped(ValueKind::kDistance, 10.0, kMetric), 10.0);
  EXPECT_EQ(StoredFromTyped(ValueKind::kFocal, 10.0, kImperial), 10.0);
  EXPECT_EQ(StoredFromTyped(ValueKind::kAperture, 10.0, kImperial), 10.0);
}

}  // namespace
}  // namespace zorvanel
