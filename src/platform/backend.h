// The input events and the backend they come from and frames go to.
#ifndef ZORVANEL_PLATFORM_BACKEND_H_
#define ZORVANEL_PLATFORM_BACKEND_H_

#include <cstdint>

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
  };
  Type type = Type::kPointerMove;
  Point point;
  char32_t ch = 0;
  Key key = Key::kEnter;
  int modifiers = 0;  // kModShift, kModCtrl held with the key
  SoftKeySide soft_key = SoftKeySide::kLeft;
  int wheel = 0;
};

// Where events come from and frames go. Nothing above the platform knows
// which backend runs.
class Backend {
 public:
  virtual ~Backend() = default;

  // Called once by the shell that takes this backend.
  virtual void Attach(Shell* /*shell*/) {}
  virtual Size ScreenSize() const = 0;
  // Milliseconds since some fixed start.
  virtual uint32_t Now() = 0;
  // Waits at most timeout_ms (negative: no limit) for one event. Returns
  // false when the time ran out without one.
  virtual bool WaitEvent(int timeout_ms, InputEvent* event) = 0;
  // Shows a finished frame of the screen's size.
  virtual void Present(const Image& frame) = 0;
  // The on-screen keyboard: on while a text field has the focus.
  virtual void SetTextInput(bool /*on*/) {}
  // The picture the desktop shows for the program's window.
  virtual void SetIcon(const Image& /*icon*/) {}
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_BACKEND_H_
