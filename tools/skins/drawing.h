// Drawing helpers for the painters: colours, gradients, shapes, shadows.
#ifndef ZORVANEL_TOOLS_SKINS_DRAWING_H_
#define ZORVANEL_TOOLS_SKINS_DRAWING_H_

#include <cairo.h>

#include <functional>
#include <initializer_list>
#include <memory>

// Small drawing helpers shared by the picture painters: colours, gradients,
// rounded shapes, soft shadows and glows.
namespace zorvanel::skingen {

struct Rgba {
  double r = 0;
  double g = 0;
  double b = 0;
  double a = 1;
};

// 0xRRGGBB with an optional opacity.
constexpr Rgba Hex(unsigned rgb, double a = 1.0) {
  return Rgba{((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0,
              (rgb & 0xff) / 255.0, a};
}

// Linear mix: t = 0 gives a, t = 1 gives b.
Rgba Mix(const Rgba& a, const Rgba& b, double t);

struct Stop {
  double offset;
  Rgba colour;
};

struct PatternDeleter {
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;

PatternPtr Linear(double x0, double y0, double x1, double y1,
                  std::initializer_list<Stop> stops);
PatternPtr Radial(double cx0, double cy0, double r0, double cx1, double cy1,
                  double r1, std::initializer_list<Stop> stops);

void SetColour(cairo_t* cr, const Rgba& c);
void SetPattern(cairo_t* cr, const PatternPtr& p);

// cairo_save / cairo_restore for one scope.
class ScopedSave {
 public:
  explicit ScopedSave(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
  ~ScopedSave() { cairo_restore(cr_); }
  ScopedSave(const ScopedSave&) = delete;
  ScopedSave& operator=(const ScopedSave&) = delete;

 private:
  cairo_t* cr_;
};

// Path helpers (they only build the path).
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h,
                     double r);
void CirclePath(cairo_t* cr, double cx, double cy, double r);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);

void FillRect(cairo_t* cr, double x, double y, double w, double h,
              const Rgba& c);

// Builds a path in the current user space of cr.
using PathFunction = std::function<void(cairo_t*)>;

// Paints a blurred copy of the filled path in `colour`, offset by (dx, dy):
// drop shadows and glows. The blur radius is in device pixels.
void SoftShape(cairo_t* cr, const PathFunction& path, const Rgba& colour,
               double blur, double dx = 0, double dy = 0);

// A glossy highlight over the upper part of a rounded rectangle: white,
// strongest at the top and fading out by the middle.
void GlossHighlight(cairo_t* cr, double x, double y, double w, double h,
                    double r, double strength);

// Box blur (three passes, close to a Gaussian) of an ARGB32 surface in place.
void BlurSurface(cairo_surface_t* surface, double radius);

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_DRAWING_H_
