// The skin pictures by id, loaded once, with their stretched copies.
#ifndef ZORVANEL_SKINS_BITMAP_CACHE_H_
#define ZORVANEL_SKINS_BITMAP_CACHE_H_

#include <map>
#include <memory>
#include <tuple>

#include "platform/geometry.h"
#include "platform/image.h"
#include "skins/bitmap.h"

namespace zorvanel {

// Skin pictures by resource id, each loaded on first request and held for
// the rest of the process.
class BitmapCache {
 public:
  // The cached picture, or null when the resource cannot be loaded (a later
  // request tries again).
  Bitmap* GetBitmap(unsigned id);
  // Puts a loaded picture under `id` in place of the resource of that id
  // (tests and tools); returns it, or null when `bitmap` is not loaded.
  Bitmap* Adopt(unsigned id, std::unique_ptr<Bitmap> bitmap);
  // The picture stretched to `size` (with filtering), made once per id and
  // size: stretching a large picture costs more than everything else in a
  // paint, and a screen draws the same few sizes again and again. The
  // picture itself when it already has that size; null when it cannot be
  // loaded or the size is empty.
  const Image* GetScaled(unsigned id, Size size);
  // Forgets the picture held under `id` and its stretched copies; pointers
  // to them become invalid.
  void Drop(unsigned id);
  // Forgets every stretched copy: the screen changed size, and the sizes
  // drawn from now on are others (a window dragged larger would otherwise
  // leave a copy of each picture at every size it passed).
  void DropScaled() { scaled_.clear(); }
  size_t scaled_count() const { return scaled_.size(); }
  size_t size() const { return bitmaps_.size(); }
  // How many times a picture was loaded (or tried) from the resources.
  int load_count() const { return load_count_; }

 private:
  std::map<unsigned, std::unique_ptr<Bitmap>> bitmaps_;
  std::map<std::tuple<unsigned, int, int>, std::unique_ptr<Image>> scaled_;
  int load_count_ = 0;
};

// The process-wide cache.
BitmapCache& GetBitmapCache();
// Shorthand for GetBitmapCache().GetBitmap(id).
Bitmap* GetBitmap(unsigned id);
// Shorthand for GetBitmapCache().GetScaled(id, size).
const Image* GetScaledBitmap(unsigned id, Size size);

}  // namespace zorvanel

#endif  // ZORVANEL_SKINS_BITMAP_CACHE_H_
