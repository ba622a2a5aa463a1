#include "controls/custom_static.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "i18n/font_table.h"
#include "platform/canvas.h"

namespace zorvanel {
namespace {

using testing::ShellTest;

class TestLabel : public CCustomStatic {
 public:
  using CCustomStatic::OnPaint;
};

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

TEST_F(CustomStaticTest, PaintsWhiteOnBlackCentred) {
  Window parent;
  parent.Create(nullptr, 0, Rect{0, 0, 480, 588});
  TestLabel label;
  label.Create(&parent, 1007, Rect::FromXYWH(0, 0, 200, 60));
  label.SetText("I");
  Image image(200, 60);
  image.data()[0] = 0xFF123456;  // paint must cover what was there
  image.MarkDirty();
  Canvas canvas(image);
  label.OnPaint(canvas);
  EXPECT_EQ(image.ColourAt(0, 0), Rgb(0, 0, 0));
  // Some ink near the middle, none at the edges.
  int left = 200;
  int right = -1;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (image.ColourAt(x, y).r > 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GE(right, 0);
  EXPECT_NEAR(left + right + 1, 200, 4);
}

}  // namespace
}  // namespace zorvanel
