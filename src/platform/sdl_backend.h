// The desktop backend: a real window, its input and its frames through SDL2.
#ifndef ZORVANEL_PLATFORM_SDL_BACKEND_H_
#define ZORVANEL_PLATFORM_SDL_BACKEND_H_

#include <functional>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/status.h"

namespace zorvanel {

// A real window through SDL2; its inside is the screen. The user may resize
// and maximise it (down to the smallest accepted screen): each new size
// arrives as a kResize event, and frames are shown pixel for pixel. The
// window shows with the first frame, so that it can be placed before.
class SdlBackend : public Backend {
 public:
  // The reason instead when there is no display or SDL cannot start.
  static Expected<std::unique_ptr<SdlBackend>> Create(Size screen);
  // DefaultScreenSize of the first display's usable room; 480x640 when
  // nothing is known.
  static Size PickScreenSize();
  // `asked` when it fits the usable display (or nothing is known of it);
  // otherwise the largest size of the same shape that fits in 90 % of it,
  // with `note` saying so in one line.
  static Size FitToDisplay(Size asked, std::string* note);
  // Run when the display goes away under a running window (the X server
  // ends, the remote session drops): nothing can be asked then, so `save`
  // writes what it can and its result is the exit status. Set before Run.
  static void SetDisplayLostHandler(std::function<int()> save);
  ~SdlBackend() override;

  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override;
  bool WaitEvent(int timeout_ms, InputEvent* event) override;
  void Present(const Image& frame) override;
  // Uploads only the changed rectangles into the window's texture.
  void PresentChanged(const Image& frame,
                      const std::vector<Rect>& changed) override;
  void SetTextInput(bool on) override;
  void SetIcon(const Image& icon) override;
  std::optional<Rect> WindowGeometry() const override;
  std::optional<Size> PlaceWindow(const Rect& inside) override;
  std::optional<Size> FixWindowSize(Size inside) override;

 private:
  struct Impl;
  explicit SdlBackend(Size screen);
  Size screen_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_SDL_BACKEND_H_
