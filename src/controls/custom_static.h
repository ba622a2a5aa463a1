// The label: centred white text on black in a title, normal or italic style.
#ifndef ZORVANEL_CONTROLS_CUSTOM_STATIC_H_
#define ZORVANEL_CONTROLS_CUSTOM_STATIC_H_

#include <string>

#include "platform/geometry.h"
#include "platform/text_fitter.h"
#include "platform/window.h"

namespace zorvanel {

class Canvas;
class Font;

// A label: white text on black in one of three named styles, every line
// centred, the block centred vertically, cut off at the control's top and
// bottom; a line wider than the label is drawn smaller to fit.
// The text is the window text.
class CCustomStatic : public Window {
 public:
  static constexpr int kStyleTitle = 0;
  static constexpr int kStyleNormal = 1;
  static constexpr int kStyleItalic = 2;

  CCustomStatic() = default;

  std::string Kind() const override { return "label"; }

  int style() const { return style_; }
  void set_style(int style);

  // The font name of a style: 0 "Title", 2 "Italic", any other "Normal".
  static const char* StyleFontName(int style);
  // Defines the three label fonts (the first definition of each wins).
  static void DefineLabelFonts();

  // The natural size of `text` in the style's font: the longest line's width
  // and the height of all lines, split only at explicit line breaks. Without
  // a canvas it measures off-screen.
  Size MeasureText(Canvas* canvas, const std::string& text) const;
  // The same for the label's own text.
  Size MeasureText(Canvas* canvas = nullptr) const;
  // `text` broken at spaces where a line is wider than `width` in the
  // style's font (see WrapToWidth).
  std::string WrappedToWidth(const std::string& text, int width) const;

 protected:
  void OnPaint(Canvas& canvas) override;

 private:
  const Font* StyleFont() const;

  int style_ = kStyleNormal;
  TextFitter fitter_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_CUSTOM_STATIC_H_
