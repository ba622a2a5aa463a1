// A skin picture drawn from its recipe, with its pixels as the bundle stores.
#include "picture.h"

namespace zorvanel::skingen {

Picture::Picture(const PictureRecipe& info)
    : recipe_(info),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, info.width,
                                          info.height)) {
  ContextPtr cr(cairo_create(surface_.get()));
  if (info.bits == 24) {
    cairo_set_source_rgb(cr.get(), 0, 0, 0);
    cairo_paint(cr.get());
  }
  info.paint(cr.get(), info.width, info.height);
  cairo_surface_flush(surface_.get());
}

std::vector<uint8_t> Picture::StoredPixels() const {
  const int w = recipe_.width;
  const int h = recipe_.height;
  const int stride = cairo_image_surface_get_stride(surface_.get()) / 4;
  const auto* words = reinterpret_cast<const uint32_t*>(
      cairo_image_surface_get_data(surface_.get()));
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(w) * h * (recipe_.bits / 8));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint32_t px = words[y * stride + x];
      const unsigned a = px >> 24;
      unsigned rgb[3] = {(px >> 16) & 0xff, (px >> 8) & 0xff, px & 0xff};
      if (recipe_.bits == 32) {
        // Undo Cairo's premultiplication. Rounding up makes the loader's
        // (c * a) / 255 give back exactly the colour drawn here.
        for (unsigned& c : rgb) c = a == 0 ? 0 : (c * 255 + a - 1) / a;
      }
      // A 24-bit picture is opaque: whatever alpha is left counts as drawn
      // over black, which the premultiplied colour already is.
      out.push_back(static_cast<uint8_t>(rgb[2]));
      out.push_back(static_cast<uint8_t>(rgb[1]));
      out.push_back(static_cast<uint8_t>(rgb[0]));
      if (recipe_.bits == 32) out.push_back(static_cast<uint8_t>(a));
    }
  }
  return out;
}

bool Picture::SavePng(const std::string& path) const {
  if (recipe_.bits == 32) {
    return cairo_surface_write_to_png(surface_.get(), path.c_str()) ==
           CAIRO_STATUS_SUCCESS;
  }
  // Written as RGB so that the file shows what the program will see.
  SurfacePtr opaque(cairo_image_surface_create(CAIRO_FORMAT_RGB24,
                                               recipe_.width, recipe_.height));
  ContextPtr cr(cairo_create(opaque.get()));
  cairo_set_source_surface(cr.get(), surface_.get(), 0, 0);
  cairo_paint(cr.get());
  cairo_surface_flush(opaque.get());
  return cairo_surface_write_to_png(opaque.get(), path.c_str()) ==
         CAIRO_STATUS_SUCCESS;
}

}  // namespace zorvanel::skingen
