// The colours the program draws with, named by the part they play.
#ifndef ZORVANEL_PLATFORM_PALETTE_H_
#define ZORVANEL_PLATFORM_PALETTE_H_

#include "platform/geometry.h"

// The colours the program draws with, named by the part they play.
namespace zorvanel::palette {

// The black ground of every screen, wherever nothing else is drawn.
inline constexpr Colour kGround = Rgb(0, 0, 0);
// Texts and lines on the ground and on the buttons' dark skins.
inline constexpr Colour kText = Rgb(255, 255, 255);
inline constexpr Colour kDisabledText = Rgb(128, 128, 128);

// The soft-key bar: the half whose key is held, and the line along its top.
inline constexpr Colour kSoftKeyPressed = Rgb(72, 72, 88);
inline constexpr Colour kSoftKeyBarEdge = Rgb(96, 96, 96);

// A text field's text, on its own light box over the field's skin.
inline constexpr Colour kFieldText = Rgb(0, 0, 0);
inline constexpr Colour kFieldTextBox = Rgb(255, 255, 255);

// The program's lists: dark rows, every other one a shade lighter, in a
// grey frame; the selected row light with dark text.
inline constexpr Colour kRowEven = Rgb(0, 0, 0);
inline constexpr Colour kRowOdd = Rgb(20, 20, 20);
inline constexpr Colour kRowText = Rgb(230, 230, 230);
inline constexpr Colour kRowSelected = Rgb(230, 230, 230);
inline constexpr Colour kRowSelectedText = Rgb(0, 0, 0);
inline constexpr Colour kListFrame = Rgb(150, 150, 150);

// The main screen: the texts on the light result panel, the wheels' and
// the zone strip's red marker, the strip's band of sharpness, and the amber
// of an aperture past the diffraction limit.
inline constexpr Colour kPanelText = Rgb(70, 70, 70);
inline constexpr Colour kMarker = Rgb(230, 0, 0);
inline constexpr Colour kZoneBand = Rgb(70, 160, 230);
inline constexpr Colour kDiffraction = Rgb(255, 170, 0);
// The frame around the wheel the keys step, and around the button or list
// that has the keyboard's focus.
inline constexpr Colour kFocus = Rgb(70, 160, 230);

// How thick a control's focus frame is at display scale `scale` (percent):
// never thinner than two pixels, so it shows on the smallest screens.
constexpr int FocusFrameWidth(int scale) {
  const int width = Scaled(scale, 3);
  return width > 2 ? width : 2;
}

// The tooltip a control shows under the resting mouse.
inline constexpr Colour kTooltip = Rgb(255, 255, 225);
inline constexpr Colour kTooltipText = Rgb(0, 0, 0);

}  // namespace zorvanel::palette

#endif  // ZORVANEL_PLATFORM_PALETTE_H_
