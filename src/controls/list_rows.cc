#include "controls/list_rows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

#include "optics/value.h"

namespace zorvanel {
namespace {

constexpr Colour kSelectedFill = Rgb(230, 230, 230);
constexpr Colour kSelectedText = Rgb(0, 0, 0);
constexpr Colour kRowText = Rgb(230, 230, 230);
constexpr Colour kEvenFill = Rgb(0, 0, 0);
constexpr Colour kOddFill = Rgb(20, 20, 20);
constexpr Colour kFrame = Rgb(150, 150, 150);
constexpr int kFrameWidth = 2;
// Smallest title size, in quarters of the font's own size.
constexpr int kMinTitleQuarters = 3;

// `font` at another height (same sign rule: a character or a cell height),
// a given character width narrowed with it; made once per font and height.
const Font& ResizedFont(const Font& font, int height) {
  static auto* fonts =
      new std::map<std::pair<uint64_t, int>, std::unique_ptr<Font>>;
  auto& resized = (*fonts)[{font.serial(), height}];
  if (!resized) {
    FontSpec spec = font.request();
    spec.width = spec.width * std::abs(height) / std::abs(spec.height);
    spec.height = height;
    resized = std::make_unique<Font>(spec);
  }
  return *resized;
}

}  // namespace

Colour FillDarkRow(Canvas& canvas, const Rect& cell, int row, bool selected) {
  if (selected) {
    canvas.FillRect(cell, kSelectedFill);
    return kSelectedText;
  }
  canvas.FillRect(cell, row % 2 == 0 ? kEvenFill : kOddFill);
  return kRowText;
}

void EraseFramedListBackground(Canvas& canvas, Size size) {
  const Rect whole{0, 0, size.width, size.height};
  canvas.FillRect(whole, Rgb(0, 0, 0));
  canvas.FrameRect(whole, kFrame, kFrameWidth);
}

const Font& TitleFontToFit(Canvas& canvas, const std::string& title,
                           const Font& font, int width) {
  const int natural = canvas.MeasureText(title, font).width;
  const int height = font.request().height;
  if (natural <= width || height == 0) return font;
  const int sign = height < 0 ? -1 : 1;
  const int full = std::abs(height);
  const int smallest = (full * kMinTitleQuarters + 3) / 4;
  // Text width grows about in step with the size; hinting can round a size
  // up, so check and step down.
  int size = std::max(smallest, full * width / natural);
  while (size > smallest &&
         canvas.MeasureText(title, ResizedFont(font, sign * size)).width >
             width) {
    --size;
  }
  return ResizedFont(font, sign * size);
}

std::string FormatFixed(double x, int decimals) {
  // A damaged data file can hold any double; it shows as "no value".
  if (!std::isfinite(x)) return kNoValueText;
  // Room for every digit of the largest double and the decimals.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), x,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return std::string();
  return std::string(buffer, result.ptr);
}

}  // namespace zorvanel
