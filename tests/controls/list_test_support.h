#ifndef ZORVANEL_TESTS_CONTROLS_LIST_TEST_SUPPORT_H_
#define ZORVANEL_TESTS_CONTROLS_LIST_TEST_SUPPORT_H_

#include <cstdint>
#include <memory>
#include <utility>

#include "platform/backend.h"
#include "platform/image.h"
#include "platform/shell.h"

namespace zorvanel {

// A backend with a clock the test sets by hand and no events.
class ClockBackend : public Backend {
 public:
  explicit ClockBackend(Size screen) : screen_(screen) {}
  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override { return now_; }
  bool WaitEvent(int /*timeout_ms*/, InputEvent* /*event*/) override {
    return false;
  }
  void Present(const Image& /*frame*/) override {}

  void set_now(uint32_t now) { now_ = now; }
  void Advance(uint32_t ms) { now_ += ms; }

 private:
  Size screen_;
  uint32_t now_ = 1000;
};

// A shell on a ClockBackend for the length of a test.
class ClockShell {
 public:
  explicit ClockShell(Size screen = Size{480, 640}) {
    auto backend = std::make_unique<ClockBackend>(screen);
    clock_ = backend.get();
    shell_ = std::make_unique<Shell>(std::move(backend));
  }
  ClockBackend& clock() { return *clock_; }
  Shell& shell() { return *shell_; }

 private:
  ClockBackend* clock_;
  std::unique_ptr<Shell> shell_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_TESTS_CONTROLS_LIST_TEST_SUPPORT_H_
