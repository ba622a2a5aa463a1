// Draws a text too wide for its box at a smaller size, and wraps texts.
#ifndef ZORVANEL_PLATFORM_TEXT_FITTER_H_
#define ZORVANEL_PLATFORM_TEXT_FITTER_H_

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/geometry.h"

namespace zorvanel {

// Keeps a text inside the box it is drawn in. Nothing wraps by itself, and
// a number, a long name or a translation can be wider than the box its
// screen was laid out for: drawn as it is, it would be cut off or run into
// its neighbours. A text too wide is drawn in the same face at the largest
// size that fits. The smaller fonts are kept, so a screen drawn frame after
// frame makes each size once.
class TextFitter {
 public:
  TextFitter() = default;
  TextFitter(const TextFitter&) = delete;
  TextFitter& operator=(const TextFitter&) = delete;

  // `font` when the widest line of `text` is at most `width` pixels wide;
  // otherwise the largest smaller size of it at which the text fits (one
  // pixel at the least).
  const Font& FontFor(Canvas& canvas, const std::string& text, const Font& font,
                      int width);
  // The same, but never below `smallest` pixels of character height: a
  // text too wide even then is drawn at that size (and cut by its box).
  const Font& FontFor(Canvas& canvas, const std::string& text, const Font& font,
                      int width, int smallest);

  // Draws `text` in r as Canvas::DrawText does, in the font that makes it
  // fit `width` (r's width when left out).
  void Draw(Canvas& canvas, const std::string& text, const Rect& r, int format,
            const Font& font, Colour colour);
  void Draw(Canvas& canvas, const std::string& text, const Rect& r, int format,
            const Font& font, Colour colour, int width);

 private:
  const Font& SizeOf(const Font& font, int height);

  // By the base font's serial and the height asked for.
  std::map<std::pair<uint64_t, int>, std::unique_ptr<Font>> sizes_;
};

// `text` with each line wider than `width` in `font` broken at spaces, into
// as few lines as fit, of even widths. A word wider than the width on its
// own stays whole on its line. Line breaks come out as "\r\n", like the
// program's texts.
std::string WrapToWidth(Canvas& canvas, const std::string& text,
                        const Font& font, int width);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_TEXT_FITTER_H_
