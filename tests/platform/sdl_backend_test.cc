// Tests of the SDL backend: pointer, keys, text, frames, wheel, no display.
#include "platform/sdl_backend.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/image.h"

namespace zorvanel {
namespace {

// SDL's dummy video driver: a window without a display, so the event
// translation runs anywhere.
class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    Expected<std::unique_ptr<SdlBackend>> created =
        SdlBackend::Create(Size{480, 640});
    ASSERT_TRUE(created.ok()) << created.status().Reason();
    backend_ = std::move(*created);
  }
  void TearDown() override {
    backend_.reset();
    unsetenv("SDL_VIDEODRIVER");
  }

  InputEvent Next() {
    InputEvent event;
    EXPECT_TRUE(backend_->WaitEvent(100, &event));
    return event;
  }

  static void PushButton(Uint32 type, int x, int y, int clicks) {
    SDL_Event e{};
    e.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = x;
    e.button.y = y;
    e.button.clicks = static_cast<Uint8>(clicks);
    SDL_PushEvent(&e);
  }

  std::unique_ptr<SdlBackend> backend_;
};

TEST_F(SdlBackendTest, PointerEventsKeepScreenPixelsAndDoubleClicks) {
  PushButton(SDL_MOUSEBUTTONDOWN, 10, 20, 1);
  SDL_Event hover{};
  hover.type = SDL_MOUSEMOTION;
  hover.motion.x = 11;
  hover.motion.which = SDL_TOUCH_MOUSEID;
  SDL_PushEvent(&hover);  // a finger cannot hover: ignored
  SDL_Event drag{};
  drag.type = SDL_MOUSEMOTION;
  drag.motion.x = 30;
  drag.motion.y = 40;
  drag.motion.state = SDL_BUTTON_LMASK;
  SDL_PushEvent(&drag);
  PushButton(SDL_MOUSEBUTTONUP, 30, 40, 1);
  PushButton(SDL_MOUSEBUTTONDOWN, 30, 40, 2);
  PushButton(SDL_MOUSEBUTTONDOWN, 30, 40, 3);

  InputEvent e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kPointerDown);
  EXPECT_EQ(e.point, (Point{10, 20}));
  e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kPointerMove);
  EXPECT_EQ(e.point, (Point{30, 40}));
  EXPECT_EQ(Next().type, InputEvent::Type::kPointerUp);
  EXPECT_EQ(Next().type, InputEvent::Type::kDoubleTap);
  EXPECT_EQ(Next().type, InputEvent::Type::kDoubleTap);  // a third click
  EXPECT_FALSE(backend_->WaitEvent(0, &e));
}

TEST_F(SdlBackendTest, OneFingerIsThePointerAndTouchMiceAreIgnored) {
  auto finger = [](Uint32 type, SDL_FingerID id, float x, float y) {
    SDL_Event e{};
    e.type = type;
    e.tfinger.fingerId = id;
    e.tfinger.x = x;
    e.tfinger.y = y;
    SDL_PushEvent(&e);
  };
  finger(SDL_FINGERDOWN, 7, 0.5f, 0.25f);
  finger(SDL_FINGERDOWN, 8, 0.1f, 0.1f);  // a second finger meanwhile
  finger(SDL_FINGERMOTION, 8, 0.2f, 0.2f);
  SDL_Event mouse{};  // what SDL makes of the touch for the mouse
  mouse.type = SDL_MOUSEBUTTONDOWN;
  mouse.button.which = SDL_TOUCH_MOUSEID;
  mouse.button.button = SDL_BUTTON_LEFT;
  SDL_PushEvent(&mouse);
  finger(SDL_FINGERMOTION, 7, 0.75f, 1.0f);
  finger(SDL_FINGERUP, 7, 0.75f, 1.0f);
  finger(SDL_FINGERUP, 8, 0.2f, 0.2f);
  finger(SDL_FINGERDOWN, 8, 0.52f, 0.26f);  // soon and near: a double tap

  InputEvent e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kPointerDown);
  EXPECT_EQ(e.point, (Point{240, 160}));
  e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kPointerMove);
  EXPECT_EQ(e.point, (Point{360, 639}));
  EXPECT_EQ(Next().type, InputEvent::Type::kPointerUp);
  EXPECT_EQ(Next().type, InputEvent::Type::kDoubleTap);
  EXPECT_FALSE(backend_->WaitEvent(0, &e));
}

TEST_F(SdlBackendTest, TextInputAsksForTheOnScreenKeyboard) {
  EXPECT_FALSE(SDL_IsTextInputActive());
  backend_->SetTextInput(true);
  EXPECT_TRUE(SDL_IsTextInputActive());
  backend_->SetTextInput(false);
  EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST_F(SdlBackendTest, KeysTextAndQuit) {
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_F1;
  SDL_PushEvent(&key);
  key.key.keysym.sym = SDLK_PAGEDOWN;
  SDL_PushEvent(&key);
  // Without a text field, a letter key is its character (for a list to
  // jump to); with one, letters come as text only.
  key.key.keysym.sym = SDLK_n;
  SDL_PushEvent(&key);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 2;  // away from the user: toward the start
  SDL_PushEvent(&wheel);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  std::strcpy(text.text.text, "\xC3\xA9\xE2\x82\xAC");  // "é€"
  SDL_Event quit{};
  quit.type = SDL_QUIT;

  InputEvent e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kKey);
  EXPECT_EQ(e.key, Key::kF1);
  EXPECT_EQ(e.modifiers, 0);
  EXPECT_EQ(Next().key, Key::kPageDown);
  e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kChar);
  EXPECT_EQ(e.ch, U'n');
  e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kWheel);
  EXPECT_EQ(e.wheel, -2);
  backend_->SetTextInput(true);
  key.key.keysym.sym = SDLK_a;
  SDL_PushEvent(&key);
  key.key.keysym.mod = KMOD_LCTRL | KMOD_RSHIFT;  // but Ctrl+A is a key
  SDL_PushEvent(&key);
  SDL_PushEvent(&text);
  SDL_PushEvent(&quit);
  e = Next();
  EXPECT_EQ(e.key, Key::kA);
  EXPECT_EQ(e.modifiers, kModCtrl | kModShift);
  e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kChar);
  EXPECT_EQ(e.ch, U'é');
  e = Next();
  EXPECT_EQ(e.ch, U'€');
  EXPECT_EQ(Next().type, InputEvent::Type::kClose);
}

TEST_F(SdlBackendTest, PresentsFramesAndWaitsWithATimeout) {
  Image frame(480, 640);
  backend_->Present(frame);
  Image wrong(10, 10);
  backend_->Present(wrong);  // ignored, not a crash
  const uint32_t start = backend_->Now();
  InputEvent e;
  EXPECT_FALSE(backend_->WaitEvent(30, &e));
  EXPECT_GE(backend_->Now() - start, 25u);
  // The dummy display is 1024 x 768: 90 % of it holds 480 x 640 only.
  EXPECT_EQ(SdlBackend::PickScreenSize(), (Size{480, 640}));
}

// The real X window, under Xvfb (CTest runs this one with xvfb-run): a wheel
// turned with the X test extension arrives as notches where the pointer is.
TEST(SdlRealWindowTest, MouseWheelArrivesWhereThePointerIs) {
  if (std::getenv("DISPLAY") == nullptr ||
      std::system("command -v xdotool >/dev/null") != 0) {
    GTEST_SKIP() << "needs an X display and xdotool";
  }
  Expected<std::unique_ptr<SdlBackend>> created =
      SdlBackend::Create(Size{480, 640});
  ASSERT_TRUE(created.ok()) << created.status().Reason();
  std::unique_ptr<SdlBackend> backend = std::move(*created);
  backend->Present(Image(480, 640));
  // Button 5 is one notch toward the user: toward the end of a list.
  ASSERT_EQ(std::system("xdotool search --sync --name '^Zorvanel$' "
                        "mousemove --window %1 100 200 sleep 0.2 click 5"),
            0);
  InputEvent e;
  bool got_wheel = false;
  for (int i = 0; i < 50 && !got_wheel; ++i) {
    if (backend->WaitEvent(100, &e))
      got_wheel = e.type == InputEvent::Type::kWheel;
  }
  ASSERT_TRUE(got_wheel);
  EXPECT_EQ(e.wheel, 1);
  EXPECT_EQ(e.point, (Point{100, 200}));
}

TEST(SdlBackendNoDisplayTest, CreateFailsWithAReason) {
  setenv("SDL_VIDEODRIVER", "x11", 1);
  const char* display = std::getenv("DISPLAY");
  const std::string saved = display != nullptr ? display : "";
  unsetenv("DISPLAY");
  const Expected<std::unique_ptr<SdlBackend>> created =
      SdlBackend::Create(Size{480, 640});
  EXPECT_FALSE(created.ok());
  EXPECT_FALSE(created.status().Reason().empty());
  EXPECT_EQ(SdlBackend::PickScreenSize(), (Size{480, 640}));
  if (display != nullptr) setenv("DISPLAY", saved.c_str(), 1);
  unsetenv("SDL_VIDEODRIVER");
}

}  // namespace
}  // namespace zorvanel
