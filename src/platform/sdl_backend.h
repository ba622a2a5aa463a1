// The desktop backend: a real window, its input and its frames through SDL2.
#ifndef ZORVANEL_PLATFORM_SDL_BACKEND_H_
#define ZORVANEL_PLATFORM_SDL_BACKEND_H_

#include <functional>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/status.h"

namespace zorvanel {

// A real window through SDL2; its client area is the screen, fixed at start
// (a window resized anyway shows the screen scaled, input following it).
class SdlBackend : public Backend {
 public:
  // The reason instead when there is no display or SDL cannot start.
  static Expected<std::unique_ptr<SdlBackend>> Create(Size screen);
  // DefaultScreenSize of the first display's usable room; 480x640 when
  // nothing is known.
  static Size PickScreenSize();
  // Run when the display goes away under a running window (the X server
  // ends, the remote session drops): nothing can be asked then, so `save`
  // writes what it can and its result is the exit status. Set before Run.
  static void SetDisplayLostHandler(std::function<int()> save);
  ~SdlBackend() override;

  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override;
  bool WaitEvent(int timeout_ms, InputEvent* event) override;
  void Present(const Image& frame) override;
  void SetTextInput(bool on) override;
  void SetIcon(const Image& icon) override;

 private:
  struct Impl;
  explicit SdlBackend(Size screen);
  Size screen_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_SDL_BACKEND_H_
