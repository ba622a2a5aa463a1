// Dark alternating rows shared by the camera, lens and value lists.
#ifndef ZORVANEL_CONTROLS_LIST_ROWS_H_
#define ZORVANEL_CONTROLS_LIST_ROWS_H_

#include "platform/canvas.h"
#include "platform/geometry.h"

namespace zorvanel {

// The look shared by the camera, lens and value lists: light text on
// alternating black and near-black rows, the selected row inverted.

// Fills a row's cell and returns the colour its text is drawn in.
Colour FillDarkRow(Canvas& canvas, const Rect& cell, int row, bool selected);

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_LIST_ROWS_H_
