#ifndef ZORVANEL_SKINS_BITMAP_CACHE_H_
#define ZORVANEL_SKINS_BITMAP_CACHE_H_

#include <map>
#include <memory>

#include "skins/bitmap.h"

namespace zorvanel {

// Skin pictures by resource id, each loaded on first request and held for
// the rest of the process.
class BitmapCache {
 public:
  // The cached picture, or null when the resource cannot be loaded (a later
  // request tries again).
  Bitmap* GetBitmap(unsigned id);
  size_t size() const { return bitmaps_.size(); }

 private:
  std::map<unsigned, std::unique_ptr<Bitmap>> bitmaps_;
};

// The process-wide cache.
BitmapCache& GetBitmapCache();
// Shorthand for GetBitmapCache().GetBitmap(id).
Bitmap* GetBitmap(unsigned id);

}  // namespace zorvanel

#endif  // ZORVANEL_SKINS_BITMAP_CACHE_H_
