// Colours that several skin pictures must agree on.
#ifndef ZORVANEL_TOOLS_SKINS_PALETTE_H_
#define ZORVANEL_TOOLS_SKINS_PALETTE_H_

#include "drawing.h"

// Colours that several pictures must agree on.
namespace zorvanel::skingen {

// The flat face of the custom button skin (185). Opaque icons drawn on that
// button (the language flags) use it as their background so that they sit
// on the face without a visible square.
inline constexpr Rgba kButtonFace = Hex(0x2a2d32);

// The flat face of the list dialogs' button skin (163), likewise the
// background of the three-state icon strips drawn on it.
inline constexpr Rgba kListButtonFace = Hex(0x25282d);

// The accent of focus and pressed states.
inline constexpr Rgba kAccentBlue = Hex(0x3c9cff);
inline constexpr Rgba kAccentLight = Hex(0x9fd6ff);

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_PALETTE_H_
