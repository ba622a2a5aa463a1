#ifndef ZORVANEL_TESTS_CONTROLS_CONTROL_TEST_SUPPORT_H_
#define ZORVANEL_TESTS_CONTROLS_CONTROL_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <vector>

#include "i18n/font_table.h"
#include "platform/backend.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace zorvanel::testing {

// A backend whose clock the test moves by hand; it never has events.
class ClockBackend : public Backend {
 public:
  explicit ClockBackend(Size screen) : screen_(screen) {}
  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override { return now_; }
  bool WaitEvent(int, InputEvent*) override {
    throw std::logic_error("control tests run no event loop");
  }
  void Present(const Image&) override {}

  uint32_t now_ = 0;

 private:
  Size screen_;
};

// A parent that records what its child buttons send.
class RecordingParent : public Window {
 public:
  void OnCommand(int id) override { commands.push_back(id); }
  std::vector<int> commands;
  std::vector<int> double_taps;

 protected:
  void OnDoubleTapCommand(int id) override { double_taps.push_back(id); }
};

// A Shell on a hand-driven clock, with the process-wide font table at the
// shell's scale.
class ShellTest : public ::testing::Test {
 protected:
  void MakeShell(Size screen) {
    shell_.reset();
    auto backend = std::make_unique<ClockBackend>(screen);
    clock_ = backend.get();
    shell_ = std::make_unique<Shell>(std::move(backend));
    GetFontTable().Clear();
    GetFontTable().set_scale(shell_->scale());
  }
  void SetUp() override { MakeShell(Size{480, 640}); }
  void TearDown() override {
    GetFontTable().Clear();
    GetFontTable().set_scale(100);
  }
  // Moves the clock on and lets due timers run.
  void AdvanceTo(uint32_t ms) {
    clock_->now_ = ms;
    shell_->RunPendingWork();
  }

  std::unique_ptr<Shell> shell_;
  ClockBackend* clock_ = nullptr;
};

// Whether two colours are within `tolerance` per channel.
inline bool Near(Colour a, Colour b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

inline Colour Inverted(Colour c) {
  return Rgb(255 - c.r, 255 - c.g, 255 - c.b);
}

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_CONTROLS_CONTROL_TEST_SUPPORT_H_
