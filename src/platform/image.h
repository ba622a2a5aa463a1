// The pixel buffer everything is drawn into, and its PNG reading and writing.
#ifndef ZORVANEL_PLATFORM_IMAGE_H_
#define ZORVANEL_PLATFORM_IMAGE_H_

#include <cstdint>
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "platform/status.h"

typedef struct _cairo_surface cairo_surface_t;

namespace zorvanel {

// A pixel buffer: Cairo ARGB32, premultiplied alpha. New images are opaque
// black. `source_bits` records the depth of the picture it was made from
// (24 = opaque, 32 = with per-pixel alpha); drawing code uses it to decide
// whether per-pixel alpha applies.
class Image {
 public:
  Image(int width, int height, int source_bits = 24);
  ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  Size size() const { return Size{width_, height_}; }
  int source_bits() const { return source_bits_; }

  // Raw access to the premultiplied 0xAARRGGBB words, row by row.
  uint32_t* data();
  const uint32_t* data() const;
  int stride_words() const;  // 32-bit words per row

  uint32_t PixelAt(int x, int y) const;  // premultiplied 0xAARRGGBB
  Colour ColourAt(int x, int y) const;   // red, green, blue as stored
  uint8_t AlphaAt(int x, int y) const;

  // Marks the pixels as changed after writes through data().
  void MarkDirty();

  // Writes the pixels to a PNG file; the reason when they cannot be written.
  Status SavePng(const std::string& path) const;
  // Reads a PNG file or PNG bytes; null on failure.
  static std::unique_ptr<Image> LoadPng(const std::string& path);
  static std::unique_ptr<Image> LoadPngData(const uint8_t* bytes, size_t size);

  cairo_surface_t* surface() const { return surface_; }

 private:
  int width_;
  int height_;
  int source_bits_;
  cairo_surface_t* surface_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_IMAGE_H_
