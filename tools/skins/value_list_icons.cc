// Paints the add and remove icons of the value list dialog.
#include <cmath>

#include "drawing.h"
#include "icon_style.h"
#include "painters.h"

namespace zorvanel::skingen {

namespace {

const Rgba kGreenLight = Hex(0x6fe06a);
const Rgba kGreenDark = Hex(0x16701c);
const Rgba kRedLight = Hex(0xff6a5a);
const Rgba kRedDark = Hex(0x8a1010);

// A white sign with a faint dark edge so it holds on the bright orb.
void FillSign(cairo_t* cr, const PathFunction& sign) {
  SoftShape(cr, sign, Hex(0x000000, 0.45), 2, 0, 1);
  sign(cr);
  SetPattern(cr,
             Linear(0, 20, 0, 54, {{0, Hex(0xffffff)}, {1, Hex(0xe2ece2)}}));
  cairo_fill(cr);
}

void PlusSign(cairo_t* cr, double cx, double cy, double arm, double bar) {
  RoundedRectPath(cr, cx - arm, cy - bar / 2, 2 * arm, bar, bar / 3);
  RoundedRectPath(cr, cx - bar / 2, cy - arm, bar, 2 * arm, bar / 3);
}

}  // namespace

void PaintAddOne(cairo_t* cr, int width, int height) {
  const double c = width / 2.0, r = width / 2.0 - 7;
  PaintOrb(cr, c, height / 2.0 - 1, r, kGreenLight, kGreenDark);
  FillSign(cr, [&](cairo_t* p) { PlusSign(p, c, height / 2.0 - 1, 17, 9); });
}

void PaintAddRange(cairo_t* cr, int width, int /*height*/) {
  // The plus of "add one" over a range bar: a span with stops at both ends.
  const double c = width / 2.0;
  PaintOrb(cr, c, 27, 22, kGreenLight, kGreenDark);
  FillSign(cr, [&](cairo_t* p) { PlusSign(p, c, 27, 13, 7); });
  auto bar = [&](cairo_t* p) {
    cairo_rectangle(p, 10, 57, 54, 4);
    cairo_rectangle(p, 8, 51, 4, 16);
    cairo_rectangle(p, 62, 51, 4, 16);
    for (int i = 1; i < 5; ++i) cairo_rectangle(p, 10 + i * 10.8 - 1, 54, 2, 7);
  };
  FillMetal(cr, bar, 51, 67);
}

void PaintRemoveOne(cairo_t* cr, int width, int height) {
  const double c = width / 2.0, r = width / 2.0 - 7;
  PaintOrb(cr, c, height / 2.0 - 1, r, kRedLight, kRedDark);
  FillSign(cr, [&](cairo_t* p) {
    RoundedRectPath(p, c - 17, height / 2.0 - 5.5, 34, 9, 3);
  });
}

void PaintRemoveAll(cairo_t* cr, int, int) {
  // A metal waste bin with a lid, ribbed, and a red cross over it.
  auto can = [](cairo_t* p) {
    cairo_move_to(p, 17, 22);
    cairo_line_to(p, 57, 22);
    cairo_line_to(p, 53, 66);
    cairo_curve_to(p, 52.5, 68, 51, 69, 49, 69);
    cairo_line_to(p, 25, 69);
    cairo_curve_to(p, 23, 69, 21.5, 68, 21, 66);
    cairo_close_path(p);
  };
  FillMetal(cr, can, 22, 69);
  for (int i = 0; i < 4; ++i) {
    const double x = 26 + i * 7.3;
    RoundedRectPath(cr, x, 28, 3, 35, 1.5);
    SetColour(cr, Hex(0x5a626e, 0.75));
    cairo_fill(cr);
  }
  auto lid = [](cairo_t* p) {
    RoundedRectPath(p, 12, 13, 50, 7, 2.5);
    RoundedRectPath(p, 29, 7, 16, 8, 3);
  };
  FillMetal(cr, lid, 7, 20);
  {
    // The handle's opening.
    RoundedRectPath(cr, 32.5, 10, 9, 3, 1.2);
    SetColour(cr, Hex(0x3a3f47));
    cairo_fill(cr);
  }
  // "All": the red mark of removal across the front.
  auto cross = [](cairo_t* p) {
    ScopedSave save(p);
    cairo_translate(p, 37, 46);
    cairo_rotate(p, M_PI / 4);
    RoundedRectPath(p, -14, -3.5, 28, 7, 2);
    RoundedRectPath(p, -3.5, -14, 7, 28, 2);
  };
  SoftShape(cr, cross, Hex(0x000000, 0.5), 2, 0, 1);
  cross(cr);
  SetPattern(cr, Linear(0, 32, 0, 60, {{0, kRedLight}, {1, Hex(0xc01818)}}));
  cairo_fill(cr);
}

}  // namespace zorvanel::skingen
