// The input events and the backend they come from and frames go to.
#ifndef ZORVANEL_PLATFORM_BACKEND_H_
#define ZORVANEL_PLATFORM_BACKEND_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "platform/window.h"

namespace zorvanel {

class Image;
class Shell;

// One input event, in screen pixels.
struct InputEvent {
  enum class Type {
    kPointerDown,
    kPointerMove,
    kPointerUp,
    kDoubleTap,  // the second press of a double tap (a release follows)
    kChar,
    kKey,
    kSoftKey,  // a press of the `soft_key`
    kClose,    // the window's close request
    kWheel,    // the mouse wheel over `point`: `wheel` notches, positive down
    kResize,   // the window's inside is now `size`
  };
  Type type = Type::kPointerMove;
  Point point;
  char32_t ch = 0;
  Key key = Key::kEnter;
  int modifiers = 0;  // kModShift, kModCtrl held with the key
  SoftKeySide soft_key = SoftKeySide::kLeft;
  int wheel = 0;
  Size size;
};

// Where events come from and frames go. Nothing above the platform knows
// which backend runs.
class Backend {
 public:
  virtual ~Backend() = default;

  // Called once by the shell that takes this backend.
  virtual void Attach(Shell* /*shell*/) {}
  // The screen's size at start; later sizes arrive as kResize events.
  virtual Size ScreenSize() const = 0;
  // Milliseconds since some fixed start.
  virtual uint32_t Now() = 0;
  // Waits at most timeout_ms (negative: no limit) for one event. Returns
  // false when the time ran out without one.
  virtual bool WaitEvent(int timeout_ms, InputEvent* event) = 0;
  // Shows a finished frame of the screen's size.
  virtual void Present(const Image& frame) = 0;
  // The same, when only `changed` (screen pixels) differs from the frame
  // presented last: a backend may take just those parts.
  virtual void PresentChanged(const Image& frame,
                              const std::vector<Rect>& /*changed*/) {
    Present(frame);
  }
  // The on-screen keyboard: on while a text field has the focus.
  virtual void SetTextInput(bool /*on*/) {}
  // The picture the desktop shows for the program's window.
  virtual void SetIcon(const Image& /*icon*/) {}
  // The window's inside on the desktop (position and size), where there is
  // a window.
  virtual std::optional<Rect> WindowGeometry() const { return std::nullopt; }
  // Moves and sizes the window's inside to `inside`, as much of it as the
  // usable display and the accepted sizes allow; returns the size it got,
  // for Shell::Resize. Nothing without a window.
  virtual std::optional<Size> PlaceWindow(const Rect& /*inside*/) {
    return std::nullopt;
  }
  // Gives the window's inside `inside` for good (the user no longer resizes
  // it), centred on the display: a notice in a window of its own size.
  // Returns the size it got, for Shell::ResizeKeepingScale. Nothing without
  // a window.
  virtual std::optional<Size> FixWindowSize(Size /*inside*/) {
    return std::nullopt;
  }
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_BACKEND_H_
