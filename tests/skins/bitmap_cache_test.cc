#include "skins/bitmap_cache.h"

#include <gtest/gtest.h>

namespace zorvanel {
namespace {

TEST(BitmapCacheTest, SameIdTwiceLoadsOnceAndGivesTheSameBitmap) {
  BitmapCache cache;
  Bitmap* first = cache.GetBitmap(134);
  ASSERT_NE(first, nullptr);
  Bitmap* second = cache.GetBitmap(134);
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
  Bitmap* a = GetBitmap(185);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(GetBitmapCache().GetBitmap(185), a);
}

TEST(BitmapCacheTest, AdoptedPictureReplacesTheResource) {
  BitmapCache cache;
  EXPECT_EQ(cache.Adopt(5, std::make_unique<Bitmap>()), nullptr);  // empty
  auto bitmap = std::make_unique<Bitmap>();
  ASSERT_TRUE(bitmap->Load(189));
  Bitmap* adopted = cache.Adopt(134, std::move(bitmap));
  EXPECT_EQ(cache.GetBitmap(134), adopted);
  EXPECT_EQ(adopted->width(), 100);
  EXPECT_EQ(cache.load_count(), 0);
  cache.Drop(134);
  EXPECT_EQ(cache.GetBitmap(134)->width(), 480);
}

}  // namespace
}  // namespace zorvanel
