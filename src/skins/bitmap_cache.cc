#include "skins/bitmap_cache.h"

namespace zorvanel {

Bitmap* BitmapCache::GetBitmap(unsigned id) {
  if (auto it = bitmaps_.find(id); it != bitmaps_.end()) {
    return it->second.get();
  }
  auto bitmap = std::make_unique<Bitmap>();
  ++load_count_;
  if (!bitmap->Load(id)) return nullptr;
  return bitmaps_.emplace(id, std::move(bitmap)).first->second.get();
}

Bitmap* BitmapCache::Adopt(unsigned id, std::unique_ptr<Bitmap> bitmap) {
  if (!bitmap || !bitmap->loaded()) return nullptr;
  auto& slot = bitmaps_[id];
  slot = std::move(bitmap);
  return slot.get();
}

BitmapCache& GetBitmapCache() {
  static BitmapCache cache;
  return cache;
}

Bitmap* GetBitmap(unsigned id) { return GetBitmapCache().GetBitmap(id); }

}  // namespace zorvanel
