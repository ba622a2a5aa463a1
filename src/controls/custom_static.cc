// The label: centred white text on black in a title, normal or italic style.
#include "controls/custom_static.h"

#include "i18n/font_table.h"
#include "platform/canvas.h"
#include "platform/image.h"
#include "platform/palette.h"
#include "platform/text_fitter.h"

namespace zorvanel {

void CCustomStatic::set_style(int style) {
  if (style == style_) return;
  style_ = style;
  Invalidate();
}

const char* CCustomStatic::StyleFontName(int style) {
  switch (style) {
    case kStyleTitle:
      return "Title";
    case kStyleItalic:
      return "Italic";
    default:
      return "Normal";
  }
}

void CCustomStatic::DefineLabelFonts() {
  FontTable& table = GetFontTable();
  table.DefineFont("Title", {.height = -38});
  // The only cell height (positive) among the program's fonts.
  table.DefineFont("Italic", {.height = 30, .italic = true});
  table.DefineFont("Normal", {.height = -20});
}

const Font* CCustomStatic::StyleFont() const {
  DefineLabelFonts();
  return GetFontTable().GetFont(StyleFontName(style_));
}

Size CCustomStatic::MeasureText(Canvas* canvas, const std::string& text) const {
  const Font* font = StyleFont();
  if (font == nullptr) return Size{};
  if (canvas != nullptr) return canvas->MeasureText(text, *font);
  Image scratch(1, 1);
  Canvas measure(scratch);
  return measure.MeasureText(text, *font);
}

Size CCustomStatic::MeasureText(Canvas* canvas) const {
  return MeasureText(canvas, text());
}

std::string CCustomStatic::WrappedToWidth(const std::string& text,
                                          int width) const {
  const Font* font = StyleFont();
  if (font == nullptr) return text;
  Image scratch(1, 1);
  Canvas measure(scratch);
  return WrapToWidth(measure, text, *font, width);
}

void CCustomStatic::OnPaint(Canvas& canvas) {
  const int w = width();
  const int h = height();
  canvas.FillRect(ClientRect(), palette::kGround);
  const Font* font = StyleFont();
  if (font == nullptr || text().empty()) return;
  // A word too long to wrap (a name without spaces) is drawn smaller
  // rather than cut at the edges.
  const Font& drawn = fitter_.FontFor(canvas, text(), *font, w);
  const int th = canvas.MeasureText(text(), drawn).height;
  canvas.DrawText(text(), Rect{0, (h - th) / 2, w, (h + th) / 2}, kTextCentre,
                  drawn, palette::kText);
}

}  // namespace zorvanel
