// A skin picture drawn from its recipe, with its pixels as the bundle stores.
#ifndef ZORVANEL_TOOLS_SKINS_PICTURE_H_
#define ZORVANEL_TOOLS_SKINS_PICTURE_H_

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drawing.h"

namespace zorvanel::skingen {

// Draws a picture of width x height into cr. 24-bit pictures start out
// opaque black, 32-bit ones fully transparent.
using PaintFunction = void (*)(cairo_t* cr, int width, int height);

struct PictureRecipe {
  unsigned id;
  const char* name;
  int width;
  int height;
  int bits;  // 24: opaque; 32: with per-pixel alpha
  PaintFunction paint;
};

// Every skin picture of the program, by rising id.
const std::vector<PictureRecipe>& AllPictures();

// One drawn picture.
class Picture {
 public:
  explicit Picture(const PictureRecipe& info);

  const PictureRecipe& info() const { return recipe_; }
  cairo_surface_t* surface() const { return surface_.get(); }

  // The pixels as they go into the bundle, top row first: blue, green, red
  // for 24-bit pictures; blue, green, red, alpha (not premultiplied) for
  // 32-bit ones.
  std::vector<uint8_t> StoredPixels() const;
  bool SavePng(const std::string& path) const;

 private:
  PictureRecipe recipe_;
  SurfacePtr surface_;
};

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_PICTURE_H_
