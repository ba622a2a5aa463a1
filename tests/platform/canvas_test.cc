// Tests of images, fonts, the canvas's drawing and text, and the text fitter.
#include "platform/canvas.h"

#include <gtest/gtest.h>
#include <pango/pango.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/font.h"
#include "platform/image.h"
#include "platform/text_context.h"
#include "platform/text_fitter.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlue = Rgb(0, 0, 255);

// Bounding box of the pixels that differ from `background`.
Rect InkBox(const Image& image, Colour background) {
  Rect box{image.width(), image.height(), 0, 0};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.ColourAt(x, y) == background) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

Font TestFont(int height) {
  FontRequest request;
  request.height = height;
  return Font(request);
}

TEST(ImageTest, NewImagesAreOpaqueBlackAndSurvivePng) {
  Image image(7, 5);
  EXPECT_EQ(image.PixelAt(0, 0), 0xFF000000u);
  EXPECT_EQ(image.PixelAt(6, 4), 0xFF000000u);
  EXPECT_EQ(image.PixelAt(7, 0), 0u);  // outside reads as nothing

  // A half-transparent white pixel: premultiplied 0x80808080.
  image.data()[0] = 0x80808080u;
  image.data()[image.stride_words() + 1] = 0xFF102030u;
  image.MarkDirty();
  const testing::ScratchFolder folder;
  const std::string path = (folder / "image.png").string();
  ASSERT_TRUE(image.SavePng(path).ok());
  std::unique_ptr<Image> loaded = Image::LoadPng(path);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->size(), (Size{7, 5}));
  EXPECT_EQ(loaded->source_bits(), 32);
  EXPECT_EQ(loaded->AlphaAt(0, 0), 0x80);
  EXPECT_EQ(loaded->ColourAt(1, 1), Rgb(0x10, 0x20, 0x30));

  const uint8_t garbage[] = {1, 2, 3, 4};
  EXPECT_EQ(Image::LoadPngData(garbage, sizeof garbage), nullptr);
  EXPECT_EQ(Image::LoadPng("/nonexistent/zv.png"), nullptr);
}

TEST(FontTest, HeightSignRuleAndFaces) {
  // Positive: the whole cell (ascent + descent) is that tall.
  EXPECT_EQ(TestFont(30).line_height(), 30);
  EXPECT_EQ(TestFont(13).line_height(), 13);
  EXPECT_EQ(TestFont(51).line_height(), 51);
  // Negative: the character height; the cell adds the face's leading, so
  // it is taller than asked.
  EXPECT_NEAR(TestFont(-20).line_height(), 23, 1);
  EXPECT_GT(TestFont(-38).line_height(), 38);
  EXPECT_GT(TestFont(0).line_height(), 0);

  EXPECT_EQ(Font::ResolveFace("Tahoma"), "Tahoma,DejaVu Sans");
  EXPECT_EQ(Font::ResolveFace("arial"), "Liberation Sans,DejaVu Sans");
  EXPECT_EQ(Font::ResolveFace("Courier New"), "Courier New");
}

// The family of the face a font request really loads.
std::string LoadedFamily(const std::string& face) {
  FontRequest request;
  request.height = -25;
  request.face = face;
  const Font font(request);
  PangoFont* loaded =
      pango_context_load_font(SharedTextContext(), font.description());
  PangoFontDescription* described = pango_font_describe(loaded);
  std::string family = pango_font_description_get_family(described);
  pango_font_description_free(described);
  g_object_unref(loaded);
  return family;
}

TEST(FontTest, DeviceFacesLoadFacesOfTheirWidths) {
  EXPECT_EQ(LoadedFamily("Tahoma"), "Tahoma");
  EXPECT_EQ(LoadedFamily("Arial"), "Liberation Sans");
}

TEST(WrapToWidthTest, BreaksAtSpacesIntoFewEvenLines) {
  Image image(8, 8);
  Canvas canvas(image);
  const Font font = TestFont(-25);
  const std::string text = "Focal values must be greater than 0.01 mm.";
  const int width = canvas.MeasureText(text, font).width;
  EXPECT_EQ(WrapToWidth(canvas, text, font, width), text);

  const std::string wrapped = WrapToWidth(canvas, text, font, width - 1);
  const size_t at = wrapped.find("\r\n");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(wrapped.find("\r\n", at + 2), std::string::npos);
  EXPECT_EQ(wrapped.substr(0, at) + " " + wrapped.substr(at + 2), text);
  // Not "... 0.01" and a lone "mm.": both lines carry about half.
  const int second = canvas.MeasureText(wrapped.substr(at + 2), font).width;
  EXPECT_GT(second, width / 3) << wrapped;

  // A word wider than the width stays whole.
  EXPECT_EQ(WrapToWidth(canvas, "Manufacturer", font, 10), "Manufacturer");
}

TEST(FontTest, PointsToHeightUsesTheDesignScreen) {
  // 192 dots per inch: 11 pt = 29.33 px, 9 pt = 24 px.
  EXPECT_EQ(PointsToHeight(11, 100), -29);
  EXPECT_EQ(PointsToHeight(9, 100), -24);
  EXPECT_EQ(PointsToHeight(11, 50), -15);   // 14.67
  EXPECT_EQ(PointsToHeight(8, 125), -27);   // 26.67
  EXPECT_EQ(PointsToHeight(11, 200), -59);  // 58.67
}

TEST(FontTest, WidthStretchesTheFaceHorizontally) {
  Image image(10, 10);
  Canvas canvas(image);
  FontRequest natural_request;
  natural_request.height = -20;
  const Font natural(natural_request);
  const int natural_width = canvas.MeasureText("Depth of field", natural).width;

  FontRequest wide_request = natural_request;
  wide_request.width = 22;  // about twice the natural average of ~11 px
  const Font wide(wide_request);
  EXPECT_GT(wide.x_scale(), 1.6);
  EXPECT_NEAR(canvas.MeasureText("Depth of field", wide).width,
              natural_width * wide.x_scale(), 2);
  EXPECT_EQ(canvas.MeasureText("Depth", wide).height,
            canvas.MeasureText("Depth", natural).height);
}

TEST(CanvasTest, FillRectIsExactAndFollowsOriginAndClip) {
  Image image(10, 10);
  Canvas canvas(image);
  canvas.FillRect(Rect{2, 2, 5, 5}, kWhite);
  EXPECT_EQ(image.ColourAt(2, 2), kWhite);
  EXPECT_EQ(image.ColourAt(4, 4), kWhite);
  EXPECT_EQ(image.ColourAt(5, 4), kBlack);  // right and bottom exclusive
  EXPECT_EQ(image.ColourAt(4, 5), kBlack);
  EXPECT_EQ(image.ColourAt(1, 2), kBlack);

  {
    Canvas::ScopedState state(canvas);
    canvas.Translate(6, 6);
    canvas.ClipTo(Rect{0, 0, 2, 2});
    canvas.FillRect(Rect{-5, -5, 50, 50}, kBlue);
    EXPECT_EQ(canvas.origin(), (Point{6, 6}));
  }
  EXPECT_EQ(image.ColourAt(6, 6), kBlue);
  EXPECT_EQ(image.ColourAt(7, 7), kBlue);
  EXPECT_EQ(image.ColourAt(8, 8), kBlack);
  EXPECT_EQ(image.ColourAt(5, 6), kBlack);

  // The state came back: the whole image is reachable again at (0, 0).
  EXPECT_EQ(canvas.origin(), (Point{0, 0}));
  EXPECT_EQ(canvas.clip(), (Rect{0, 0, 10, 10}));
  canvas.FillRect(Rect{9, 9, 10, 10}, kWhite);
  EXPECT_EQ(image.ColourAt(9, 9), kWhite);
}

TEST(CanvasTest, InvertRectGivesTheComplementAndBack) {
  Image image(4, 4);
  Canvas canvas(image);
  canvas.FillRect(Rect{0, 0, 4, 4}, Rgb(10, 200, 255));
  canvas.InvertRect(Rect{1, 1, 3, 3});
  EXPECT_EQ(image.ColourAt(1, 1), Rgb(245, 55, 0));
  EXPECT_EQ(image.AlphaAt(1, 1), 255);
  EXPECT_EQ(image.ColourAt(0, 0), Rgb(10, 200, 255));
  canvas.InvertRect(Rect{1, 1, 3, 3});
  EXPECT_EQ(image.ColourAt(2, 2), Rgb(10, 200, 255));
}

// A 4 x 1 source: two opaque red pixels, then a half-transparent white one
// (premultiplied 0x80808080), then a fully transparent one.
std::unique_ptr<Image> MixedSource() {
  auto src = std::make_unique<Image>(4, 1, 32);
  uint32_t* p = src->data();
  p[0] = p[1] = 0xFFFF0000u;
  p[2] = 0x80808080u;
  p[3] = 0x00000000u;
  src->MarkDirty();
  return src;
}

TEST(CanvasTest, BlitCopiesStraightAndBlendComposites) {
  std::unique_ptr<Image> src = MixedSource();
  Image dest(4, 3);
  Canvas canvas(dest);
  canvas.FillRect(Rect{0, 0, 4, 3}, kBlue);

  // Blit: alpha included, the blue underneath is gone.
  canvas.Blit(*src, Rect{0, 0, 4, 1}, Point{0, 0});
  EXPECT_EQ(dest.PixelAt(0, 0), 0xFFFF0000u);
  EXPECT_EQ(dest.PixelAt(2, 0), 0x80808080u);
  EXPECT_EQ(dest.PixelAt(3, 0), 0u);

  // Per-pixel alpha: half white over blue = (128, 128, 128 + 127);
  // the transparent pixel leaves blue alone.
  canvas.Blend(*src, Rect{0, 0, 4, 1}, Rect{0, 1, 4, 2}, 255, true);
  EXPECT_EQ(dest.ColourAt(0, 1), Rgb(255, 0, 0));
  EXPECT_NEAR(dest.ColourAt(2, 1).r, 128, 1);
  EXPECT_NEAR(dest.ColourAt(2, 1).b, 255, 1);
  EXPECT_EQ(dest.ColourAt(3, 1), kBlue);

  // Constant alpha 128 without per-pixel alpha: the stored colours count
  // as opaque, so red at half strength over blue is (128, 0, 127).
  canvas.Blend(*src, Rect{0, 0, 4, 1}, Rect{0, 2, 4, 3}, 128, false);
  EXPECT_NEAR(dest.ColourAt(0, 2).r, 128, 1);
  EXPECT_NEAR(dest.ColourAt(0, 2).b, 127, 1);
  EXPECT_EQ(dest.AlphaAt(0, 2), 255);
  // The transparent pixel stores black: half black over blue.
  EXPECT_NEAR(dest.ColourAt(3, 2).b, 127, 1);
}

TEST(CanvasTest, StretchScalesOnlyTheSourceRectangle) {
  std::unique_ptr<Image> src = MixedSource();
  Image dest(8, 4);
  Canvas canvas(dest);
  // The red pair, eight times wider and four times taller: no white or
  // transparent pixel from beside it may bleed in at the edges.
  canvas.Stretch(*src, Rect{0, 0, 2, 1}, Rect{0, 0, 8, 4});
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) {
      ASSERT_EQ(dest.PixelAt(x, y), 0xFFFF0000u) << x << "," << y;
    }
  }
  // A source rectangle partly outside the picture keeps its scale.
  Image small(4, 2);
  Canvas small_canvas(small);
  small_canvas.FillRect(Rect{0, 0, 4, 2}, kBlue);
  small_canvas.Stretch(*src, Rect{2, 0, 6, 1}, Rect{0, 0, 4, 1});
  EXPECT_EQ(small.ColourAt(3, 0), kBlue);
  EXPECT_EQ(small.PixelAt(1, 0), 0u);
}

TEST(CanvasTest, OnePixelLinesHaveNoAntialiasing) {
  Image image(10, 10);
  Canvas canvas(image);
  canvas.Polyline({Point{1, 5}, Point{8, 5}, Point{8, 1}}, kWhite, 1);
  EXPECT_EQ(image.ColourAt(1, 5), kWhite);
  EXPECT_EQ(image.ColourAt(7, 5), kWhite);
  EXPECT_EQ(image.ColourAt(8, 3), kWhite);
  EXPECT_EQ(image.ColourAt(4, 4), kBlack);
  EXPECT_EQ(image.ColourAt(4, 6), kBlack);
  // Every pixel is either untouched or the pen colour.
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const Colour c = image.ColourAt(x, y);
      ASSERT_TRUE(c == kWhite || c == kBlack) << x << "," << y;
    }
  }
}

TEST(CanvasTest, MeasureTextSplitsOnlyAtLineBreaks) {
  Image image(10, 10);
  Canvas canvas(image);
  const Font font = TestFont(-20);
  const int line = font.line_height();
  const Size one = canvas.MeasureText("Hyperfocal", font);
  EXPECT_GT(one.width, 40);
  EXPECT_EQ(one.height, line);
  EXPECT_EQ(canvas.MeasureText("Hyper\nfocal", font).height, 2 * line);
  EXPECT_EQ(canvas.MeasureText("Hyper\r\nfocal\r\nx", font).height, 3 * line);
  EXPECT_EQ(canvas.MeasureText("Hyperfocal\nx", font).width, one.width);
  // No wrapping, however long; a lone carriage return is no break.
  EXPECT_EQ(canvas.MeasureText(std::string(300, 'm'), font).height, line);
  EXPECT_EQ(canvas.MeasureText("a\rb", font).height, line);
  EXPECT_EQ(canvas.MeasureText("", font), (Size{0, 0}));
  // Broken UTF-8 is measured, not refused.
  EXPECT_EQ(canvas.MeasureText("ab\xff", font).height, line);
}

class DrawTextTest : public ::testing::Test {
 protected:
  DrawTextTest() : image_(300, 100), canvas_(image_), font_(TestFont(-20)) {
    canvas_.FillRect(Rect{0, 0, 300, 100}, kBlue);
  }
  Rect Draw(const std::string& text, int format) {
    canvas_.DrawText(text, kBox, format, font_, kWhite);
    return InkBox(image_, kBlue);
  }

  static constexpr Rect kBox{50, 10, 250, 90};
  Image image_;
  Canvas canvas_;
  Font font_;
};

TEST_F(DrawTextTest, AlignsHorizontally) {
  const int width = canvas_.MeasureText("Focus", font_).width;
  const Rect left = Draw("Focus", kTextLeft);
  EXPECT_NEAR(left.left, 50, 3);
  EXPECT_LE(left.right, 50 + width + 1);

  canvas_.FillRect(Rect{0, 0, 300, 100}, kBlue);
  const Rect right = Draw("Focus", kTextRight);
  EXPECT_NEAR(right.right, 250, 3);

  canvas_.FillRect(Rect{0, 0, 300, 100}, kBlue);
  const Rect centre = Draw("Focus", kTextCentre);
  EXPECT_NEAR((centre.left + centre.right) / 2, 150, 3);
}

TEST_F(DrawTextTest, AlignsVertically) {
  const Rect top = Draw("Hx", kTextLeft);
  EXPECT_GE(top.top, 10);
  EXPECT_LT(top.bottom, 10 + font_.line_height() + 1);

  canvas_.FillRect(Rect{0, 0, 300, 100}, kBlue);
  const Rect bottom = Draw("Hx", kTextLeft | kTextBottom);
  EXPECT_LE(bottom.bottom, 90);
  EXPECT_GT(bottom.top, 90 - font_.line_height() - 1);

  canvas_.FillRect(Rect{0, 0, 300, 100}, kBlue);
  const Rect middle = Draw("Hx", kTextLeft | kTextVCentre);
  // The line box (not the ink) is centred: 10 + (80 - line) / 2.
  const int line_top = 10 + (80 - font_.line_height()) / 2;
  EXPECT_EQ(middle.top - line_top, top.top - 10);
}

TEST_F(DrawTextTest, LinesStackByLineHeightAndEachIsAligned) {
  const Rect both = Draw("W\nWWWW", kTextRight);
  canvas_.FillRect(Rect{0, 0, 300, 100}, kBlue);
  const Rect first = Draw("W", kTextRight);
  // Both lines end at the right edge; the block is two lines tall.
  EXPECT_EQ(both.right, first.right);
  EXPECT_EQ(both.top, first.top);
  EXPECT_NEAR(both.bottom - first.bottom, font_.line_height(), 1);
}

TEST_F(DrawTextTest, StaysInsideItsRectangleWithTransparentBackground) {
  canvas_.FillRect(Rect{100, 40, 110, 60}, Rgb(0, 255, 0));
  canvas_.DrawText("Wide text that cannot fit", Rect{60, 30, 120, 40},
                   kTextLeft, font_, kWhite);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 300; ++x) {
      const bool inside = x >= 60 && x < 120 && y >= 30 && y < 40;
      const bool green = x >= 100 && x < 110 && y >= 40 && y < 60;
      if (inside) continue;
      ASSERT_EQ(image_.ColourAt(x, y), green ? Rgb(0, 255, 0) : kBlue)
          << x << "," << y;
    }
  }
}

TEST_F(DrawTextTest, UsesTheCurrentFontAndScopedStateRestoresIt) {
  const Font big = TestFont(-40);
  {
    Canvas::ScopedState state(canvas_);
    canvas_.SetFont(&big);
    EXPECT_EQ(canvas_.MeasureText("A").height, big.line_height());
    canvas_.DrawText("A", kBox, kTextLeft, big, Rgb(255, 0, 0));
  }
  EXPECT_EQ(canvas_.font(), nullptr);
  bool red = false;
  for (int y = 10; y < 90 && !red; ++y) {
    for (int x = 50; x < 100 && !red; ++x) {
      red = image_.ColourAt(x, y) == Rgb(255, 0, 0);
    }
  }
  EXPECT_TRUE(red);
}

// The text fitter's smallest size: a text a little too wide is drawn just
// small enough to fit, a far wider one no smaller than the floor it is
// given.
TEST(TextFitterTest, ShrinksToFitButNotBelowTheSmallestSize) {
  Image image(8, 8);
  Canvas canvas(image);
  const Font title = TestFont(-33);
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
