// Dark alternating rows and grey frame shared by camera, lens and value lists.
#ifndef ZORVANEL_CONTROLS_LIST_ROWS_H_
#define ZORVANEL_CONTROLS_LIST_ROWS_H_

#include "platform/canvas.h"
#include "platform/geometry.h"

namespace zorvanel {

// The look shared by the camera, lens and value lists: light text on
// alternating black and near-black rows, the selected row inverted, the
// whole list framed in grey.

// Fills a row's cell and returns the colour its text is drawn in.
Colour FillDarkRow(Canvas& canvas, const Rect& cell, int row, bool selected);

// Black over the whole control with a grey outline two pixels wide.
void EraseFramedListBackground(Canvas& canvas, Size size);

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_LIST_ROWS_H_
