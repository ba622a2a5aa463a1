// Drawing helpers for the painters: colours, gradients, shapes, shadows.
#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zorvanel::skingen {

Rgba Mix(const Rgba& a, const Rgba& b, double t) {
  return Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t,
              a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

namespace {

void AddStops(cairo_pattern_t* p, std::initializer_list<Stop> stops) {
  for (const Stop& s : stops) {
    cairo_pattern_add_color_stop_rgba(p, s.offset, s.colour.r, s.colour.g,
                                      s.colour.b, s.colour.a);
  }
}

// One box-blur pass along a line of `count` premultiplied pixels, `step`
// words apart, with a window of 2 * half + 1 pixels (edges clamp).
void BoxBlurLine(uint32_t* line, int count, int step, int half,
                 std::vector<uint32_t>& scratch) {
  scratch.resize(count);
  for (int i = 0; i < count; ++i) scratch[i] = line[i * step];
  const int window = 2 * half + 1;
  int sum[4] = {0, 0, 0, 0};
  auto add = [&](int index, int sign) {
    uint32_t px = scratch[std::clamp(index, 0, count - 1)];
    for (int c = 0; c < 4; ++c) sum[c] += sign * ((px >> (8 * c)) & 0xff);
  };
  for (int i = -half; i <= half; ++i) add(i, 1);
  for (int i = 0; i < count; ++i) {
    uint32_t out = 0;
    for (int c = 0; c < 4; ++c) {
      out |= static_cast<uint32_t>((sum[c] + window / 2) / window) << (8 * c);
    }
    line[i * step] = out;
    add(i - half, -1);
    add(i + half + 1, 1);
  }
}

}  // namespace

PatternPtr Linear(double x0, double y0, double x1, double y1,
                  std::initializer_list<Stop> stops) {
  PatternPtr p(cairo_pattern_create_linear(x0, y0, x1, y1));
  AddStops(p.get(), stops);
  return p;
}

PatternPtr Radial(double cx0, double cy0, double r0, double cx1, double cy1,
                  double r1, std::initializer_list<Stop> stops) {
  PatternPtr p(cairo_pattern_create_radial(cx0, cy0, r0, cx1, cy1, r1));
  AddStops(p.get(), stops);
  return p;
}

void SetColour(cairo_t* cr, const Rgba& c) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void SetPattern(cairo_t* cr, const PatternPtr& p) {
  cairo_set_source(cr, p.get());
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h,
                     double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  ScopedSave save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  CirclePath(cr, 0, 0, 1);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h,
              const Rgba& c) {
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, c);
  cairo_fill(cr);
}

void BlurSurface(cairo_surface_t* surface, double radius) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface) / 4;
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
  // Three box passes approximate a Gaussian whose spread matches `radius`.
  const int half = std::max(1, static_cast<int>(std::lround(radius / 2.0)));
  std::vector<uint32_t> scratch;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y)
      BoxBlurLine(px + y * stride, w, 1, half, scratch);
    for (int x = 0; x < w; ++x) BoxBlurLine(px + x, h, stride, half, scratch);
  }
  cairo_surface_mark_dirty(surface);
}

void SoftShape(cairo_t* cr, const PathFunction& path, const Rgba& colour,
               double blur, double dx, double dy) {
  cairo_surface_t* target = cairo_get_target(cr);
  const int w = cairo_image_surface_get_width(target);
  const int h = cairo_image_surface_get_height(target);
  SurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  {
    ContextPtr m(cairo_create(mask.get()));
    cairo_translate(m.get(), dx, dy);
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    cairo_transform(m.get(), &matrix);
    path(m.get());
    cairo_set_source_rgb(m.get(), 1, 1, 1);
    cairo_fill(m.get());
  }
  BlurSurface(mask.get(), blur);
  ScopedSave save(cr);
  cairo_identity_matrix(cr);
  SetColour(cr, colour);
  cairo_mask_surface(cr, mask.get(), 0, 0);
}

void GlossHighlight(cairo_t* cr, double x, double y, double w, double h,
                    double r, double strength) {
  ScopedSave save(cr);
  RoundedRectPath(cr, x, y, w, h, r);
  cairo_clip(cr);
  // The highlight ends in a soft curve a little below the middle, like
  // light caught on a rounded glass front.
  cairo_new_path(cr);
  cairo_move_to(cr, x - 1, y - 1);
  cairo_line_to(cr, x + w + 1, y - 1);
  cairo_line_to(cr, x + w + 1, y + h * 0.42);
  cairo_curve_to(cr, x + w * 0.7, y + h * 0.52, x + w * 0.3, y + h * 0.52,
                 x - 1, y + h * 0.42);
  cairo_close_path(cr);
  SetPattern(cr, Linear(0, y, 0, y + h * 0.52,
                        {{0, Hex(0xffffff, 0.55 * strength)},
                         {0.5, Hex(0xffffff, 0.22 * strength)},
                         {1, Hex(0xffffff, 0.08 * strength)}}));
  cairo_fill(cr);
}

}  // namespace zorvanel::skingen
