// Tests of reading numbers: decimal prefixes, exponents, range, typed text.
#include "optics/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zorvanel {
namespace {

TEST(ParseDecimalTest, TakesTheLongestDecimalPrefix) {
  EXPECT_EQ(ParseDecimal("35"), 35.0);
  EXPECT_EQ(ParseDecimal("  35 mm"), 35.0);
  EXPECT_EQ(ParseDecimal("\t\n2.8"), 2.8);
  EXPECT_EQ(ParseDecimal("2,8"), 2.0);
  EXPECT_EQ(ParseDecimal("2.8.1"), 2.8);
  EXPECT_EQ(ParseDecimal(".5"), 0.5);
  EXPECT_EQ(ParseDecimal("5."), 5.0);
  EXPECT_EQ(ParseDecimal("+1.5"), 1.5);
  EXPECT_EQ(ParseDecimal("-0.25x"), -0.25);
  EXPECT_EQ(ParseDecimal("0.1"), 0.1);
}

TEST(ParseDecimalTest, ExponentOnlyWithDigits) {
  EXPECT_EQ(ParseDecimal("1e3"), 1000.0);
  EXPECT_EQ(ParseDecimal("2.5E-1"), 0.25);
  EXPECT_EQ(ParseDecimal("1e+2mm"), 100.0);
  EXPECT_EQ(ParseDecimal("7e"), 7.0);
  EXPECT_EQ(ParseDecimal("7e+"), 7.0);
  EXPECT_EQ(ParseDecimal("7E-x"), 7.0);
}

TEST(ParseDecimalTest, NoNumberGivesZero) {
  EXPECT_EQ(ParseDecimal(""), 0.0);
  EXPECT_EQ(ParseDecimal("   "), 0.0);
  EXPECT_EQ(ParseDecimal("mm"), 0.0);
  EXPECT_EQ(ParseDecimal("."), 0.0);
  EXPECT_EQ(ParseDecimal("-"), 0.0);
  EXPECT_EQ(ParseDecimal("+-3"), 0.0);
  EXPECT_EQ(ParseDecimal("e5"), 0.0);
  // What the C library would accept beyond plain decimals.
  EXPECT_EQ(ParseDecimal("inf"), 0.0);
  EXPECT_EQ(ParseDecimal("-infinity"), 0.0);
  EXPECT_EQ(ParseDecimal("nan"), 0.0);
  EXPECT_EQ(ParseDecimal("NAN(123)"), 0.0);
  EXPECT_EQ(ParseDecimal("0x10"), 0.0);
  EXPECT_EQ(ParseDecimal("0x1p3"), 0.0);
}

TEST(ParseDecimalTest, ZeroHasNoSign) {
  EXPECT_EQ(ParseDecimal("-0"), 0.0);
  EXPECT_FALSE(std::signbit(ParseDecimal("-0")));
  EXPECT_FALSE(std::signbit(ParseDecimal("-0.000")));
}

TEST(ParseDecimalTest, OutOfRangeStaysFinite) {
  constexpr double kMax = std::numeric_limits<double>::max();
  EXPECT_EQ(ParseDecimal("1e400"), kMax);
  EXPECT_EQ(ParseDecimal("-1e400"), -kMax);
  EXPECT_EQ(ParseDecimal("0.01e311"), kMax);
  EXPECT_EQ(ParseDecimal("1e99999999999999999999"), kMax);
  EXPECT_EQ(ParseDecimal(std::string(400, '9')), kMax);
  EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
  EXPECT_EQ(ParseDecimal("-1e-400"), 0.0);
  EXPECT_EQ(ParseDecimal("12345e-99999999999999999999"), 0.0);
  EXPECT_EQ(ParseDecimal("1.7976931348623157e308"), kMax);
}

TEST(ParseDecimalTest, LongDigitStrings) {
  // 300 nines round to 1e300; 300 digits after the point still parse.
  EXPECT_EQ(ParseDecimal(std::string(300, '9')), 1e300);
  EXPECT_EQ(ParseDecimal("1" + std::string(299, '0')), 1e299);
  EXPECT_EQ(ParseDecimal("0." + std::string(298, '0') + "1"), 1e-299);
  EXPECT_EQ(ParseDecimal("2." + std::string(300, '5')), 2.5555555555555554);
}

TEST(ParseDecimalTest, IsFiniteNumber) {
  EXPECT_TRUE(IsFiniteNumber(1.0));
  EXPECT_FALSE(IsFiniteNumber(HUGE_VAL));
  EXPECT_FALSE(IsFiniteNumber(std::nan("")));
}

TEST(ReadTypedNumberTest, WholeTextWithDecimalCommaAndOptionalUnit) {
  EXPECT_EQ(ReadTypedNumber("2,8"), 2.8);
  EXPECT_EQ(ReadTypedNumber(" 0,019 "), 0.019);
  EXPECT_EQ(ReadTypedNumber("17.5"), 17.5);
  EXPECT_EQ(ReadTypedNumber("35 mm", "mm"), 35.0);
  EXPECT_EQ(ReadTypedNumber("35MM", "mm"), 35.0);
  EXPECT_EQ(ReadTypedNumber("   "), 0.0);  // an empty field
  for (const char* text : {"abc", "nan", "inf", "0x10", "2,8,1", "1.000,5",
                           "12abc", "35 mm", "f/2.8"}) {
    EXPECT_EQ(ReadTypedNumber(text), std::nullopt) << text;
  }
  EXPECT_EQ(ReadTypedNumber("12 m", "mm"), std::nullopt);
  constexpr std::string_view kPrefixes[] = {"f/", "f", "1:"};
  for (const char* text : {"f/1.4", "F1.4", "f1,4", "1:1.4", " F/ 1.4"}) {
    EXPECT_EQ(ReadTypedNumber(text, "", kPrefixes), 1.4) << text;
  }
  EXPECT_EQ(ReadTypedNumber("ff1.4", "", kPrefixes), std::nullopt);
}

}  // namespace
}  // namespace zorvanel
