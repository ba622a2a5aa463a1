// Tests of the bitmap cache: loading once, missing pictures, stretched copies.
#include "skins/bitmap_cache.h"

#include <gtest/gtest.h>

#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

TEST(BitmapCacheTest, SameIdTwiceLoadsOnceAndGivesTheSameBitmap) {
  BitmapCache cache;
  Bitmap* first = cache.GetBitmap(pictures::kWheel);
  ASSERT_NE(first, nullptr);
  Bitmap* second = cache.GetBitmap(pictures::kWheel);
  EXPECT_EQ(first, second);
  EXPECT_EQ(cache.load_count(), 1);
  EXPECT_EQ(cache.size(), 1u);
  EXPECT_EQ(second->width(), 480);
}

TEST(BitmapCacheTest, MissingPictureIsNullAndTriedAgainLater) {
  BitmapCache cache;
  EXPECT_EQ(cache.GetBitmap(9999), nullptr);
  EXPECT_EQ(cache.size(), 0u);
  EXPECT_EQ(cache.GetBitmap(9999), nullptr);
  EXPECT_EQ(cache.load_count(), 2);
}

TEST(BitmapCacheTest, ProcessCacheIsShared) {
  Bitmap* a = GetBitmap(pictures::kButtonSkin);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(GetBitmapCache().GetBitmap(pictures::kButtonSkin), a);
}

TEST(BitmapCacheTest, AdoptedPictureReplacesTheResource) {
  BitmapCache cache;
  EXPECT_EQ(cache.Adopt(5, std::make_unique<Bitmap>()), nullptr);  // empty
  auto bitmap = std::make_unique<Bitmap>();
  ASSERT_TRUE(bitmap->Load(pictures::kLogo).ok());
  Bitmap* adopted = cache.Adopt(pictures::kWheel, std::move(bitmap));
  EXPECT_EQ(cache.GetBitmap(pictures::kWheel), adopted);
  EXPECT_EQ(adopted->width(), 100);
  EXPECT_EQ(cache.load_count(), 0);
  cache.Drop(pictures::kWheel);
  EXPECT_EQ(cache.GetBitmap(pictures::kWheel)->width(), 480);
}

// Stretched copies are made once per id and size, keep a 32-bit picture's
// transparency (a button overlay blended over its skin needs it), and go
// when the picture they came from is replaced.
TEST(BitmapCacheTest, StretchedCopiesAreMadeOnceAndFollowTheirPicture) {
  BitmapCache cache;
  EXPECT_EQ(cache.GetScaled(pictures::kButtonOverlay, Size{0, 10}), nullptr);
  EXPECT_EQ(cache.GetScaled(9999, Size{10, 10}), nullptr);
  const Image* original =
      cache.GetScaled(pictures::kButtonOverlay, Size{460, 460});
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(original, &cache.GetBitmap(pictures::kButtonOverlay)->image());

  const Image* small = cache.GetScaled(pictures::kButtonOverlay, Size{200, 90});
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(small->size(), (Size{200, 90}));
  EXPECT_EQ(cache.GetScaled(pictures::kButtonOverlay, Size{200, 90}), small);
  EXPECT_NE(cache.GetScaled(pictures::kButtonOverlay, Size{90, 200}), small);
  EXPECT_EQ(small->source_bits(), 32);
  // The gloss overlay is transparent at its bottom, opaque nowhere.
  EXPECT_EQ(small->AlphaAt(100, 89), 0);

  auto replacement = std::make_unique<Bitmap>();
  // 24 bits: opaque everywhere.
  ASSERT_TRUE(replacement->Load(pictures::kLogo).ok());
  cache.Adopt(pictures::kButtonOverlay, std::move(replacement));
  const Image* replaced =
      cache.GetScaled(pictures::kButtonOverlay, Size{200, 90});
  ASSERT_NE(replaced, nullptr);
  EXPECT_EQ(replaced->AlphaAt(100, 89), 255);
}

}  // namespace
}  // namespace zorvanel
