// A test backend with a hand-moved clock and a queue of input events.
#ifndef ZORVANEL_TESTS_SUPPORT_FAKE_BACKEND_H_
#define ZORVANEL_TESTS_SUPPORT_FAKE_BACKEND_H_

#include <cstdint>
#include <deque>
#include <stdexcept>

#include "platform/backend.h"
#include "platform/image.h"

namespace zorvanel::testing {

// Thrown when the loop would wait forever for input that never comes.
struct Stalled : std::runtime_error {
  Stalled() : std::runtime_error("the loop waited with nothing to come") {}
};

// A backend with a clock the test moves by hand: queued events come out at
// once; otherwise the clock jumps to the end of the wait.
class FakeBackend : public Backend {
 public:
  explicit FakeBackend(Size screen = Size{480, 640}) : screen_(screen) {}

  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override { return now_; }
  bool WaitEvent(int timeout_ms, InputEvent* event) override {
    ++waits_;
    if (!events_.empty()) {
      *event = events_.front();
      events_.pop_front();
      return true;
    }
    if (timeout_ms < 0) throw Stalled();
    now_ += timeout_ms;
    return false;
  }
  void Present(const Image&) override { ++presents_; }
  void SetTextInput(bool on) override { text_input_ = on; }

  void Advance(uint32_t ms) { now_ += ms; }

  void Push(InputEvent::Type type, Point p = {}) {
    InputEvent e;
    e.type = type;
    e.point = p;
    events_.push_back(e);
  }
  void PushKey(Key key, int modifiers = 0) {
    InputEvent e;
    e.type = InputEvent::Type::kKey;
    e.key = key;
    e.modifiers = modifiers;
    events_.push_back(e);
  }
  void PushWheel(Point p, int rows) {
    InputEvent e;
    e.type = InputEvent::Type::kWheel;
    e.point = p;
    e.wheel = rows;
    events_.push_back(e);
  }
  void PushChar(char32_t ch) {
    InputEvent e;
    e.type = InputEvent::Type::kChar;
    e.ch = ch;
    events_.push_back(e);
  }

  uint32_t now_ = 0;
  int waits_ = 0;
  int presents_ = 0;
  bool text_input_ = false;

 private:
  Size screen_;
  std::deque<InputEvent> events_;
};

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_FAKE_BACKEND_H_
