#include "controls/list_rows.h"

#include <charconv>
#include <cmath>

#include "i18n/value_text.h"
#include "platform/palette.h"

namespace zorvanel {
namespace {

constexpr int kFrameWidth = 2;

}  // namespace

Colour FillDarkRow(Canvas& canvas, const Rect& cell, int row, bool selected) {
  if (selected) {
    canvas.FillRect(cell, palette::kRowSelected);
    return palette::kRowSelectedText;
  }
  canvas.FillRect(cell, row % 2 == 0 ? palette::kRowEven : palette::kRowOdd);
  return palette::kRowText;
}

void EraseFramedListBackground(Canvas& canvas, Size size) {
  const Rect whole{0, 0, size.width, size.height};
  canvas.FillRect(whole, palette::kGround);
  canvas.FrameRect(whole, palette::kListFrame, kFrameWidth);
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
