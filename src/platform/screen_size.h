// Screen sizes: which ones the program lays out, the window's default, WxH.
#ifndef ZORVANEL_PLATFORM_SCREEN_SIZE_H_
#define ZORVANEL_PLATFORM_SCREEN_SIZE_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/geometry.h"
#include "platform/status.h"

namespace zorvanel {

// Each side of a screen the program accepts, in pixels.
inline constexpr int kMinScreenSide = 48;
inline constexpr int kMaxScreenSide = 8192;

// Empty when the program can lay out every one of its screens on `screen`;
// otherwise the reason, as one line. Both programs ask this one function.
// Every screen is laid out for any size whose sides are in range: on a
// screen wider than high the dialogs keep to a column of readable width,
// and the main screen puts its panel beside the wheels.
std::string ScreenSizeProblem(Size screen);

// The window's screen on a display with `usable` room: the largest of
// 480 x 640 times 1, 1.25, 1.5 or 2 within 90 % of it, else 480 x 640.
Size DefaultScreenSize(Size usable);

// The nearest size to `screen` that the program accepts: each side held
// inside kMinScreenSide .. kMaxScreenSide.
Size ClampedScreenSize(Size screen);

// "480x640" -> 480 x 640 when that is a screen the program accepts; the
// reason otherwise.
Expected<Size> ParseScreenSize(std::string_view text);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_SCREEN_SIZE_H_
