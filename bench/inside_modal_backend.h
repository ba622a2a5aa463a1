// A benchmark backend that runs its measurement inside the first modal loop.
#ifndef ZORVANEL_BENCH_INSIDE_MODAL_BACKEND_H_
#define ZORVANEL_BENCH_INSIDE_MODAL_BACKEND_H_

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <utility>

#include "platform/backend.h"
#include "platform/image.h"
#include "platform/shell.h"

namespace zorvanel::bench {

// Runs `measure` once from inside the modal loop of the first dialog, which
// is then on the shell's stack exactly as in the program; afterwards every
// wait answers with the window's close request.
class InsideModalBackend : public Backend {
 public:
  using Measure = std::function<void(Shell&, InsideModalBackend&)>;

  InsideModalBackend(Size screen, Measure measure)
      : screen_(screen), measure_(std::move(measure)) {}

  void Attach(Shell* shell) override { shell_ = shell; }
  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override { return now_; }
  void Present(const Image& frame) override {
    benchmark::DoNotOptimize(frame.PixelAt(0, 0));
  }
  bool WaitEvent(int /*timeout_ms*/, InputEvent* event) override {
    if (measure_) {
      Measure measure = std::move(measure_);
      measure_ = nullptr;
      measure(*shell_, *this);
    }
    event->type = InputEvent::Type::kClose;
    return true;
  }

  void Advance(uint32_t ms) { now_ += ms; }
  void Send(InputEvent::Type type, Point p) {
    InputEvent event;
    event.type = type;
    event.point = p;
    shell_->Dispatch(event);
  }

 private:
  Size screen_;
  Measure measure_;
  Shell* shell_ = nullptr;
  uint32_t now_ = 1000;
};

}  // namespace zorvanel::bench

#endif  // ZORVANEL_BENCH_INSIDE_MODAL_BACKEND_H_
