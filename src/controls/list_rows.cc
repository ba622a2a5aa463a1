// Dark alternating rows and grey frame shared by camera, lens and value lists.
#include "controls/list_rows.h"

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

}  // namespace zorvanel
