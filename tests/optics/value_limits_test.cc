// The bounds of the values a user enters into a lens's lists.
#include "optics/value_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zorvanel {
namespace {

TEST(IsAcceptableValue, AboveTheMinimumUpToTheKindsMaximumAndFinite) {
  for (ValueKind kind :
       {ValueKind::kFocal, ValueKind::kAperture, ValueKind::kDistance}) {
    EXPECT_FALSE(IsAcceptableValue(kind, 0.0));
    EXPECT_FALSE(IsAcceptableValue(kind, -5.0));
    EXPECT_FALSE(IsAcceptableValue(kind, 0.001));
    EXPECT_TRUE(IsAcceptableValue(kind, 0.0011));
    EXPECT_TRUE(IsAcceptableValue(kind, MaximumValue(kind)));
    EXPECT_FALSE(
        IsAcceptableValue(kind, std::nextafter(MaximumValue(kind), 1e300)));
    EXPECT_FALSE(
        IsAcceptableValue(kind, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(
        IsAcceptableValue(kind, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(IsAcceptableValue(kind, std::numeric_limits<double>::max()));
  }
  EXPECT_EQ(MaximumValue(ValueKind::kFocal), 10000.0);
  EXPECT_EQ(MaximumValue(ValueKind::kAperture), 1000.0);
  EXPECT_EQ(MaximumValue(ValueKind::kDistance), 100000.0);
}

}  // namespace
}  // namespace zorvanel
