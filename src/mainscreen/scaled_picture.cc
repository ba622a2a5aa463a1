#include "mainscreen/scaled_picture.h"

#include "platform/canvas.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {

const Image* ScaledPicture::Get() {
  if (scaled_) return scaled_.get();
  if (size_.width <= 0 || size_.height <= 0) return nullptr;
  const Bitmap* bitmap = GetBitmap(bitmap_id_);
  if (bitmap == nullptr) return nullptr;
  const Image& source = bitmap->image();
  if (source.size() == size_) return &source;
  scaled_ =
      std::make_unique<Image>(size_.width, size_.height, source.source_bits());
  Canvas canvas(*scaled_);
  canvas.Stretch(source, Rect{0, 0, source.width(), source.height()},
                 Rect{0, 0, size_.width, size_.height});
  return scaled_.get();
}

}  // namespace zorvanel
