#include "platform/sdl_backend.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/image.h"

namespace zorvanel {
namespace {

// SDL's dummy video driver: a window without a display, so the event
// translation runs anywhere.
class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::string error;
    backend_ = SdlBackend::Create(Size{480, 640}, &error);
    ASSERT_NE(backend_, nullptr) << error;
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
  SDL_PushEvent(&hover);  // no button held: ignored
  SDL_Event drag{};
  drag.type = SDL_MOUSEMOTION;
  drag.motion.x = 30;
  drag.motion.y = 40;
  drag.motion.state = SDL_BUTTON_LMASK;
  SDL_PushEvent(&drag);
  PushButton(SDL_MOUSEBUTTONUP, 30, 40, 1);
  PushButton(SDL_MOUSEBUTTONDOWN, 30, 40, 2);

  InputEvent e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kPointerDown);
  EXPECT_EQ(e.point, (Point{10, 20}));
  e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kPointerMove);
  EXPECT_EQ(e.point, (Point{30, 40}));
  EXPECT_EQ(Next().type, InputEvent::Type::kPointerUp);
  EXPECT_EQ(Next().type, InputEvent::Type::kDoubleTap);
  EXPECT_FALSE(backend_->WaitEvent(0, &e));
}

TEST_F(SdlBackendTest, KeysTextAndQuit) {
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_F1;
  SDL_PushEvent(&key);
  key.key.keysym.sym = SDLK_a;  // letters come as text, not keys
  SDL_PushEvent(&key);
  key.key.keysym.mod = KMOD_LCTRL | KMOD_RSHIFT;  // but Ctrl+A is a key
  SDL_PushEvent(&key);
  backend_->SetTextInput(true);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  std::strcpy(text.text.text, "\xC3\xA9\xE2\x82\xAC");  // "é€"
  SDL_PushEvent(&text);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);

  InputEvent e = Next();
  EXPECT_EQ(e.type, InputEvent::Type::kKey);
  EXPECT_EQ(e.key, Key::kF1);
  EXPECT_EQ(e.modifiers, 0);
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

TEST(SdlBackendNoDisplayTest, CreateFailsWithAReason) {
  setenv("SDL_VIDEODRIVER", "x11", 1);
  const char* display = std::getenv("DISPLAY");
  const std::string saved = display != nullptr ? display : "";
  unsetenv("DISPLAY");
  std::string error;
  EXPECT_EQ(SdlBackend::Create(Size{480, 640}, &error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(SdlBackend::PickScreenSize(), (Size{480, 640}));
  if (display != nullptr) setenv("DISPLAY", saved.c_str(), 1);
  unsetenv("SDL_VIDEODRIVER");
}

}  // namespace
}  // namespace zorvanel
