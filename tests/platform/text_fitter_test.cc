// The text fitter's smallest size: a text a little too wide is drawn just
// small enough to fit, a far wider one no smaller than the floor it is
// given.
#include "platform/text_fitter.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/image.h"

namespace zorvanel {
namespace {

TEST(TextFitterTest, ShrinksToFitButNotBelowTheSmallestSize) {
  Image image(8, 8);
  Canvas canvas(image);
  FontSpec title_font;
  title_font.height = -33;
  const Font title(title_font);
  TextFitter fitter;
  const std::string name = "Acme Zoom 18-55mm f/3.5-5.6 IS II";
  const int natural = canvas.MeasureText(name, title).width;
  EXPECT_EQ(&fitter.FontFor(canvas, name, title, natural, 25), &title);

  const int row = natural * 9 / 10;
  const Font& fitted = fitter.FontFor(canvas, name, title, row, 25);
  EXPECT_LE(canvas.MeasureText(name, fitted).width, row);
  EXPECT_LE(fitted.request().height, -28);
  EXPECT_GE(fitted.request().height, -32);

  EXPECT_EQ(
      fitter.FontFor(canvas, name, title, natural / 2, 25).request().height,
      -25);
}

}  // namespace
}  // namespace zorvanel
