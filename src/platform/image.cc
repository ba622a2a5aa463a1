// The pixel buffer everything is drawn into, and its PNG reading and writing.
#include "platform/image.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>

namespace zorvanel {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

// Reads PNG bytes from memory for cairo's stream loader.
struct MemoryReader {
  const uint8_t* bytes;
  size_t size;
  size_t offset;
};

cairo_status_t ReadFromMemory(void* closure, unsigned char* data,
                              unsigned int length) {
  auto* reader = static_cast<MemoryReader*>(closure);
  if (reader->size - reader->offset < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, reader->bytes + reader->offset, length);
  reader->offset += length;
  return CAIRO_STATUS_SUCCESS;
}

// Copies a surface cairo produced into an Image of our own format.
std::unique_ptr<Image> AdoptLoaded(cairo_surface_t* loaded) {
  if (cairo_surface_status(loaded) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(loaded);
    return nullptr;
  }
  const int bits =
      cairo_image_surface_get_format(loaded) == CAIRO_FORMAT_ARGB32 ? 32 : 24;
  auto image =
      std::make_unique<Image>(cairo_image_surface_get_width(loaded),
                              cairo_image_surface_get_height(loaded), bits);
  cairo_t* cr = cairo_create(image->surface());
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, loaded, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(loaded);
  return image;
}

}  // namespace

Image::Image(int width, int height, int source_bits)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      source_bits_(source_bits),
      surface_(
          cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
    // Too large to allocate: keep a valid, empty picture rather than a
    // surface every later call would have to check.
    cairo_surface_destroy(surface_);
    width_ = height_ = 0;
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 0, 0);
  }
  uint32_t* pixels = data();
  if (pixels == nullptr) return;
  const int stride = stride_words();
  for (int y = 0; y < height_; ++y) {
    std::fill_n(pixels + static_cast<size_t>(y) * stride, width_, kOpaqueBlack);
  }
  MarkDirty();
}

Image::~Image() { cairo_surface_destroy(surface_); }

uint32_t* Image::data() {
  cairo_surface_flush(surface_);
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
}

const uint32_t* Image::data() const {
  cairo_surface_flush(surface_);
  return reinterpret_cast<const uint32_t*>(
      cairo_image_surface_get_data(surface_));
}

int Image::stride_words() const {
  return cairo_image_surface_get_stride(surface_) / 4;
}

uint32_t Image::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return data()[static_cast<size_t>(y) * stride_words() + x];
}

Colour Image::ColourAt(int x, int y) const {
  const uint32_t p = PixelAt(x, y);
  return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

uint8_t Image::AlphaAt(int x, int y) const { return PixelAt(x, y) >> 24; }

void Image::MarkDirty() { cairo_surface_mark_dirty(surface_); }

Status Image::SavePng(const std::string& path) const {
  if (width_ == 0 || height_ == 0) return Status::Failure("no pixels to save");
  const cairo_status_t written =
      cairo_surface_write_to_png(surface_, path.c_str());
  if (written != CAIRO_STATUS_SUCCESS) {
    return Status::Failure(cairo_status_to_string(written));
  }
  return Status();
}

std::unique_ptr<Image> Image::LoadPng(const std::string& path) {
  return AdoptLoaded(cairo_image_surface_create_from_png(path.c_str()));
}

std::unique_ptr<Image> Image::LoadPngData(const uint8_t* bytes, size_t size) {
  if (bytes == nullptr) return nullptr;
  MemoryReader reader{bytes, size, 0};
  return AdoptLoaded(
      cairo_image_surface_create_from_png_stream(ReadFromMemory, &reader));
}

}  // namespace zorvanel
