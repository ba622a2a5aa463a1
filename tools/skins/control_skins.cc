// Paints the skins of the buttons, their gloss overlay and the text fields.
#include "drawing.h"
#include "painters.h"
#include "palette.h"

namespace zorvanel::skingen {

namespace {

// A dark rounded face with a thin border, lit from above: the shared look of
// the button skins. Everything but the outer `ring` pixels is the flat face
// colour, so that the nine-slice centre and edges stretch without banding
// and opaque icons sit on it cleanly.
void PaintButtonFace(cairo_t* cr, double inset, double w, double h,
                     double radius, const Rgba& face) {
  const double x = inset, y = inset, fw = w - 2 * inset, fh = h - 2 * inset;
  // Soft dark halo: the button stands slightly off the black background.
  SoftShape(
      cr, [&](cairo_t* c) { RoundedRectPath(c, x, y, fw, fh, radius); },
      Hex(0x000000, 0.8), 3, 0, 1);
  // Border: lighter at the top, nearly black at the bottom.
  RoundedRectPath(cr, x, y, fw, fh, radius);
  SetPattern(
      cr,
      Linear(0, y, 0, y + fh,
             {{0, Hex(0x80858d)}, {0.35, Hex(0x4a4e55)}, {1, Hex(0x1a1c1f)}}));
  cairo_fill(cr);
  RoundedRectPath(cr, x + 1.5, y + 1.5, fw - 3, fh - 3, radius - 1.5);
  SetColour(cr, face);
  cairo_fill(cr);
  // Inner bevel: a fine highlight under the top edge, a shade over the
  // bottom one, both fading out within a few pixels.
  ScopedSave save(cr);
  RoundedRectPath(cr, x + 1.5, y + 1.5, fw - 3, fh - 3, radius - 1.5);
  cairo_clip(cr);
  SetPattern(cr, Linear(0, y + 1.5, 0, y + 9,
                        {{0, Hex(0xffffff, 0.22)}, {1, Hex(0xffffff, 0)}}));
  cairo_paint(cr);
  SetPattern(cr, Linear(0, y + fh - 8, 0, y + fh - 1.5,
                        {{0, Hex(0x000000, 0)}, {1, Hex(0x000000, 0.35)}}));
  cairo_paint(cr);
}

// A light text field: white middle, a border and a slight inner shadow at
// the top, as if the field were set into the surface.
void PaintField(cairo_t* cr, double w, double h, const Rgba& border,
                double border_width) {
  const double x = 3, y = 3, fw = w - 6, fh = h - 6, r = 7;
  RoundedRectPath(cr, x, y, fw, fh, r);
  SetColour(cr, border);
  cairo_fill(cr);
  const double b = border_width;
  RoundedRectPath(cr, x + b, y + b, fw - 2 * b, fh - 2 * b, r - b);
  SetColour(cr, Hex(0xffffff));
  cairo_fill(cr);
  ScopedSave save(cr);
  RoundedRectPath(cr, x + b, y + b, fw - 2 * b, fh - 2 * b, r - b);
  cairo_clip(cr);
  SetPattern(cr, Linear(0, y + b, 0, y + b + 5,
                        {{0, Hex(0x000000, 0.18)}, {1, Hex(0x000000, 0)}}));
  cairo_paint(cr);
}

}  // namespace

void PaintButtonSkin(cairo_t* cr, int width, int height) {
  PaintButtonFace(cr, 2, width, height, 13, kButtonFace);
}

void PaintListButtonSkin(cairo_t* cr, int width, int height) {
  // The five list buttons stand side by side, so the face keeps a margin of
  // black around it. The icon frames cover the middle 60 % of the button:
  // the face stays flat there.
  PaintButtonFace(cr, 4, width, height, 14, kListButtonFace);
  // These buttons get no glossy overlay, so they carry a little sheen of
  // their own, above the place of the icon.
  ScopedSave save(cr);
  RoundedRectPath(cr, 5.5, 5.5, width - 11, height - 11, 12.5);
  cairo_clip(cr);
  SetPattern(cr, Linear(0, 5.5, 0, 17,
                        {{0, Hex(0xffffff, 0.16)}, {1, Hex(0xffffff, 0)}}));
  cairo_paint(cr);
}

void PaintButtonOverlay(cairo_t* cr, int width, int height) {
  // Stretched over whole buttons of any shape: a soft white sheen over the
  // upper half that ends in a crisp line just above the middle, fading out
  // towards the left and right ends and the top edge. Everything else is
  // transparent.
  const double w = width, h = height;
  const double top = h * 0.03, bottom = h * 0.48;
  PatternPtr vertical = Linear(0, top, 0, bottom,
                               {{0, Hex(0xffffff, 0.30)},
                                {0.55, Hex(0xffffff, 0.16)},
                                {0.97, Hex(0xffffff, 0.09)},
                                {1, Hex(0xffffff, 0.0)}});
  PatternPtr horizontal = Linear(w * 0.02, 0, w * 0.98, 0,
                                 {{0, Hex(0xffffff, 0)},
                                  {0.03, Hex(0xffffff, 1)},
                                  {0.97, Hex(0xffffff, 1)},
                                  {1, Hex(0xffffff, 0)}});
  ScopedSave save(cr);
  cairo_rectangle(cr, w * 0.02, top, w * 0.96, bottom - top);
  cairo_clip(cr);
  SetPattern(cr, vertical);
  cairo_mask(cr, horizontal.get());
}

void PaintEditFocused(cairo_t* cr, int width, int height) {
  SoftShape(
      cr,
      [&](cairo_t* c) {
        RoundedRectPath(c, 2.5, 2.5, width - 5, height - 5, 7.5);
      },
      Mix(kAccentBlue, Hex(0x000000, 1), 0.1), 3);
  PaintField(cr, width, height, kAccentBlue, 2);
}

void PaintEditIdle(cairo_t* cr, int width, int height) {
  PaintField(cr, width, height, Hex(0x8e9299), 1.5);
}

}  // namespace zorvanel::skingen
