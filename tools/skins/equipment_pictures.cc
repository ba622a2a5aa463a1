// Paints the camera, the lens, the logo and the window icon.
#include <cmath>

#include "drawing.h"
#include "iris.h"
#include "painters.h"

namespace zorvanel::skingen {

namespace {

// Dark plastic lit from above, with a lighter rim so that the shapes stand
// out from the black screen.
void PaintBodyShape(cairo_t* cr, const PathFunction& shape, double top,
                    double bottom) {
  SoftShape(cr, shape, Hex(0x6a7a90, 0.35), 4);
  shape(cr);
  SetPattern(
      cr,
      Linear(0, top, 0, bottom,
             {{0, Hex(0x656a72)}, {0.3, Hex(0x3c3f45)}, {1, Hex(0x1c1d20)}}));
  cairo_fill(cr);
  shape(cr);
  cairo_set_line_width(cr, 1);
  SetPattern(
      cr, Linear(0, top, 0, bottom, {{0, Hex(0xb8bec8)}, {1, Hex(0x50545a)}}));
  cairo_stroke(cr);
}

// Glass of a lens seen from the front: deep blue-violet with a curved
// reflection and a small bright glint.
void PaintFrontGlass(cairo_t* cr, double cx, double cy, double r) {
  CirclePath(cr, cx, cy, r);
  SetPattern(cr, Radial(cx - r * 0.3, cy - r * 0.35, r * 0.1, cx, cy, r,
                        {{0, Hex(0x5a6fae)},
                         {0.45, Hex(0x1d2450)},
                         {0.85, Hex(0x0a0c1c)},
                         {1, Hex(0x2a1d3d)}}));
  cairo_fill(cr);
  // Coating reflections: a violet crescent and a greenish one.
  ScopedSave save(cr);
  CirclePath(cr, cx, cy, r);
  cairo_clip(cr);
  cairo_set_line_width(cr, r * 0.12);
  cairo_arc(cr, cx, cy, r * 0.72, M_PI * 0.95, M_PI * 1.45);
  SetColour(cr, Hex(0xb07ad8, 0.55));
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r * 0.55, M_PI * 0.05, M_PI * 0.4);
  SetColour(cr, Hex(0x7ad8a8, 0.35));
  cairo_stroke(cr);
  EllipsePath(cr, cx - r * 0.32, cy - r * 0.38, r * 0.22, r * 0.13);
  SetColour(cr, Hex(0xffffff, 0.8));
  cairo_fill(cr);
}

void CameraBodyPath(cairo_t* cr) {
  // Body with the viewfinder hump in the middle and the grip on the left.
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 10, 30);
  cairo_line_to(cr, 38, 30);
  cairo_line_to(cr, 46, 12);
  cairo_line_to(cr, 76, 12);
  cairo_line_to(cr, 84, 30);
  cairo_line_to(cr, 108, 30);
  cairo_arc(cr, 108, 36, 6, -M_PI / 2, 0);
  cairo_line_to(cr, 114, 82);
  cairo_arc(cr, 108, 82, 6, 0, M_PI / 2);
  cairo_line_to(cr, 12, 88);
  cairo_arc(cr, 12, 80, 8, M_PI / 2, M_PI);
  cairo_line_to(cr, 4, 38);
  cairo_arc(cr, 12, 38, 8, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

}  // namespace

void PaintCamera(cairo_t* cr, int, int) {
  // Shutter release on top of the grip.
  RoundedRectPath(cr, 13, 25, 15, 7, 2);
  SetPattern(cr,
             Linear(0, 25, 0, 32, {{0, Hex(0xb0b4ba)}, {1, Hex(0x3a3c40)}}));
  cairo_fill(cr);
  PaintBodyShape(cr, CameraBodyPath, 12, 88);
  // Rubber grip: darker, finely textured.
  RoundedRectPath(cr, 6, 36, 24, 48, 6);
  SetPattern(
      cr,
      Linear(6, 0, 30, 0,
             {{0, Hex(0x1a1a1c)}, {0.6, Hex(0x2a2b2e)}, {1, Hex(0x151517)}}));
  cairo_fill(cr);
  for (int y = 40; y < 82; y += 3) {
    FillRect(cr, 9, y, 18, 1, Hex(0x000000, 0.35));
  }
  // Viewfinder hump highlight and a maker's badge.
  cairo_move_to(cr, 47, 13.5);
  cairo_line_to(cr, 75, 13.5);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0xffffff, 0.35));
  cairo_stroke(cr);
  RoundedRectPath(cr, 52, 20, 18, 5, 1.5);
  SetColour(cr, Hex(0xd8dce2, 0.75));
  cairo_fill(cr);
  // Lens mount: a bright bayonet ring, a black throat and the front glass.
  const double cx = 66, cy = 58;
  CirclePath(cr, cx, cy, 27);
  SetPattern(
      cr,
      Linear(cx - 27, cy - 27, cx + 27, cy + 27,
             {{0, Hex(0xf0f2f5)}, {0.5, Hex(0x8a8f96)}, {1, Hex(0xd0d4da)}}));
  cairo_fill(cr);
  CirclePath(cr, cx, cy, 24);
  SetColour(cr, Hex(0x0b0b0c));
  cairo_fill(cr);
  CirclePath(cr, cx, cy, 22);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, Hex(0x3b3d42));
  cairo_stroke(cr);
  PaintFrontGlass(cr, cx, cy, 17);
  // Red mounting index dot.
  CirclePath(cr, cx + 22, cy - 19, 2);
  SetColour(cr, Hex(0xe02020));
  cairo_fill(cr);
  // Gloss over the top of the body.
  GlossHighlight(cr, 4, 12, 110, 76, 8, 0.35);
}

void PaintLens(cairo_t* cr, int, int) {
  const double top = 9, bottom = 58;
  auto cylinder = [&](double t, double b) {
    return Linear(0, t, 0, b,
                  {{0, Hex(0x18191b)},
                   {0.28, Hex(0x6d727a)},
                   {0.42, Hex(0x40444a)},
                   {1, Hex(0x0e0f10)}});
  };
  // Glow behind so the barrel separates from the black.
  SoftShape(
      cr, [&](cairo_t* c) { cairo_rectangle(c, 4, top, 110, bottom - top); },
      Hex(0x6a7a90, 0.35), 4);
  // Chrome bayonet mount at the back.
  cairo_rectangle(cr, 4, 15, 10, 37);
  SetPattern(cr, Linear(0, 15, 0, 52,
                        {{0, Hex(0x505459)},
                         {0.3, Hex(0xf2f4f6)},
                         {0.6, Hex(0x8c9096)},
                         {1, Hex(0x303236)}}));
  cairo_fill(cr);
  // Barrel.
  cairo_rectangle(cr, 14, top + 3, 94, bottom - top - 6);
  SetPattern(cr, cylinder(top + 3, bottom - 3));
  cairo_fill(cr);
  // Rubber zoom ring with ribs.
  cairo_rectangle(cr, 32, top, 36, bottom - top);
  SetPattern(cr, cylinder(top, bottom));
  cairo_fill(cr);
  for (double x = 33; x < 68; x += 2.5) {
    FillRect(cr, x, top, 1, bottom - top, Hex(0x000000, 0.55));
  }
  // Red ring and the distance scale window.
  FillRect(cr, 72, top + 3, 2, bottom - top - 6, Hex(0xc01818));
  for (int i = 0; i < 5; ++i) {
    FillRect(cr, 79 + i * 5, 24 - (i % 2) * 2, 1, 4 + (i % 2) * 2,
             Hex(0xffffff, 0.8));
  }
  // Wider front section and the glass seen edge on.
  cairo_rectangle(cr, 96, top - 3, 16, bottom - top + 6);
  SetPattern(cr, cylinder(top - 3, bottom + 3));
  cairo_fill(cr);
  EllipsePath(cr, 112, (top + bottom) / 2, 5, (bottom - top) / 2 + 2);
  SetPattern(
      cr,
      Linear(0, top, 0, bottom,
             {{0, Hex(0x6a7bd0)}, {0.5, Hex(0x1b1f44)}, {1, Hex(0x3a2a5a)}}));
  cairo_fill(cr);
  // Fine highlight along the top of the barrel.
  FillRect(cr, 14, top + 3.5, 94, 1, Hex(0xffffff, 0.18));
}

void PaintLogo(cairo_t* cr, int width, int height) {
  const double cx = width / 2.0, cy = height / 2.0;
  // Outer ring: polished metal.
  SoftShape(
      cr, [&](cairo_t* c) { CirclePath(c, cx, cy, 46); }, Hex(0x3c9cff, 0.45),
      5);
  CirclePath(cr, cx, cy, 46);
  SetPattern(cr, Linear(cx - 46, cy - 46, cx + 46, cy + 46,
                        {{0, Hex(0xf4f6f8)},
                         {0.45, Hex(0x70767e)},
                         {0.6, Hex(0x3a3d42)},
                         {1, Hex(0xb8bec6)}}));
  cairo_fill(cr);
  CirclePath(cr, cx, cy, 41);
  SetColour(cr, Hex(0x05070a));
  cairo_fill(cr);
  IrisStyle style;
  style.blades = 7;
  style.rotation = -M_PI / 2;
  style.dark = Hex(0x0a2a5c);
  style.light = Hex(0x5ec2ff);
  style.edge = Hex(0x02060c);
  style.edge_width = 1.2;
  PaintIris(cr, cx, cy, 40, 17, style);
  // The opening: a glimpse of glass.
  PaintFrontGlass(cr, cx, cy, 12.5);
  GlossHighlight(cr, cx - 41, cy - 41, 82, 82, 41, 0.55);
}

void PaintWindowIcon(cairo_t* cr, int width, int height) {
  constexpr double kLogoSize = 100;
  cairo_scale(cr, width / kLogoSize, height / kLogoSize);
  PaintLogo(cr, kLogoSize, kLogoSize);
}

}  // namespace zorvanel::skingen
