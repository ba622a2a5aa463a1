// Paints the list dialogs' three-state button icons and their skin.
#include <cmath>

#include "drawing.h"
#include "painters.h"
#include "palette.h"

namespace zorvanel::skingen {

namespace {

// Each strip holds three 60 x 60 frames: normal, disabled, pressed. The
// frames are opaque and land on the flat face of the list button skin, so
// they share its colour; only the glyph changes between the states.
constexpr double kFrame = 60;

void PlusPath(cairo_t* cr) {
  RoundedRectPath(cr, 12, 25.5, 36, 9, 2.5);
  RoundedRectPath(cr, 25.5, 12, 9, 36, 2.5);
}

void MinusPath(cairo_t* cr) { RoundedRectPath(cr, 12, 25.5, 36, 9, 2.5); }

void PencilPath(cairo_t* cr) {
  // Drawn lying along x, then turned to point down to the left.
  ScopedSave save(cr);
  cairo_translate(cr, 30, 30);
  cairo_rotate(cr, -M_PI / 4);
  // Tip: a point with a short bevel where the wood starts.
  cairo_move_to(cr, -22, 0);
  cairo_line_to(cr, -12, -5.5);
  cairo_line_to(cr, -12, 5.5);
  cairo_close_path(cr);
  // Body, then a separate eraser cap behind a narrow gap.
  RoundedRectPath(cr, -10, -5.5, 22, 11, 1);
  RoundedRectPath(cr, 14, -5.5, 8, 11, 3);
}

void ArrowUpPath(cairo_t* cr) {
  cairo_move_to(cr, 30, 10);
  cairo_line_to(cr, 48, 29);
  cairo_line_to(cr, 36, 29);
  cairo_line_to(cr, 36, 49);
  cairo_line_to(cr, 24, 49);
  cairo_line_to(cr, 24, 29);
  cairo_line_to(cr, 12, 29);
  cairo_close_path(cr);
}

void ArrowDownPath(cairo_t* cr) {
  ScopedSave save(cr);
  cairo_translate(cr, 0, kFrame);
  cairo_scale(cr, 1, -1);
  ArrowUpPath(cr);
}

enum class IconState { kNormal, kDisabled, kPressed };

void PaintGlyph(cairo_t* cr, const PathFunction& glyph, IconState state) {
  switch (state) {
    case IconState::kNormal:
      SoftShape(cr, glyph, Hex(0x000000, 0.75), 2.5, 0, 2);
      glyph(cr);
      SetPattern(
          cr, Linear(0, 10, 0, 50, {{0, Hex(0xffffff)}, {1, Hex(0xb4bac4)}}));
      cairo_fill(cr);
      break;
    case IconState::kDisabled:
      // Flat and dim; the button blends this frame at reduced opacity too.
      glyph(cr);
      SetColour(cr, Hex(0x6c7078));
      cairo_fill(cr);
      break;
    case IconState::kPressed:
      // Lit up: a blue glow around a bright glyph.
      SoftShape(cr, glyph, Hex(0x3c9cff, 0.9), 6);
      glyph(cr);
      SetPattern(cr,
                 Linear(0, 10, 0, 50, {{0, Hex(0xffffff)}, {1, kAccentLight}}));
      cairo_fill(cr);
      break;
  }
}

void PaintStrip(cairo_t* cr, const PathFunction& glyph) {
  SetColour(cr, kListButtonFace);
  cairo_paint(cr);
  const IconState states[3] = {IconState::kNormal, IconState::kDisabled,
                               IconState::kPressed};
  for (int i = 0; i < 3; ++i) {
    ScopedSave save(cr);
    cairo_rectangle(cr, i * kFrame, 0, kFrame, kFrame);
    cairo_clip(cr);
    cairo_translate(cr, i * kFrame, 0);
    PaintGlyph(cr, glyph, states[i]);
  }
}

}  // namespace

void PaintAddStrip(cairo_t* cr, int, int) { PaintStrip(cr, PlusPath); }
void PaintRemoveStrip(cairo_t* cr, int, int) { PaintStrip(cr, MinusPath); }
void PaintEditStrip(cairo_t* cr, int, int) { PaintStrip(cr, PencilPath); }
void PaintMoveUpStrip(cairo_t* cr, int, int) { PaintStrip(cr, ArrowUpPath); }
void PaintMoveDownStrip(cairo_t* cr, int, int) {
  PaintStrip(cr, ArrowDownPath);
}

}  // namespace zorvanel::skingen
