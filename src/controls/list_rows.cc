// Dark alternating rows shared by the camera, lens and value lists.
#include "controls/list_rows.h"

#include "platform/palette.h"

namespace zorvanel {
Colour FillDarkRow(Canvas& canvas, const Rect& cell, int row, bool selected) {
  if (selected) {
    canvas.FillRect(cell, palette::kRowSelected);
    return palette::kRowSelectedText;
  }
  canvas.FillRect(cell, row % 2 == 0 ? palette::kRowEven : palette::kRowOdd);
  return palette::kRowText;
}

}  // namespace zorvanel
