// The skin pictures by id, loaded once, with their stretched copies.
#include "skins/bitmap_cache.h"

#include "platform/canvas.h"

namespace zorvanel {

Bitmap* BitmapCache::GetBitmap(unsigned id) {
  if (auto it = bitmaps_.find(id); it != bitmaps_.end()) {
    return it->second.get();
  }
  auto bitmap = std::make_unique<Bitmap>();
  ++load_count_;
  if (!bitmap->Load(id).ok()) return nullptr;
  return bitmaps_.emplace(id, std::move(bitmap)).first->second.get();
}

const Image* BitmapCache::GetScaled(unsigned id, Size size) {
  if (size.width <= 0 || size.height <= 0) return nullptr;
  const Bitmap* bitmap = GetBitmap(id);
  if (bitmap == nullptr) return nullptr;
  const Image& source = bitmap->image();
  if (source.size() == size) return &source;
  auto& slot = scaled_[{id, size.width, size.height}];
  if (!slot) {
    slot =
        std::make_unique<Image>(size.width, size.height, source.source_bits());
    Canvas canvas(*slot);
    canvas.Stretch(source, Rect{0, 0, source.width(), source.height()},
                   Rect{0, 0, size.width, size.height});
  }
  return slot.get();
}

void BitmapCache::Drop(unsigned id) {
  bitmaps_.erase(id);
  std::erase_if(scaled_, [id](const auto& entry) {
    return std::get<0>(entry.first) == id;
  });
}

Bitmap* BitmapCache::Adopt(unsigned id, std::unique_ptr<Bitmap> bitmap) {
  if (!bitmap || !bitmap->loaded()) return nullptr;
  Drop(id);  // stretched copies of the old picture go too
  auto& slot = bitmaps_[id];
  slot = std::move(bitmap);
  return slot.get();
}

BitmapCache& GetBitmapCache() {
  static BitmapCache cache;
  return cache;
}

Bitmap* GetBitmap(unsigned id) { return GetBitmapCache().GetBitmap(id); }

const Image* GetScaledBitmap(unsigned id, Size size) {
  return GetBitmapCache().GetScaled(id, size);
}

}  // namespace zorvanel
