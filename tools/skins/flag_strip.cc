// Paints the strip of language flags, one frame per language.
#include "drawing.h"
#include "painters.h"
#include "palette.h"

namespace zorvanel::skingen {

namespace {

// Frames of 50 x 50, in the order of the languages of the language file.
// Every flag is drawn into the same 44 x 30 field, simplified to what still
// reads at this size.
constexpr double kFrame = 50;
constexpr double kFlagW = 44;
constexpr double kFlagH = 30;

void Stripes(cairo_t* cr, bool vertical, std::initializer_list<Rgba> colours) {
  const double n = static_cast<double>(colours.size());
  int i = 0;
  for (const Rgba& c : colours) {
    if (vertical) {
      FillRect(cr, kFlagW * i / n, 0, kFlagW / n, kFlagH, c);
    } else {
      FillRect(cr, 0, kFlagH * i / n, kFlagW, kFlagH / n, c);
    }
    ++i;
  }
}

void UnitedKingdom(cairo_t* cr) {
  const Rgba blue = Hex(0x012169), red = Hex(0xc8102e), white = Hex(0xffffff);
  FillRect(cr, 0, 0, kFlagW, kFlagH, blue);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  auto diagonals = [&](double width, const Rgba& c) {
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, kFlagW, kFlagH);
    cairo_move_to(cr, kFlagW, 0);
    cairo_line_to(cr, 0, kFlagH);
    SetColour(cr, c);
    cairo_stroke(cr);
  };
  diagonals(6, white);
  // The red saltire sits off centre in each quarter: turned the same way
  // round the middle, as on the real flag.
  {
    ScopedSave save(cr);
    cairo_set_line_width(cr, 2);
    SetColour(cr, red);
    const double cx = kFlagW / 2, cy = kFlagH / 2, o = 1;
    cairo_move_to(cr, 0, -o);
    cairo_line_to(cr, cx, cy - o);
    cairo_move_to(cr, kFlagW, kFlagH + o);
    cairo_line_to(cr, cx, cy + o);
    cairo_move_to(cr, kFlagW + o, 0);
    cairo_line_to(cr, cx + o, cy);
    cairo_move_to(cr, -o, kFlagH);
    cairo_line_to(cr, cx - o, cy);
    cairo_stroke(cr);
  }
  FillRect(cr, kFlagW / 2 - 5, 0, 10, kFlagH, white);
  FillRect(cr, 0, kFlagH / 2 - 5, kFlagW, 10, white);
  FillRect(cr, kFlagW / 2 - 3, 0, 6, kFlagH, red);
  FillRect(cr, 0, kFlagH / 2 - 3, kFlagW, 6, red);
}

void France(cairo_t* cr) {
  Stripes(cr, true, {Hex(0x0055a4), Hex(0xffffff), Hex(0xef4135)});
}

void Germany(cairo_t* cr) {
  Stripes(cr, false, {Hex(0x000000), Hex(0xdd0000), Hex(0xffce00)});
}

void Spain(cairo_t* cr) {
  const Rgba red = Hex(0xc60b1e), yellow = Hex(0xffc400);
  FillRect(cr, 0, 0, kFlagW, kFlagH, red);
  FillRect(cr, 0, kFlagH / 4, kFlagW, kFlagH / 2, yellow);
  // The coat of arms reduced to a small crowned shield left of centre.
  RoundedRectPath(cr, 11, 11, 6, 8, 1.5);
  SetColour(cr, Hex(0xad1519));
  cairo_fill(cr);
  FillRect(cr, 11, 9.5, 6, 1.5, Hex(0xc8a23a));
  FillRect(cr, 13, 13, 2, 4, Hex(0xc8a23a));
}

void Italy(cairo_t* cr) {
  Stripes(cr, true, {Hex(0x009246), Hex(0xffffff), Hex(0xce2b37)});
}

void Portugal(cairo_t* cr) {
  const double split = kFlagW * 2 / 5;
  FillRect(cr, 0, 0, split, kFlagH, Hex(0x006600));
  FillRect(cr, split, 0, kFlagW - split, kFlagH, Hex(0xff0000));
  // Armillary sphere and shield on the boundary.
  CirclePath(cr, split, kFlagH / 2, 7);
  cairo_set_line_width(cr, 2);
  SetColour(cr, Hex(0xffe000));
  cairo_stroke(cr);
  RoundedRectPath(cr, split - 3.5, kFlagH / 2 - 4, 7, 8, 2);
  SetColour(cr, Hex(0xffffff));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Hex(0xda2128));
  cairo_stroke(cr);
  FillRect(cr, split - 1, kFlagH / 2 - 2, 2, 4, Hex(0x0033a0));
}

void Netherlands(cairo_t* cr) {
  Stripes(cr, false, {Hex(0xae1c28), Hex(0xffffff), Hex(0x21468b)});
}

void Russia(cairo_t* cr) {
  Stripes(cr, false, {Hex(0xffffff), Hex(0x0039a6), Hex(0xd52b1e)});
}

// Shadow, the flag itself clipped to soft corners, a light sheen and a fine
// dark edge.
void PaintFlagFrame(cairo_t* cr, void (*flag)(cairo_t*)) {
  const double x = (kFrame - kFlagW) / 2, y = (kFrame - kFlagH) / 2;
  auto outline = [&](cairo_t* c) {
    RoundedRectPath(c, x, y, kFlagW, kFlagH, 2.5);
  };
  SoftShape(cr, outline, Hex(0x000000, 0.8), 3, 0, 2);
  ScopedSave save(cr);
  outline(cr);
  cairo_clip(cr);
  {
    ScopedSave flag_space(cr);
    cairo_translate(cr, x, y);
    flag(cr);
  }
  SetPattern(cr, Linear(0, y, 0, y + kFlagH,
                        {{0, Hex(0xffffff, 0.28)},
                         {0.45, Hex(0xffffff, 0.05)},
                         {0.5, Hex(0x000000, 0.0)},
                         {1, Hex(0x000000, 0.18)}}));
  cairo_paint(cr);
  outline(cr);
  cairo_set_line_width(cr, 1);
  SetColour(cr, Hex(0x000000, 0.45));
  cairo_stroke(cr);
}

}  // namespace

void PaintFlagStrip(cairo_t* cr, int /*width*/, int /*height*/) {
  SetColour(cr, kButtonFace);
  cairo_paint(cr);
  void (*const flags[])(cairo_t*) = {UnitedKingdom, France, Germany,
                                     Spain,         Italy,  Portugal,
                                     Netherlands,   Russia};
  int i = 0;
  for (auto* flag : flags) {
    ScopedSave save(cr);
    cairo_rectangle(cr, i * kFrame, 0, kFrame, kFrame);
    cairo_clip(cr);
    cairo_translate(cr, i * kFrame, 0);
    PaintFlagFrame(cr, flag);
    ++i;
  }
}

}  // namespace zorvanel::skingen
