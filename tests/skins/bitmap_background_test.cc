// Tests of the nine-slice background: corners, edges, scale and rebuilding.
#include "skins/bitmap_background.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/canvas.h"
#include "skins/bitmap_cache.h"
#include "skins/skin_bundle.h"

namespace zorvanel {
namespace {

constexpr unsigned kSourceId = 60001;
constexpr unsigned kOtherSourceId = 60002;

// A source whose every pixel tells where it came from: red = x, green = y,
// and a blue of the caller's choice.
void AdoptCoordinateSource(unsigned id, int w, int h, uint8_t blue) {
  std::vector<uint8_t> pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels.insert(pixels.end(),
                    {blue, static_cast<uint8_t>(y), static_cast<uint8_t>(x)});
    }
  }
  auto bitmap = std::make_unique<Bitmap>();
  ASSERT_TRUE(bitmap->LoadRecord(SkinRecord{id, w, h, 24, pixels.data()}).ok());
  ASSERT_NE(GetBitmapCache().Adopt(id, std::move(bitmap)), nullptr);
}

class BitmapBackgroundTest : public testing::Test {
 protected:
  void SetUp() override {
    AdoptCoordinateSource(kSourceId, 84, 84, 7);
    AdoptCoordinateSource(kOtherSourceId, 84, 84, 99);
  }
  void TearDown() override {
    SetSkinScaleOverride(0);
    GetBitmapCache().Drop(kSourceId);
    GetBitmapCache().Drop(kOtherSourceId);
  }
};

// Where a pixel of the built background came from in the source.
Point SourceOf(const Image& image, int x, int y) {
  const Colour c = image.ColourAt(x, y);
  return Point{c.r, c.g};
}

// 200 x 50 from 84 x 84: the corners (33 x 33) are taller than half the
// target, so neither the centre nor the side edges are drawn and the corners
// overlap. The top and bottom edges still span the width between them: a
// button this flat must not show a hole in its middle.
TEST_F(BitmapBackgroundTest, FlatTargetGetsCornersAndTopAndBottomEdges) {
  SetSkinScaleOverride(100);
  Image target(200, 50);
  Canvas canvas(target);
  CBitmapBackground background(kSourceId);
  background.Draw(canvas, 200, 50);
  const Image& built = *background.built();
  ASSERT_EQ(built.size(), (Size{200, 50}));
  // Corners of 33 x 33 (2 * 84 / 5), copied pixel for pixel.
  EXPECT_EQ(SourceOf(built, 0, 0), (Point{0, 0}));
  EXPECT_EQ(SourceOf(built, 32, 12), (Point{32, 12}));
  EXPECT_EQ(SourceOf(built, 199, 0), (Point{83, 0}));
  EXPECT_EQ(SourceOf(built, 167, 5), (Point{51, 5}));
  EXPECT_EQ(SourceOf(built, 0, 49), (Point{0, 83}));
  EXPECT_EQ(SourceOf(built, 199, 49), (Point{83, 83}));
  // Top and bottom corners overlap on rows 17 to 32 and no side edge is
  // drawn: the bottom corners come last, so row 20 shows source row
  // 51 + (20 - 17) = 54.
  EXPECT_EQ(SourceOf(built, 0, 20), (Point{0, 54}));
  EXPECT_EQ(SourceOf(built, 199, 32), (Point{83, 66}));
  // Between the corners: the top edge (source rows 0 to 32), overlapped
  // from row 17 by the bottom edge (source rows 51 to 83), both stretched
  // from source columns 33 to 50.
  for (int x = 33; x < 167; x += 11) {
    const Point top = SourceOf(built, x, 10);
    EXPECT_GE(top.x, 33);
    EXPECT_LE(top.x, 50);
    EXPECT_EQ(top.y, 10);
    const Point overlap = SourceOf(built, x, 20);
    EXPECT_EQ(overlap.y, 54);
    const Point bottom = SourceOf(built, x, 40);
    EXPECT_GE(bottom.x, 33);
    EXPECT_LE(bottom.x, 50);
    EXPECT_EQ(bottom.y, 74);
  }
  // At scale 100 the target receives the built background unchanged.
  EXPECT_EQ(target.PixelAt(199, 49), built.PixelAt(199, 49));
  EXPECT_EQ(target.PixelAt(100, 20), built.PixelAt(100, 20));
}

// 60 x 100: the mirror case, corners wider than half the target: only the
// side edges join them.
TEST_F(BitmapBackgroundTest, NarrowTargetGetsCornersAndSideEdges) {
  SetSkinScaleOverride(100);
  Image target(60, 100);
  Canvas canvas(target);
  CBitmapBackground background(kSourceId);
  background.Draw(canvas, 60, 100);
  const Image& built = *background.built();
  // Right corners (from x = 27) drawn over the left ones.
  EXPECT_EQ(SourceOf(built, 30, 0), (Point{54, 0}));
  EXPECT_EQ(SourceOf(built, 59, 99), (Point{83, 83}));
  for (int y = 33; y < 67; y += 6) {
    const Point left = SourceOf(built, 10, y);
    EXPECT_EQ(left.x, 10);
    EXPECT_GE(left.y, 33);
    EXPECT_LE(left.y, 50);
    EXPECT_EQ(SourceOf(built, 30, y).x, 54);  // right edge over left edge
  }
}

TEST_F(BitmapBackgroundTest, LargeTargetStretchesEdgesAndCentre) {
  SetSkinScaleOverride(100);
  Image target(140, 100);
  Canvas canvas(target);
  CBitmapBackground background(kSourceId);
  background.Draw(canvas, 140, 100);
  const Image& built = *background.built();
  // Corners unscaled.
  EXPECT_EQ(SourceOf(built, 139, 99), (Point{83, 83}));
  EXPECT_EQ(SourceOf(built, 107, 67), (Point{51, 51}));
  EXPECT_EQ(SourceOf(built, 32, 32), (Point{32, 32}));
  // Everything between comes from the middle 18 pixels (33 to 50) of the
  // source in the stretched direction and keeps its place in the other.
  for (int x = 33; x < 107; x += 7) {
    const Point top = SourceOf(built, x, 5);
    EXPECT_GE(top.x, 33);
    EXPECT_LE(top.x, 50);
    EXPECT_EQ(top.y, 5);
    const Point bottom = SourceOf(built, x, 95);
    EXPECT_GE(bottom.x, 33);
    EXPECT_LE(bottom.x, 50);
    EXPECT_EQ(bottom.y, 79);  // 95 - 67 + 51
  }
  for (int y = 33; y < 67; y += 5) {
    const Point left = SourceOf(built, 3, y);
    EXPECT_EQ(left.x, 3);
    EXPECT_GE(left.y, 33);
    EXPECT_LE(left.y, 50);
    const Point centre = SourceOf(built, 70, y);
    EXPECT_GE(centre.x, 33);
    EXPECT_LE(centre.x, 50);
    EXPECT_GE(centre.y, 33);
    EXPECT_LE(centre.y, 50);
  }
  EXPECT_EQ(built.ColourAt(70, 50).b, 7);  // nothing left undrawn
}

// At scale 50 the corners are 16 pixels (33 * 50 / 100) and the background
// is made at the control's own size: never larger than what it covers.
TEST_F(BitmapBackgroundTest, BuildsAtTheDrawnSizeWithScaledCorners) {
  SetSkinScaleOverride(50);
  Image target(120, 60);
  Canvas canvas(target);
  canvas.FillRect(Rect{0, 0, 120, 60}, Rgb(255, 255, 255));
  CBitmapBackground background(kSourceId);
  background.Draw(canvas, 100, 40);
  ASSERT_NE(background.built(), nullptr);
  EXPECT_EQ(background.built()->size(), (Size{100, 40}));
  // The far corner lands in the control's far corner, the centre comes from
  // the source's middle, and nothing beyond the control is touched.
  const Point far = SourceOf(target, 99, 39);
  EXPECT_GE(far.x, 80);
  EXPECT_GE(far.y, 80);
  const Point centre = SourceOf(target, 50, 20);
  EXPECT_GE(centre.x, 33);
  EXPECT_LE(centre.x, 50);
  EXPECT_GE(centre.y, 33);
  EXPECT_LE(centre.y, 50);
  EXPECT_EQ(target.ColourAt(100, 20), Rgb(255, 255, 255));
  EXPECT_EQ(target.ColourAt(50, 40), Rgb(255, 255, 255));
  // A wide control at a tiny scale: 2000 x 300 pixels, not 28,000 x 4,200.
  SetSkinScaleOverride(7);
  Image wide(2000, 300);
  Canvas wide_canvas(wide);
  background.Draw(wide_canvas, 2000, 300);
  EXPECT_EQ(background.built()->size(), (Size{2000, 300}));
}

TEST_F(BitmapBackgroundTest, RebuildsOnlyForANewSizeOrSource) {
  SetSkinScaleOverride(100);
  Image target(120, 60);
  Canvas canvas(target);
  CBitmapBackground background(kSourceId);
  background.Draw(canvas, 100, 40);
  const Image* first = background.built();
  background.Draw(canvas, 100, 40);
  EXPECT_EQ(background.built(), first);
  background.Draw(canvas, 110, 40);
  EXPECT_EQ(background.built()->size(), (Size{110, 40}));

  // A new source shows at once, at the same size.
  background.SetSourceId(kOtherSourceId);
  background.Draw(canvas, 110, 40);
  EXPECT_EQ(background.built()->ColourAt(0, 0).b, 99);
  EXPECT_EQ(target.ColourAt(0, 0).b, 99);
}

TEST_F(BitmapBackgroundTest, MissingSourceOrEmptyTargetIsHarmless) {
  SetSkinScaleOverride(100);
  Image target(50, 50);
  Canvas canvas(target);
  canvas.FillRect(Rect{0, 0, 50, 50}, Rgb(255, 255, 255));
  CBitmapBackground nothing(9999);
  nothing.Draw(canvas, 30, 30);
  ASSERT_NE(nothing.built(), nullptr);
  EXPECT_EQ(target.ColourAt(10, 10), Rgb(0, 0, 0));  // blank background
  EXPECT_EQ(target.ColourAt(40, 40), Rgb(255, 255, 255));

  CBitmapBackground background(kSourceId);
  background.Draw(canvas, 0, 30);
  background.Draw(canvas, 30, -4);
  EXPECT_EQ(background.built(), nullptr);
  // At scale 300 a one-pixel control still gets its one pixel.
  SetSkinScaleOverride(300);
  background.Draw(canvas, 1, 1);
  EXPECT_EQ(background.built()->size(), (Size{1, 1}));
}

TEST_F(BitmapBackgroundTest, ScaleDefaultsToOneHundredWithoutShell) {
  SetSkinScaleOverride(0);
  EXPECT_EQ(SkinScale(), 100);
  SetSkinScaleOverride(75);
  EXPECT_EQ(SkinScale(), 75);
}

}  // namespace
}  // namespace zorvanel
