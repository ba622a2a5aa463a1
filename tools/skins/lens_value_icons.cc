// Paints the icons of the focal, aperture and distance buttons.
#include <cmath>

#include "drawing.h"
#include "icon_style.h"
#include "iris.h"
#include "painters.h"
#include "palette.h"

namespace zorvanel::skingen {

namespace {

// Silver cylinder shading for a barrel lying along x between top and bottom.
PatternPtr Barrel(double top, double bottom) {
  return Linear(0, top, 0, bottom,
                {{0, Hex(0x6a717c)},
                 {0.25, Hex(0xffffff)},
                 {0.5, Hex(0xc2c8d0)},
                 {1, Hex(0x4a5058)}});
}

void FillBarrelSection(cairo_t* cr, double x, double top, double w,
                       double bottom) {
  cairo_rectangle(cr, x, top, w, bottom - top);
  SetPattern(cr, Barrel(top, bottom));
  cairo_fill(cr);
}

}  // namespace

void PaintApertureIcon(cairo_t* cr, int width, int height) {
  const double cx = width / 2.0, cy = height / 2.0, r = height / 2.0 - 3;
  SoftShape(
      cr, [&](cairo_t* c) { CirclePath(c, cx, cy, r); }, Hex(0x000000, 0.7),
      2.5, 0, 2);
  CirclePath(cr, cx, cy, r);
  SetPattern(
      cr,
      Linear(cx - r, cy - r, cx + r, cy + r,
             {{0, Hex(0xffffff)}, {0.5, Hex(0x8a929c)}, {1, Hex(0xd8dde4)}}));
  cairo_fill(cr);
  IrisStyle style;
  style.blades = 6;
  style.rotation = -M_PI / 2;
  style.dark = Hex(0x5a6470);
  style.light = Hex(0xe8edf3);
  style.edge = Hex(0x1c2026);
  style.edge_width = 1;
  PaintIris(cr, cx, cy, r - 3, r * 0.38, style);
  GlossHighlight(cr, cx - r, cy - r, 2 * r, 2 * r, r, 0.3);
}

void PaintDistanceIcon(cairo_t* cr, int width, int) {
  // A double-headed arrow over a ruler: how far.
  auto arrow = [&](cairo_t* c) {
    const double y = 11, head = 10, half = 7, shaft = 2;
    cairo_move_to(c, 3, y);
    cairo_line_to(c, 3 + head, y - half);
    cairo_line_to(c, 3 + head, y - shaft);
    cairo_line_to(c, width - 3 - head, y - shaft);
    cairo_line_to(c, width - 3 - head, y - half);
    cairo_line_to(c, width - 3, y);
    cairo_line_to(c, width - 3 - head, y + half);
    cairo_line_to(c, width - 3 - head, y + shaft);
    cairo_line_to(c, 3 + head, y + shaft);
    cairo_line_to(c, 3 + head, y + half);
    cairo_close_path(c);
  };
  FillMetal(cr, arrow, 4, 18);
  auto ruler = [&](cairo_t* c) { RoundedRectPath(c, 4, 23, width - 8, 15, 2); };
  SoftShape(cr, ruler, Hex(0x000000, 0.7), 2.5, 0, 2);
  ruler(cr);
  SetPattern(cr,
             Linear(0, 23, 0, 38, {{0, Hex(0xffe27a)}, {1, Hex(0xd9a21a)}}));
  cairo_fill(cr);
  for (int i = 0; i <= 13; ++i) {
    const double x = 8.5 + i * 4.85;
    const double len = i % 5 == 0 ? 8 : (i % 5 == 2 || i % 5 == 3 ? 4 : 5);
    FillRect(cr, std::round(x), 23, 1, len, Hex(0x3a2a00, 0.85));
  }
  ruler(cr);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x5a4200, 0.8));
  cairo_stroke(cr);
}

void PaintFocalIcon(cairo_t* cr, int, int height) {
  // A zoom lens from the side: mount, slim rear barrel, ribbed zoom ring,
  // wider front barrel and the glass.
  const double mid = height / 2.0;
  auto silhouette = [&](cairo_t* c) {
    cairo_rectangle(c, 4, mid - 12, 8, 24);
    cairo_rectangle(c, 12, mid - 14, 22, 28);
    cairo_rectangle(c, 34, mid - 18, 18, 36);
    cairo_rectangle(c, 52, mid - 21, 20, 42);
  };
  SoftShape(cr, silhouette, Hex(0x000000, 0.7), 2.5, 0, 2);
  FillBarrelSection(cr, 4, mid - 12, 8, mid + 12);
  FillBarrelSection(cr, 12, mid - 14, 22, mid + 14);
  cairo_rectangle(cr, 34, mid - 18, 18, 36);
  SetPattern(
      cr,
      Linear(0, mid - 18, 0, mid + 18,
             {{0, Hex(0x202226)}, {0.28, Hex(0x60656e)}, {1, Hex(0x111214)}}));
  cairo_fill(cr);
  for (double x = 35.5; x < 52; x += 2.6) {
    FillRect(cr, x, mid - 18, 1, 36, Hex(0x000000, 0.6));
  }
  FillBarrelSection(cr, 52, mid - 21, 20, mid + 21);
  FillRect(cr, 55, mid - 21, 2, 42, Hex(0xc81c1c));
  EllipsePath(cr, 72, mid, 4.5, 20.5);
  SetPattern(
      cr,
      Linear(0, mid - 20, 0, mid + 20,
             {{0, Hex(0x8fa2ff)}, {0.5, Hex(0x243070)}, {1, Hex(0x5a3c8a)}}));
  cairo_fill(cr);
}

}  // namespace zorvanel::skingen
