// Tests of the skin pictures and the bundle: sizes, alpha, loading, damage.
#include "skins/bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skins/skin_bundle.h"

namespace zorvanel {
namespace {

struct Pixel {
  uint8_t b, g, r, a;
};

Pixel Premultiplied(Pixel p) {
  uint8_t bgra[4] = {p.b, p.g, p.r, p.a};
  PremultiplyPixel(bgra);
  return Pixel{bgra[0], bgra[1], bgra[2], bgra[3]};
}

TEST(PremultiplyPixelTest, ScalesColoursByAlphaAndTruncates) {
  // 200 * 128 / 255 = 100.39, 100 * 128 / 255 = 50.19, 50 * 128 / 255 = 25.1
  Pixel half = Premultiplied({200, 100, 50, 128});
  EXPECT_EQ(half.b, 100);
  EXPECT_EQ(half.g, 50);
  EXPECT_EQ(half.r, 25);
  EXPECT_EQ(half.a, 128);

  Pixel opaque = Premultiplied({200, 100, 50, 255});
  EXPECT_EQ(opaque.b, 200);
  EXPECT_EQ(opaque.g, 100);
  EXPECT_EQ(opaque.r, 50);
  EXPECT_EQ(opaque.a, 255);

  Pixel clear = Premultiplied({200, 100, 50, 0});
  EXPECT_EQ(clear.b, 0);
  EXPECT_EQ(clear.g, 0);
  EXPECT_EQ(clear.r, 0);
  EXPECT_EQ(clear.a, 0);

  // 255 * 254 / 255 is exactly 254; 1 * 254 / 255 truncates to 0.
  Pixel edge = Premultiplied({255, 1, 128, 254});
  EXPECT_EQ(edge.b, 254);
  EXPECT_EQ(edge.g, 0);
  EXPECT_EQ(edge.r, 127);  // 128 * 254 / 255 = 127.5
}

struct Declared {
  unsigned id;
  int width;
  int height;
  int bits;
};

// The pictures the screens rely on, with the sizes their layouts assume.
const Declared kDeclared[] = {
    {134, 480, 40, 24},  {135, 480, 163, 24}, {152, 64, 64, 32},
    {153, 120, 95, 24},  {154, 120, 67, 24},  {156, 400, 50, 24},
    {158, 180, 60, 24},  {159, 180, 60, 24},  {160, 180, 60, 24},
    {161, 180, 60, 24},  {162, 180, 60, 24},  {163, 100, 100, 24},
    {165, 120, 80, 32},  {166, 107, 80, 32},  {169, 71, 54, 24},
    {170, 71, 54, 24},   {178, 74, 74, 32},   {179, 74, 74, 32},
    {180, 78, 66, 32},   {181, 78, 42, 32},   {182, 78, 59, 32},
    {183, 74, 74, 32},   {184, 74, 74, 32},   {185, 84, 84, 24},
    {186, 460, 460, 32}, {189, 100, 100, 24},
};

TEST(BitmapTest, EveryPictureHasItsDeclaredSizeAndDepth) {
  for (const Declared& d : kDeclared) {
    SCOPED_TRACE(d.id);
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Load(d.id).ok());
    EXPECT_EQ(bitmap.width(), d.width);
    EXPECT_EQ(bitmap.height(), d.height);
    EXPECT_EQ(bitmap.bits_per_pixel(), d.bits);
    EXPECT_EQ(bitmap.image().width(), d.width);
    EXPECT_EQ(bitmap.image().height(), d.height);
    EXPECT_EQ(bitmap.image().source_bits(), d.bits);
  }
}

// 24-bit pictures are opaque everywhere; 32-bit ones come premultiplied
// (no colour above its alpha) and really use their alpha.
TEST(BitmapTest, AlphaMatchesTheDepth) {
  for (const Declared& d : kDeclared) {
    SCOPED_TRACE(d.id);
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Load(d.id).ok());
    const Image& image = bitmap.image();
    int transparent = 0;
    int translucent = 0;
    bool colour_above_alpha = false;
    bool opaque = true;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const uint32_t px = image.PixelAt(x, y);
        const unsigned a = px >> 24;
        opaque = opaque && a == 255;
        transparent += a == 0;
        translucent += a > 0 && a < 255;
        for (int shift : {0, 8, 16}) {
          colour_above_alpha = colour_above_alpha || ((px >> shift) & 0xff) > a;
        }
      }
    }
    EXPECT_FALSE(colour_above_alpha);
    if (d.bits == 24) {
      EXPECT_TRUE(opaque);
    } else {
      EXPECT_GT(transparent, 0);
      EXPECT_GT(translucent, 0);
    }
  }
}

// A pixel of a 32-bit picture as stored is (colour, alpha); loaded, it is
// (colour * alpha / 255, alpha).
TEST(BitmapTest, LoadPremultipliesStoredPixels) {
  const uint8_t pixels[] = {200, 100, 50,  128, 10, 20, 30, 0,
                            255, 255, 255, 255, 90, 60, 30, 51};
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.LoadRecord(SkinRecord{1, 2, 2, 32, pixels}).ok());
  const Image& image = bitmap.image();
  EXPECT_EQ(image.PixelAt(0, 0), 0x80193264u);  // a 128, r 25, g 50, b 100
  EXPECT_EQ(image.PixelAt(1, 0), 0x00000000u);
  EXPECT_EQ(image.PixelAt(0, 1), 0xffffffffu);
  EXPECT_EQ(image.PixelAt(1, 1), 0x33060c12u);  // 30/5 = 6, 60/5, 90/5
}

TEST(BitmapTest, TwentyFourBitPixelsStayAsStored) {
  const uint8_t pixels[] = {1, 2, 3, 250, 251, 252};
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.LoadRecord(SkinRecord{1, 2, 1, 24, pixels}).ok());
  EXPECT_EQ(bitmap.image().PixelAt(0, 0), 0xff030201u);
  EXPECT_EQ(bitmap.image().PixelAt(1, 0), 0xfffcfbfau);
}

TEST(BitmapTest, LoadsOnlyOnceAndOnlyKnownPictures) {
  Bitmap bitmap;
  EXPECT_FALSE(bitmap.loaded());
  EXPECT_FALSE(bitmap.Load(1).ok());  // no picture has that id
  EXPECT_FALSE(bitmap.loaded());
  ASSERT_TRUE(bitmap.Load(185).ok());
  EXPECT_FALSE(bitmap.Load(186).ok());
  EXPECT_EQ(bitmap.width(), 84);  // still the first picture
}

// Builds a bundle by hand: header, then records of the given sizes with
// every pixel byte set to the record's id.
std::vector<uint8_t> MakeBundle(
    std::initializer_list<std::pair<unsigned, int>> id_and_side,
    uint32_t count_in_header) {
  std::vector<uint8_t> out = {'Z', 'V', 'S', 'K'};
  auto put = [&out](uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> 8 * i));
  };
  put(1);
  put(count_in_header);
  for (auto [id, side] : id_and_side) {
    put(id);
    put(side);
    put(side);
    put(24);
    out.insert(out.end(), side * side * 3, static_cast<uint8_t>(id));
  }
  return out;
}

TEST(SkinBundleTest, FindsRecordsAndRejectsDamage) {
  const std::vector<uint8_t> bundle = MakeBundle({{7, 2}, {9, 3}}, 2);
  auto found = FindSkinRecordIn(bundle.data(), bundle.size(), 9);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->width, 3);
  EXPECT_EQ(found->bits, 24);
  // 12 bytes of header, 16 + 12 for the first record, 16 for this header.
  EXPECT_EQ(found->pixels, bundle.data() + 56);
  EXPECT_FALSE(FindSkinRecordIn(bundle.data(), bundle.size(), 8));

  // Cut one byte short of the last pixel: that record is no longer there.
  EXPECT_FALSE(FindSkinRecordIn(bundle.data(), bundle.size() - 1, 9));
  EXPECT_TRUE(FindSkinRecordIn(bundle.data(), bundle.size() - 1, 7));

  // A count that promises more records than there are.
  const std::vector<uint8_t> overcounted = MakeBundle({{7, 2}}, 5);
  EXPECT_FALSE(FindSkinRecordIn(overcounted.data(), overcounted.size(), 8));

  std::vector<uint8_t> bad_magic = bundle;
  bad_magic[0] = 'X';
  EXPECT_FALSE(FindSkinRecordIn(bad_magic.data(), bad_magic.size(), 7));
  EXPECT_FALSE(FindSkinRecordIn(bundle.data(), 11, 7));
}

TEST(SkinBundleTest, HugeSizesInARecordAreRejected) {
  std::vector<uint8_t> bundle = MakeBundle({{7, 2}}, 1);
  // Width 0xffffffff: would overflow the pixel count.
  for (int i = 0; i < 4; ++i) bundle[16 + i] = 0xff;
  EXPECT_FALSE(FindSkinRecordIn(bundle.data(), bundle.size(), 7));
}

}  // namespace
}  // namespace zorvanel
