// The tooltip: the name of a control's action, shown after a short hover.
#ifndef ZORVANEL_PLATFORM_TOOLTIP_H_
#define ZORVANEL_PLATFORM_TOOLTIP_H_

#include <cstdint>
#include <memory>
#include <string>

#include "platform/font.h"
#include "platform/geometry.h"

namespace zorvanel {

class Canvas;
class Window;

// How long the mouse rests on a control before its tooltip shows.
inline constexpr int kTooltipDelayMs = 600;

// The hover state of the mouse with no button held: the window under it
// and since when, and the tooltip once that window's Tooltip() is due.
// Any press, key or other window under the mouse hides it again.
class Tooltip {
 public:
  // The mouse moved to `point` over `window` (null: over nothing) at `now`.
  // True when what the screen shows changed.
  bool Hover(Window* window, Point point, uint32_t now);
  // Hides the tooltip and forgets the hover; true when one was shown.
  bool Hide();
  // The window is going away.
  void Forget(const Window* window);
  // Milliseconds until the tooltip is due, or -1 when none is pending.
  int MillisecondsToDue(uint32_t now) const;
  // Shows the tooltip when it is due; true when it just appeared.
  bool ShowIfDue(uint32_t now);

  bool shown() const { return shown_; }
  const std::string& text() const { return text_; }

  // Draws the shown tooltip under the mouse, kept inside `screen`, at
  // display scale `scale`.
  void Paint(Canvas& canvas, Size screen, int scale);

 private:
  Window* window_ = nullptr;
  Point point_;
  uint32_t since_ = 0;
  bool shown_ = false;
  std::string text_;
  std::unique_ptr<Font> font_;
  int font_scale_ = 0;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_TOOLTIP_H_
