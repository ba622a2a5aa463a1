#include "controls/custom_static.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "i18n/font_table.h"

namespace zorvanel {
namespace {

using testing::ShellTest;

class CustomStaticTest : public ShellTest {};

TEST_F(CustomStaticTest, MeasuringRegistersTheThreeLabelFonts) {
  CCustomStatic label;
  label.SetText("x");
  label.MeasureText();
  const FontTable& table = GetFontTable();
  ASSERT_NE(table.Find("Title"), nullptr);
  ASSERT_NE(table.Find("Italic"), nullptr);
  ASSERT_NE(table.Find("Normal"), nullptr);
  EXPECT_EQ(table.Find("Title")->height, -38);
  EXPECT_EQ(table.Find("Italic")->height, 30);
  EXPECT_TRUE(table.Find("Italic")->italic);
  EXPECT_EQ(table.Find("Normal")->height, -20);
}

TEST_F(CustomStaticTest, AnUnknownStyleUsesTheNormalFont) {
  CCustomStatic normal;
  CCustomStatic seven;
  CCustomStatic title;
  seven.set_style(7);
  title.set_style(CCustomStatic::kStyleTitle);
  const std::string text = "Depth of field";
  EXPECT_EQ(seven.MeasureText(nullptr, text),
            normal.MeasureText(nullptr, text));
  EXPECT_GT(title.MeasureText(nullptr, text).height,
            normal.MeasureText(nullptr, text).height);
}

TEST_F(CustomStaticTest, LinesSplitOnlyAtLineBreaks) {
  CCustomStatic label;
  const Size one = label.MeasureText(nullptr, "Hyperfocal distance");
  const Size two = label.MeasureText(nullptr, "Hyperfocal distance\r\nx");
  EXPECT_EQ(two.width, one.width);
  EXPECT_EQ(two.height, 2 * one.height);
}

}  // namespace
}  // namespace zorvanel
