// Tests of how values print: apertures, focals, distances, rounding, ranges.
#include "i18n/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "i18n/translator.h"
#include "language_file_bytes.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

// Every test starts without translations.
class ValueTextTest : public ::testing::Test {
 protected:
  void SetUp() override { GetTranslator().Clear(); }
  void TearDown() override { GetTranslator().Clear(); }
};

std::string Metres(double metres, UnitSystem units = kMetric) {
  return Format(DistanceValue(metres), units);
}

TEST_F(ValueTextTest, ApertureFormatTrimsZerosAndPoint) {
  EXPECT_EQ(Format(ApertureValue(8)), "f/8");
  EXPECT_EQ(Format(ApertureValue(1.25)), "f/1.25");
  EXPECT_EQ(Format(ApertureValue(10)), "f/10");
  EXPECT_EQ(Format(ApertureValue(22)), "f/22");
  EXPECT_EQ(Format(ApertureValue(5.6)), "f/5.6");
  EXPECT_EQ(Format(ApertureValue(1.234)), "f/1.23");
  EXPECT_EQ(Format(ApertureValue(1.0)), "f/1");  // outside the table
  EXPECT_EQ(Format(ApertureValue()), "f/0");
}

TEST_F(ValueTextTest, FocalPrintsMillimetres) {
  EXPECT_EQ(Format(FocalValue(50)), "50 mm");
  EXPECT_EQ(Format(FocalValue(17.5)), "17.5 mm");
  EXPECT_EQ(Format(FocalValue(0)), "0 mm");
  EXPECT_EQ(Format(FocalValue(-1)), "Infini");
}

TEST_F(ValueTextTest, MetricDistanceUnitBoundsAreInclusive) {
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

TEST_F(ValueTextTest, ImperialDistances) {
  auto feet = [](double metres) { return Metres(metres, kImperial); };
  EXPECT_EQ(feet(0.3048), "12 in.");       // 0.99998784 ft, below 1 ft
  EXPECT_EQ(feet(1609.344), "5280 ft.");   // 5279.936 ft, below a mile
  EXPECT_EQ(feet(2000), "1.24 mile");      // 6561.6 ft
  EXPECT_EQ(feet(1.0 / 3.2808), "1 ft.");  // exactly one foot: no inches
  EXPECT_EQ(feet(ConvertLength(1.0 / 12, false)), "1 in.");
  EXPECT_EQ(feet(3), "9.84 ft.");  // 9.8424 ft
}

TEST_F(ValueTextTest, InfinityIsTranslated) {
  EXPECT_EQ(Metres(-1), "Infinity");
  EXPECT_EQ(Metres(-112.376), "Infinity");
  GetTranslator().LoadFromBytes(
      testing::LanguageFileUnits(u"[Infinity]\r\nGerman;Unendlich"));
  EXPECT_EQ(Metres(-1), "Unendlich");
}

TEST_F(ValueTextTest, FormatRoundedKeepsAboutThreeDigits) {
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

TEST_F(ValueTextTest, HugeValuesPrintInFull) {
  EXPECT_EQ(Metres(12345678901000.0), "12345678901 km");
  EXPECT_EQ(FormatRounded("% m", 3e9), "3000000000 m");
  EXPECT_EQ(FormatRounded("% m", 1e20), "100000000000000000000 m");
  EXPECT_EQ(Format(FocalValue(5e12)), "5000000000000 mm");
  EXPECT_EQ(Format(ApertureValue(1e10)), "f/10000000000");
}

TEST_F(ValueTextTest, NoValueAndInfinitiesPrintSafely) {
  EXPECT_EQ(Metres(kNoValue), kNoValueText);
  EXPECT_EQ(std::string(kNoValueText), "\xE2\x80\x94");
  EXPECT_TRUE(DistanceValue(kNoValue).IsNoValue());
  EXPECT_EQ(Format(FocalValue(kNoValue)), kNoValueText);
  EXPECT_EQ(Format(ApertureValue(kNoValue)), kNoValueText);
  EXPECT_TRUE(ApertureValue(kNoValue).IsNoValue());
  EXPECT_EQ(FormatRounded("% m", kNoValue), kNoValueText);
  EXPECT_EQ(FormatRounded("% m", HUGE_VAL), kNoValueText);
  EXPECT_EQ(Metres(HUGE_VAL), "Infinity");
  EXPECT_EQ(Metres(-HUGE_VAL), "Infinity");
  EXPECT_EQ(Format(FocalValue(HUGE_VAL)), "Infini");
  EXPECT_EQ(Format(ApertureValue(HUGE_VAL)), kNoValueText);
}

TEST_F(ValueTextTest, RangeLabelsShowTheEndsOfTheLists) {
  Lens lens;
  lens.set_min_focal(18);
  lens.set_max_focal(55);
  EXPECT_EQ(FocalRangeLabel(lens), "18 mm - 55 mm");
  lens.set_min_focal(50);
  for (double max : {0.0, 50.0}) {  // a prime is one focal length
    lens.set_max_focal(max);
    EXPECT_EQ(FocalRangeLabel(lens), "50 mm");
  }

  EXPECT_EQ(ApertureRangeLabel(lens), "");
  lens.add_apertures(2.8);
  EXPECT_EQ(ApertureRangeLabel(lens), "f/2.8");
  lens.add_apertures(8);
  lens.add_apertures(22);
  EXPECT_EQ(ApertureRangeLabel(lens), "f/2.8 - f/22");
}

}  // namespace
}  // namespace zorvanel
