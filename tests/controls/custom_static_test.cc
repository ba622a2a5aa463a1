// Tests of the label: its three fonts, line breaks and too-wide words.
#include "controls/custom_static.h"

#include <gtest/gtest.h>

#include "dialog_test.h"
#include "i18n/font_table.h"
#include "platform/canvas.h"
#include "platform/image.h"

namespace zorvanel {
namespace {

using CustomStaticTest = testing::DialogTest;

TEST_F(CustomStaticTest, MeasuringRegistersTheThreeLabelFonts) {
  CCustomStatic label;
  label.SetText("x");
  label.MeasureText();
  const FontTable& table = GetFontTable();
  ASSERT_NE(table.Find("Title"), nullptr);
  ASSERT_NE(table.Find("Italic"), nullptr);
  ASSERT_NE(table.Find("Normal"), nullptr);
  EXPECT_EQ(table.Find("Title")->request.height, -38);
  EXPECT_EQ(table.Find("Italic")->request.height, 30);
  EXPECT_TRUE(table.Find("Italic")->request.italic);
  EXPECT_EQ(table.Find("Normal")->request.height, -20);
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

class PaintedLabel : public CCustomStatic {
 public:
  using CCustomStatic::OnPaint;
};

TEST_F(CustomStaticTest, AWordWiderThanTheLabelIsDrawnSmallerNotCut) {
  Window parent;
  parent.Create(nullptr, 0, Rect{0, 0, 480, 588});
  PaintedLabel label;
  label.set_style(CCustomStatic::kStyleItalic);
  label.SetText("EF-S18-55mmf/3.5-5.6ISSTMII");
  label.Create(&parent, 1, Rect::FromXYWH(0, 0, 200, 60));
  ASSERT_GT(label.MeasureText().width, 200);
  Image image(200, 60);
  Canvas canvas(image);
  label.OnPaint(canvas);
  // Ink in the middle, none in the outermost columns.
  bool edge_ink = false;
  bool middle_ink = false;
  for (int y = 0; y < 60; ++y) {
    edge_ink |= image.ColourAt(0, y) != Rgb(0, 0, 0) ||
                image.ColourAt(199, y) != Rgb(0, 0, 0);
    middle_ink |= image.ColourAt(100, y) != Rgb(0, 0, 0);
  }
  EXPECT_FALSE(edge_ink);
  EXPECT_TRUE(middle_ink);
}

}  // namespace
}  // namespace zorvanel
