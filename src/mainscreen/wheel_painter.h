// Draws a wheel: its knurled ring, its marks and reference values, its marker.
#ifndef ZORVANEL_MAINSCREEN_WHEEL_PAINTER_H_
#define ZORVANEL_MAINSCREEN_WHEEL_PAINTER_H_

#include <array>
#include <string>

#include "mainscreen/wheel_band.h"
#include "platform/geometry.h"

namespace zorvanel {

class Canvas;
class Font;
class TextFitter;

// The ring's picture, stretched to `wheel`.
void PaintWheelPicture(Canvas& canvas, const Rect& wheel);

// The tick marks and the four reference values (`texts`, in `font`; white,
// or amber where `amber` says so) of a wheel laid out as `marks`.
void PaintWheelMarks(Canvas& canvas, TextFitter& fitter, const Font* font,
                     const WheelMarks& marks,
                     const std::array<std::string, 4>& texts,
                     const std::array<bool, 4>& amber);

// The red marker of the wheel at `wheel` at `position` along its travel.
void PaintWheelMarker(Canvas& canvas, const Rect& wheel, int scale,
                      int position);

// The frame around the wheel the keys step: from the top of its caption row
// to the bottom of the wheel at `wheel`.
void PaintWheelFocus(Canvas& canvas, const Rect& wheel, int caption_top,
                     int scale);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_WHEEL_PAINTER_H_
