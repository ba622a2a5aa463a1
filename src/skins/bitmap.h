// A skin picture of the program, loaded from the bundle and premultiplied.
#ifndef ZORVANEL_SKINS_BITMAP_H_
#define ZORVANEL_SKINS_BITMAP_H_

#include <cstdint>
#include <memory>

#include "platform/image.h"
#include "platform/status.h"

namespace zorvanel {

struct SkinRecord;

// A picture from the program's embedded resources, loaded once and held
// ready for copying. 32-bit pictures are premultiplied on load.
class Bitmap {
 public:
  Bitmap();
  ~Bitmap();

  // Fails when already loaded or when no resource has that id.
  Status Load(unsigned id);
  // Loads a picture given directly (one that is not in the program's own
  // resources, such as a test picture); fails when already loaded or when
  // the record holds no picture.
  Status LoadRecord(const SkinRecord& record);
  bool loaded() const { return image_ != nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  int bits_per_pixel() const { return bits_per_pixel_; }
  const Image& image() const { return *image_; }

 private:
  int width_ = 0;
  int height_ = 0;
  int bits_per_pixel_ = 0;
  std::unique_ptr<Image> image_;
};

// Premultiplies one blue, green, red, alpha pixel in place:
// each colour becomes (colour * alpha) / 255, truncated.
void PremultiplyPixel(uint8_t bgra[4]);

}  // namespace zorvanel

#endif  // ZORVANEL_SKINS_BITMAP_H_
