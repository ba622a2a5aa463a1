// Paints the icons of the two ways to make a camera: by hand, from the list.
#include "drawing.h"
#include "icon_style.h"
#include "painters.h"
#include "palette.h"

namespace zorvanel::skingen {

namespace {

void CameraOutlinePath(cairo_t* cr) {
  RoundedRectPath(cr, 8, 24, 84, 48, 7);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 34, 24);
  cairo_line_to(cr, 40, 13);
  cairo_line_to(cr, 60, 13);
  cairo_line_to(cr, 66, 24);
  CirclePath(cr, 50, 48, 16);
  CirclePath(cr, 50, 48, 9);
  RoundedRectPath(cr, 14, 18, 11, 6, 1.5);
}

// One disc of the database drum: an elliptical top over a short cylinder.
void PaintDrumSection(cairo_t* cr, double x, double y, double w, double h,
                      double lip) {
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y + h);
  cairo_curve_to(cr, x, y + h + lip * 1.33, x + w, y + h + lip * 1.33, x + w,
                 y + h);
  cairo_line_to(cr, x + w, y);
  cairo_close_path(cr);
  SetPattern(cr, Linear(x, 0, x + w, 0,
                        {{0, Hex(0x1e4f8a)},
                         {0.3, Hex(0x5fb0ff)},
                         {0.55, Hex(0x2f78d0)},
                         {1, Hex(0x123560)}}));
  cairo_fill(cr);
  EllipsePath(cr, x + w / 2, y, w / 2, lip);
  SetPattern(cr, Linear(0, y - lip, 0, y + lip,
                        {{0, Hex(0xc8e6ff)}, {1, Hex(0x6fb4f4)}}));
  cairo_fill(cr);
}

}  // namespace

void PaintCreateManually(cairo_t* cr, int, int) {
  // The camera drawn as a light outline, the pencil that draws it on top.
  CameraOutlinePath(cr);
  SetColour(cr, Hex(0xffffff, 0.08));
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr);
  {
    ScopedSave save(cr);
    CameraOutlinePath(cr);
    cairo_set_line_width(cr, 5);
    SetColour(cr, Hex(0x000000, 0.45));
    cairo_stroke(cr);
  }
  CameraOutlinePath(cr);
  cairo_set_line_width(cr, 2.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetPattern(cr,
             Linear(0, 13, 0, 72, {{0, Hex(0xffffff)}, {1, Hex(0xb8c4d4)}}));
  cairo_stroke(cr);
  PaintPencil(cr, 66, 66, 114, 14, 12);
}

void PaintSelectFromList(cairo_t* cr, int, int) {
  // A database drum behind a list card with one chosen row.
  auto drum = [](cairo_t* c) { cairo_rectangle(c, 6, 6, 52, 62); };
  SoftShape(cr, drum, Hex(0x000000, 0.6), 3, 0, 2);
  PaintDrumSection(cr, 6, 50, 52, 12, 7);
  PaintDrumSection(cr, 6, 32, 52, 12, 7);
  PaintDrumSection(cr, 6, 14, 52, 12, 7);

  auto card = [](cairo_t* c) { RoundedRectPath(c, 42, 22, 60, 54, 4); };
  SoftShape(cr, card, Hex(0x000000, 0.75), 3, 1, 3);
  card(cr);
  SetPattern(cr,
             Linear(0, 22, 0, 76, {{0, Hex(0xffffff)}, {1, Hex(0xd8dee6)}}));
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) {
    const double y = 28 + i * 9.5;
    if (i == 2) {
      RoundedRectPath(cr, 45, y - 2, 54, 9, 2);
      SetPattern(cr, Linear(0, y - 2, 0, y + 7,
                            {{0, Hex(0x7cc4ff)}, {1, kAccentBlue}}));
      cairo_fill(cr);
      FillRect(cr, 49, y + 1.5, 36, 2.5, Hex(0xffffff));
    } else {
      FillRect(cr, 49, y + 1.5, i % 2 ? 30 : 40, 2.5, Hex(0x7a8492));
    }
  }
  card(cr);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x3a4350, 0.7));
  cairo_stroke(cr);
}

}  // namespace zorvanel::skingen
