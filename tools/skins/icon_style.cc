// The shared look of the icons on dark buttons: metal, orbs and a pencil.
#include "icon_style.h"

#include <cmath>

namespace zorvanel::skingen {

void FillMetal(cairo_t* cr, const PathFunction& path, double top,
               double bottom) {
  SoftShape(cr, path, Hex(0x000000, 0.7), 2.5, 0, 2);
  path(cr);
  SetPattern(
      cr,
      Linear(0, top, 0, bottom,
             {{0, Hex(0xffffff)}, {0.5, Hex(0xd4d9e0)}, {1, Hex(0x9aa2ad)}}));
  cairo_fill(cr);
  path(cr);
  cairo_set_line_width(cr, 1);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, Hex(0x2a2e35, 0.6));
  cairo_stroke(cr);
}

void PaintOrb(cairo_t* cr, double cx, double cy, double r, const Rgba& light,
              const Rgba& dark) {
  SoftShape(
      cr, [&](cairo_t* c) { CirclePath(c, cx, cy, r); }, Hex(0x000000, 0.75), 3,
      0, 2.5);
  CirclePath(cr, cx, cy, r);
  SetPattern(
      cr,
      Radial(cx, cy + r * 0.55, r * 0.1, cx, cy, r * 1.05,
             {{0, Mix(light, Hex(0xffffff), 0.25)}, {0.55, light}, {1, dark}}));
  cairo_fill(cr);
  CirclePath(cr, cx, cy, r - 0.5);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Mix(dark, Hex(0x000000), 0.5));
  cairo_stroke(cr);
  // The window reflection across the top.
  EllipsePath(cr, cx, cy - r * 0.45, r * 0.72, r * 0.45);
  SetPattern(cr, Linear(0, cy - r * 0.9, 0, cy,
                        {{0, Hex(0xffffff, 0.75)}, {1, Hex(0xffffff, 0.05)}}));
  cairo_fill(cr);
}

void PaintPencil(cairo_t* cr, double x0, double y0, double x1, double y1,
                 double thickness) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  const double half = thickness / 2;
  const double cone = thickness * 1.5;
  const double eraser = thickness * 1.0;
  const double ferrule = thickness * 0.7;
  ScopedSave save(cr);
  cairo_translate(cr, x0, y0);
  cairo_rotate(cr, std::atan2(y1 - y0, x1 - x0));
  // The pencil lies along +x from its point at the origin.
  auto outline = [&](cairo_t* c) {
    cairo_move_to(c, 0, 0);
    cairo_line_to(c, cone, -half);
    cairo_line_to(c, length - 2, -half);
    cairo_arc(c, length - 2, 0, half, -M_PI / 2, M_PI / 2);
    cairo_line_to(c, cone, half);
    cairo_close_path(c);
  };
  SoftShape(cr, outline, Hex(0x000000, 0.7), 2.5, 1, 2);
  // Lacquered body, with a lit facet along the top.
  cairo_rectangle(cr, cone, -half, length - cone - eraser - ferrule, thickness);
  SetPattern(
      cr,
      Linear(0, -half, 0, half,
             {{0, Hex(0xffe680)}, {0.45, Hex(0xffc21a)}, {1, Hex(0xb87800)}}));
  cairo_fill(cr);
  cairo_move_to(cr, cone, -half * 0.2);
  cairo_line_to(cr, length - eraser - ferrule, -half * 0.2);
  cairo_set_line_width(cr, 0.8);
  SetColour(cr, Hex(0x8a5a00, 0.6));
  cairo_stroke(cr);
  // Sharpened wood and the graphite point.
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, cone, -half);
  cairo_line_to(cr, cone, half);
  cairo_close_path(cr);
  SetPattern(
      cr, Linear(0, -half, 0, half, {{0, Hex(0xf6dcb0)}, {1, Hex(0xc79a60)}}));
  cairo_fill(cr);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, cone * 0.38, -half * 0.38);
  cairo_line_to(cr, cone * 0.38, half * 0.38);
  cairo_close_path(cr);
  SetColour(cr, Hex(0x2a2a2e));
  cairo_fill(cr);
  // Metal ferrule and eraser.
  const double f0 = length - eraser - ferrule;
  cairo_rectangle(cr, f0, -half, ferrule, thickness);
  SetPattern(
      cr,
      Linear(0, -half, 0, half,
             {{0, Hex(0xf0f2f4)}, {0.5, Hex(0x9ea4ac)}, {1, Hex(0x60656c)}}));
  cairo_fill(cr);
  cairo_move_to(cr, length - eraser, -half);
  cairo_line_to(cr, length - 2, -half);
  cairo_arc(cr, length - 2, 0, half, -M_PI / 2, M_PI / 2);
  cairo_line_to(cr, length - eraser, half);
  cairo_close_path(cr);
  SetPattern(
      cr, Linear(0, -half, 0, half, {{0, Hex(0xffb0b8)}, {1, Hex(0xc05868)}}));
  cairo_fill(cr);
}

}  // namespace zorvanel::skingen
