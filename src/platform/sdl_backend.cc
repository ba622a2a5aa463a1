// The desktop backend: a real window, its input and its frames through SDL2.
#include "platform/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/process_endings.h"
#include "platform/screen_size.h"
#include "platform/tap_series.h"
#include "platform/text_context.h"

namespace zorvanel {

namespace {

// SDL's reason for the call that just failed.
Status SdlFailure() {
  const char* reason = SDL_GetError();
  return Status::Failure(reason != nullptr && *reason != '\0'
                             ? std::string(reason)
                             : std::string("SDL failed"));
}

bool TranslateKey(SDL_Keycode sym, Uint16 mod, Key* key) {
  switch (sym) {
    case SDLK_LEFT:
      *key = Key::kLeft;
      return true;
    case SDLK_RIGHT:
      *key = Key::kRight;
      return true;
    case SDLK_UP:
      *key = Key::kUp;
      return true;
    case SDLK_DOWN:
      *key = Key::kDown;
      return true;
    case SDLK_BACKSPACE:
      *key = Key::kBackspace;
      return true;
    case SDLK_DELETE:
      *key = Key::kDelete;
      return true;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      *key = Key::kEnter;
      return true;
    case SDLK_ESCAPE:
      *key = Key::kEscape;
      return true;
    case SDLK_F1:
      *key = Key::kF1;
      return true;
    case SDLK_F2:
      *key = Key::kF2;
      return true;
    case SDLK_PAGEUP:
      *key = Key::kPageUp;
      return true;
    case SDLK_PAGEDOWN:
      *key = Key::kPageDown;
      return true;
    case SDLK_HOME:
      *key = Key::kHome;
      return true;
    case SDLK_END:
      *key = Key::kEnd;
      return true;
    case SDLK_TAB:
      *key = Key::kTab;
      return true;
    case SDLK_a:
      // A plain "a" arrives as a typed character.
      *key = Key::kA;
      return (mod & KMOD_CTRL) != 0;
    default:
      return false;
  }
}

// 0xAARRGGBB with the colour divided back out of the alpha, rounded.
uint32_t Unpremultiplied(uint32_t pixel) {
  const uint32_t alpha = pixel >> 24;
  if (alpha == 0) return 0;
  if (alpha == 255) return pixel;
  auto channel = [&](int shift) {
    const uint32_t value = (pixel >> shift) & 0xff;
    return std::min<uint32_t>(255, (value * 255 + alpha / 2) / alpha) << shift;
  };
  return (alpha << 24) | channel(16) | channel(8) | channel(0);
}

// The usable part (without panels and docks) of display `index`.
std::optional<Rect> UsableBounds(int index) {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(index, &usable) != 0 || usable.w <= 0 ||
      usable.h <= 0) {
    return std::nullopt;
  }
  return Rect::FromXYWH(usable.x, usable.y, usable.w, usable.h);
}

// The usable part of the display that shows the middle of `r`, else of the
// first display.
std::optional<Rect> UsableBoundsAround(const Rect& r) {
  const Point middle{r.left + r.Width() / 2, r.top + r.Height() / 2};
  const int displays = SDL_GetNumVideoDisplays();
  for (int i = 0; i < displays; ++i) {
    const std::optional<Rect> usable = UsableBounds(i);
    if (usable && usable->Contains(middle)) return usable;
  }
  return UsableBounds(0);
}

// The usable part of the first display, asked for without a window.
std::optional<Rect> UsableDisplay() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return std::nullopt;
  const std::optional<Rect> usable = UsableBounds(0);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return usable;
}

// `r` moved (and, where it is larger, shrunk) into `bounds`.
Rect HeldInside(Rect r, const Rect& bounds) {
  const int w = std::min(r.Width(), bounds.Width());
  const int h = std::min(r.Height(), bounds.Height());
  const int x = std::clamp(r.left, bounds.left, bounds.right - w);
  const int y = std::clamp(r.top, bounds.top, bounds.bottom - h);
  return Rect::FromXYWH(x, y, w, h);
}

}  // namespace

struct SdlBackend::Impl {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  Size texture_size;
  bool shown = false;          // the window is on the desktop
  // Where PlaceWindow put the window, until it is placed again once shown.
  std::optional<Point> wanted_position;
  std::deque<char32_t> typed;  // characters of a text event not yet handed out
  bool text_input = false;     // a text field has the focus
  // The finger that acts as the pointer while it touches; other fingers on
  // the screen meanwhile are ignored.
  std::optional<SDL_FingerID> finger;
  TapSeries finger_taps;

  ~Impl() {
    if (texture != nullptr) SDL_DestroyTexture(texture);
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    if (window != nullptr) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  // Pixel for pixel at the top left: a window the system made larger than
  // the largest screen shows black beyond it.
  void ShowTexture() {
    SDL_RenderClear(renderer);
    const SDL_Rect whole{0, 0, texture_size.width, texture_size.height};
    SDL_RenderCopy(renderer, texture, nullptr, &whole);
    SDL_RenderPresent(renderer);
  }

  // A position given before the window is on the desktop reaches it
  // through the window manager's placement, which may shift it by the
  // frame; given again once the window shows, it means what SDL reports
  // back, which is what the program stores.
  void PlaceAgainOnceShown() {
    if (!wanted_position || !shown) return;
    SDL_SetWindowPosition(window, wanted_position->x, wanted_position->y);
    wanted_position.reset();
  }

  bool MakeTexture(Size size) {
    if (texture != nullptr) SDL_DestroyTexture(texture);
    texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                          SDL_TEXTUREACCESS_STREAMING, size.width, size.height);
    texture_size = texture != nullptr ? size : Size{};
    return texture != nullptr;
  }

  // Turns one SDL event into ours; false for events the program ignores.
  bool Translate(const SDL_Event& e, InputEvent* event) {
    switch (e.type) {
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button != SDL_BUTTON_LEFT || FromTouch(e.button.which))
          return false;
        // A third click of a quick series is another double tap, so it
        // too stays in the dialog the series began in.
        event->type = e.button.clicks >= 2 ? InputEvent::Type::kDoubleTap
                                           : InputEvent::Type::kPointerDown;
        event->point = Point{e.button.x, e.button.y};
        return true;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT || FromTouch(e.button.which))
          return false;
        event->type = InputEvent::Type::kPointerUp;
        event->point = Point{e.button.x, e.button.y};
        return true;
      case SDL_MOUSEMOTION:
        // A drag, or the mouse resting over a control for its tooltip; a
        // touch comes as finger events instead.
        if (FromTouch(e.motion.which)) {
          return false;
        }
        event->type = InputEvent::Type::kPointerMove;
        event->point = Point{e.motion.x, e.motion.y};
        return true;
      case SDL_FINGERDOWN:
      case SDL_FINGERMOTION:
      case SDL_FINGERUP:
        return TranslateFinger(e.tfinger, event);
      case SDL_KEYDOWN:
        if (TranslateKey(e.key.keysym.sym, e.key.keysym.mod, &event->key)) {
          event->type = InputEvent::Type::kKey;
          event->modifiers = ((e.key.keysym.mod & KMOD_SHIFT) ? kModShift : 0) |
                             ((e.key.keysym.mod & KMOD_CTRL) ? kModCtrl : 0);
          return true;
        }
        return !text_input && TranslateLetterKey(e.key.keysym, event);
      case SDL_MOUSEWHEEL:
        return TranslateWheel(e.wheel, event);
      case SDL_TEXTINPUT:
        for (char32_t ch : TypedCharacters(e.text.text)) typed.push_back(ch);
        return TakeTyped(event);
      case SDL_QUIT:
        event->type = InputEvent::Type::kClose;
        return true;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          // The screen follows the window: laid out afresh, never scaled.
          event->type = InputEvent::Type::kResize;
          event->size = Size{e.window.data1, e.window.data2};
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) ShowTexture();
        if (e.window.event == SDL_WINDOWEVENT_MOVED) PlaceAgainOnceShown();
        return false;
      default:
        return false;
    }
  }

  // The mouse events SDL makes from a touch would repeat the finger's.
  static bool FromTouch(Uint32 mouse) { return mouse == SDL_TOUCH_MOUSEID; }

  // A finger is the pointer: down, moves and up in the window's pixels
  // (SDL gives them as fractions of the window), and a quick second press
  // near the first is a double tap, as a double click is.
  bool TranslateFinger(const SDL_TouchFingerEvent& f, InputEvent* event) {
    if (f.type == SDL_FINGERDOWN) {
      if (finger) return false;
      finger = f.fingerId;
    } else if (finger != f.fingerId) {
      return false;
    }
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    event->point = Point{std::clamp(static_cast<int>(f.x * w), 0, w - 1),
                         std::clamp(static_cast<int>(f.y * h), 0, h - 1)};
    switch (f.type) {
      case SDL_FINGERDOWN:
        event->type = finger_taps.Press(event->point, f.timestamp)
                          ? InputEvent::Type::kDoubleTap
                          : InputEvent::Type::kPointerDown;
        return true;
      case SDL_FINGERMOTION:
        event->type = InputEvent::Type::kPointerMove;
        return true;
      default:
        finger.reset();
        event->type = InputEvent::Type::kPointerUp;
        return true;
    }
  }

  // Without a text field to type into (no text input, no on-screen
  // keyboard), a letter key still reaches a list as its character, so that
  // typing jumps through the list; case does not matter there.
  static bool TranslateLetterKey(const SDL_Keysym& keysym, InputEvent* event) {
    const SDL_Keycode sym = keysym.sym;
    if ((keysym.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) != 0) return false;
    if (sym < SDLK_SPACE || sym == SDLK_DELETE ||
        (sym & SDLK_SCANCODE_MASK) != 0) {
      return false;
    }
    event->type = InputEvent::Type::kChar;
    event->ch = static_cast<char32_t>(sym);
    return true;
  }

  // SDL counts away from the user as positive; we count toward the end of
  // the content, as a wheel tilted to the right does. The wheel acts where
  // the pointer is.
  static bool TranslateWheel(const SDL_MouseWheelEvent& wheel,
                             InputEvent* event) {
    int notches = wheel.y != 0 ? -wheel.y : wheel.x;
    if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
    if (notches == 0) return false;
    event->type = InputEvent::Type::kWheel;
    event->wheel = notches;
    SDL_GetMouseState(&event->point.x, &event->point.y);
    return true;
  }

  bool TakeTyped(InputEvent* event) {
    if (typed.empty()) return false;
    event->type = InputEvent::Type::kChar;
    event->ch = typed.front();
    typed.pop_front();
    return true;
  }
};

Expected<std::unique_ptr<SdlBackend>> SdlBackend::Create(Size screen) {
  // Touch screens reach us as finger events; the mouse events SDL would
  // make from them would only repeat them.
  SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
  SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    return SdlFailure();
  }
  // Without a display SDL falls back to a driver that shows nothing; a
  // window nobody can see would wait for input forever. Only a user who
  // asks for such a driver by name gets it.
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool invisible =
      driver != nullptr && (SDL_strcmp(driver, "offscreen") == 0 ||
                            SDL_strcmp(driver, "dummy") == 0);
  if (invisible && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return Status::Failure("no display");
  }
  std::unique_ptr<SdlBackend> backend(new SdlBackend(screen));
  backend->impl_ = std::make_unique<Impl>();
  Impl& impl = *backend->impl_;
  // Hidden until the first frame: the program may place it first.
  impl.window = SDL_CreateWindow(
      "Zorvanel", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, screen.width,
      screen.height, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  if (impl.window != nullptr) {
    SDL_SetWindowMinimumSize(impl.window, kMinScreenSide, kMinScreenSide);
    SDL_SetWindowMaximumSize(impl.window, kMaxScreenSide, kMaxScreenSide);
    impl.renderer = SDL_CreateRenderer(impl.window, -1, 0);
  }
  if (impl.renderer == nullptr || !impl.MakeTexture(screen)) {
    // Impl's destructor undoes what was made.
    return SdlFailure();
  }
  SDL_StopTextInput();  // on only while a text field has the focus
  TreatHangupAsTerminate();
  return backend;
}

Size SdlBackend::PickScreenSize() {
  const std::optional<Rect> usable = UsableDisplay();
  if (!usable) return Size{kReferenceWidth, kReferenceHeight};
  return DefaultScreenSize(usable->GetSize());
}

Size SdlBackend::FitToDisplay(Size asked, std::string* note) {
  const std::optional<Rect> usable = UsableDisplay();
  if (!usable ||
      (asked.width <= usable->Width() && asked.height <= usable->Height())) {
    return asked;
  }
  // The shape kept, room left for the window's frame.
  const double shrink = std::min(usable->Width() * 0.9 / asked.width,
                                 usable->Height() * 0.9 / asked.height);
  const Size fitted =
      ClampedScreenSize(Size{static_cast<int>(asked.width * shrink),
                             static_cast<int>(asked.height * shrink)});
  *note = "the screen " + std::to_string(asked.width) + "x" +
          std::to_string(asked.height) +
          " is larger than the usable display (" +
          std::to_string(usable->Width()) + "x" +
          std::to_string(usable->Height()) + "): the window is " +
          std::to_string(fitted.width) + "x" + std::to_string(fitted.height);
  return fitted;
}

std::optional<Rect> SdlBackend::WindowGeometry() const {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  SDL_GetWindowPosition(impl_->window, &x, &y);
  SDL_GetWindowSize(impl_->window, &w, &h);
  return Rect::FromXYWH(x, y, w, h);
}

std::optional<Size> SdlBackend::PlaceWindow(const Rect& inside) {
  auto accepted = [](const Rect& r) {
    const Size size = ClampedScreenSize(r.GetSize());
    return Rect::FromXYWH(r.left, r.top, size.width, size.height);
  };
  Rect placed = accepted(inside);
  if (const std::optional<Rect> usable = UsableBoundsAround(placed)) {
    placed = accepted(HeldInside(placed, *usable));
  }
  SDL_SetWindowSize(impl_->window, placed.Width(), placed.Height());
  SDL_SetWindowPosition(impl_->window, placed.left, placed.top);
  impl_->wanted_position = Point{placed.left, placed.top};
  return placed.GetSize();
}

std::optional<Size> SdlBackend::FixWindowSize(Size inside) {
  const Size size = ClampedScreenSize(inside);
  // Still hidden when a notice comes first: the window is never seen at
  // its first size.
  SDL_SetWindowResizable(impl_->window, SDL_FALSE);
  SDL_SetWindowSize(impl_->window, size.width, size.height);
  SDL_SetWindowPosition(impl_->window, SDL_WINDOWPOS_CENTERED,
                        SDL_WINDOWPOS_CENTERED);
  impl_->wanted_position.reset();
  return size;
}

void SdlBackend::SetDisplayLostHandler(std::function<int()> save) {
  SaveWhenDisplayIsLost(std::move(save));
}

SdlBackend::SdlBackend(Size screen) : screen_(screen) {}

SdlBackend::~SdlBackend() = default;

uint32_t SdlBackend::Now() { return SDL_GetTicks(); }

bool SdlBackend::WaitEvent(int timeout_ms, InputEvent* event) {
  if (impl_->TakeTyped(event)) return true;
  const uint32_t start = SDL_GetTicks();
  while (true) {
    int remaining = -1;
    if (timeout_ms >= 0) {
      remaining = timeout_ms - static_cast<int>(SDL_GetTicks() - start);
      if (remaining < 0) remaining = 0;
    }
    SDL_Event e;
    const int got =
        remaining < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, remaining);
    // Zero: timed out, or an error that waiting again would only repeat.
    if (got == 0) return false;
    if (impl_->Translate(e, event)) return true;
    if (remaining == 0) return false;
  }
}

void SdlBackend::Present(const Image& frame) {
  const Size size{frame.width(), frame.height()};
  if (size != impl_->texture_size && !impl_->MakeTexture(size)) return;
  SDL_UpdateTexture(impl_->texture, nullptr, frame.data(),
                    frame.stride_words() * 4);
  impl_->ShowTexture();
  if (!impl_->shown) {
    SDL_ShowWindow(impl_->window);
    impl_->shown = true;
  }
}

void SdlBackend::PresentChanged(const Image& frame,
                                const std::vector<Rect>& changed) {
  const Size size{frame.width(), frame.height()};
  // A new texture, or a window not shown yet, takes the whole frame.
  if (size != impl_->texture_size || !impl_->shown) {
    Present(frame);
    return;
  }
  const int stride = frame.stride_words();
  for (const Rect& r : changed) {
    const SDL_Rect part{r.left, r.top, r.Width(), r.Height()};
    SDL_UpdateTexture(impl_->texture, &part,
                      frame.data() + r.top * stride + r.left, stride * 4);
  }
  impl_->ShowTexture();
}

void SdlBackend::SetIcon(const Image& icon) {
  // SDL wants straight alpha; our pixels are premultiplied.
  const int width = icon.width();
  const int height = icon.height();
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels[static_cast<size_t>(y) * width + x] =
          Unpremultiplied(icon.PixelAt(x, y));
    }
  }
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      pixels.data(), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return;  // the desktop's own icon stays
  SDL_SetWindowIcon(impl_->window, surface);
  SDL_FreeSurface(surface);
}

void SdlBackend::SetTextInput(bool on) {
  impl_->text_input = on;
  if (on) {
    SDL_StartTextInput();
  } else {
    SDL_StopTextInput();
  }
}

}  // namespace zorvanel
