#include "optics/value.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "i18n/translator.h"
#include "language_file_bytes.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

using ::testing::DoubleNear;

// Every test starts metric and without translations.
class ValueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUnitSystem(kMetric);
    GetTranslator().Clear();
  }
  void TearDown() override {
    SetUnitSystem(kMetric);
    GetTranslator().Clear();
  }
};

std::string Metres(double metres) { return DistanceValue(metres).Format(); }

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
  EXPECT_EQ(f28.Format(), "f/2.8");

  // Beyond either end of the table the entered number is the real one.
  const ApertureValue f1(1.0);
  EXPECT_EQ(f1.GetValue(), 1.0);
  EXPECT_EQ(f1.Format(), "f/1");
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
  EXPECT_EQ(none.Format(), "f/0");
}

TEST_F(ValueTest, ApertureFormatTrimsZerosAndPoint) {
  EXPECT_EQ(ApertureValue(8).Format(), "f/8");
  EXPECT_EQ(ApertureValue(1.25).Format(), "f/1.25");
  EXPECT_EQ(ApertureValue(10).Format(), "f/10");
  EXPECT_EQ(ApertureValue(22).Format(), "f/22");
  EXPECT_EQ(ApertureValue(5.6).Format(), "f/5.6");
  EXPECT_EQ(ApertureValue(1.234).Format(), "f/1.23");
}

TEST_F(ValueTest, FocalPrintsMillimetresWhateverTheUnits) {
  EXPECT_EQ(FocalValue(50).Format(), "50 mm");
  EXPECT_EQ(FocalValue(17.5).Format(), "17.5 mm");
  EXPECT_EQ(FocalValue(0).Format(), "0 mm");
  EXPECT_EQ(FocalValue(-1).Format(), "Infini");
  SetUnitSystem(kImperial);
  EXPECT_EQ(FocalValue(35).Format(), "35 mm");
}

TEST_F(ValueTest, MetricDistanceUnitBoundsAreInclusive) {
  EXPECT_EQ(Metres(0.2), "20 cm");
  EXPECT_EQ(Metres(1.0), "100 cm");
  EXPECT_EQ(Metres(1.5), "1.5 m");
  EXPECT_EQ(Metres(0.01), "10 mm");
  EXPECT_EQ(Metres(0.005), "5 mm");
  EXPECT_EQ(Metres(999.4), "999 m");
  EXPECT_EQ(Metres(1000), "1 km");
  EXPECT_EQ(Metres(2500), "2.5 km");
  EXPECT_EQ(Metres(0), "0 mm");
}

TEST_F(ValueTest, ImperialDistances) {
  SetUnitSystem(kImperial);
  EXPECT_EQ(Metres(0.3048), "12 in.");       // 0.99998784 ft, below 1 ft
  EXPECT_EQ(Metres(1609.344), "5280 ft.");   // 5279.936 ft, below a mile
  EXPECT_EQ(Metres(2000), "1.24 mile");      // 6561.6 ft
  EXPECT_EQ(Metres(1.0 / 3.2808), "1 ft.");  // exactly one foot: no inches
  EXPECT_EQ(Metres(ConvertLength(1.0 / 12, false)), "1 in.");
  EXPECT_EQ(Metres(3), "9.84 ft.");  // 9.8424 ft
}

TEST_F(ValueTest, UnknownUnitSettingIsMetric) {
  SetUnitSystem(2);
  EXPECT_EQ(GetUnitSystem(), kMetric);
  EXPECT_EQ(Metres(3), "3 m");
  SetUnitSystem(-1);
  EXPECT_EQ(GetUnitSystem(), kMetric);
}

TEST_F(ValueTest, ConversionFactors) {
  EXPECT_EQ(ConvertLength(10, true), 32.808);
  EXPECT_EQ(ConvertLength(1, false), 0.30480370641307);
  EXPECT_THAT(ConvertLength(ConvertLength(7, true), false),
              DoubleNear(7, 1e-12));
  SetUnitSystem(kImperial);
  EXPECT_EQ(DisplayLength(DistanceValue(2)), 6.5616);
  SetUnitSystem(kMetric);
  EXPECT_EQ(DisplayLength(DistanceValue(2)), 2.0);
}

TEST_F(ValueTest, InfinityIsTranslated) {
  EXPECT_EQ(Metres(-1), "Infinity");
  EXPECT_EQ(Metres(-112.376), "Infinity");
  GetTranslator().LoadFromBytes(
      testing::LanguageFileUnits(u"[Infinity]\r\nGerman;Unendlich"));
  EXPECT_EQ(Metres(-1), "Unendlich");
}

TEST_F(ValueTest, FormatRoundedKeepsAboutThreeDigits) {
  EXPECT_EQ(FormatRounded("% cm", 25), "25 cm");
  EXPECT_EQ(FormatRounded("% m", 123.5), "124 m");
  EXPECT_EQ(FormatRounded("% m", 12.345), "12.3 m");
  EXPECT_EQ(FormatRounded("% m", 1.2345), "1.23 m");
  EXPECT_EQ(FormatRounded("% m", 0.12345), "0.12 m");  // 0.123, two decimals
  EXPECT_EQ(FormatRounded("% m", 0.0456), "0.05 m");
  EXPECT_EQ(FormatRounded("% m", 0.004), "0 m");
  EXPECT_EQ(FormatRounded("%-%", 7), "7-7");
  EXPECT_EQ(FormatRounded("no number", 7), "no number");
}

TEST_F(ValueTest, HugeValuesPrintInFull) {
  EXPECT_EQ(Metres(12345678901000.0), "12345678901 km");
  EXPECT_EQ(FormatRounded("% m", 3e9), "3000000000 m");
  EXPECT_EQ(FormatRounded("% m", 1e20), "100000000000000000000 m");
  EXPECT_EQ(FocalValue(5e12).Format(), "5000000000000 mm");
  EXPECT_EQ(ApertureValue(1e10).Format(), "f/10000000000");
}

TEST_F(ValueTest, NoValueAndInfinitiesPrintSafely) {
  EXPECT_EQ(Metres(kNoValue), kNoValueText);
  EXPECT_EQ(std::string(kNoValueText), "\xE2\x80\x94");
  EXPECT_TRUE(DistanceValue(kNoValue).IsNoValue());
  EXPECT_EQ(FocalValue(kNoValue).Format(), kNoValueText);
  EXPECT_EQ(ApertureValue(kNoValue).Format(), kNoValueText);
  EXPECT_TRUE(ApertureValue(kNoValue).IsNoValue());
  EXPECT_EQ(FormatRounded("% m", kNoValue), kNoValueText);
  EXPECT_EQ(FormatRounded("% m", HUGE_VAL), kNoValueText);
  EXPECT_EQ(Metres(HUGE_VAL), "Infinity");
  EXPECT_EQ(Metres(-HUGE_VAL), "Infinity");
  EXPECT_EQ(FocalValue(HUGE_VAL).Format(), "Infini");
  EXPECT_EQ(ApertureValue(HUGE_VAL).Format(), kNoValueText);
}

}  // namespace
}  // namespace zorvanel
