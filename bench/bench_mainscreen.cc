// One frame of the main screen while a wheel is dragged: the pointer move
// (pick the values, compute the depth of field), the painting of the whole
// screen and the composing of the frame with the soft-key bar.

#include <benchmark/benchmark.h>

#include <memory>

#include "data/data_root.h"
#include "i18n/font_table.h"
#include "kit_zoom_data.h"
#include "mainscreen/zorvanel_dlg.h"
#include "platform/backend.h"
#include "platform/image.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

// The kit zoom as the stored data.
void StoreTypicalEquipment() {
  ResetData();
  *GetData() = bench::KitZoomData();
}

// Runs the measured loop from inside the main screen's modal loop: the
// dialog is on the shell's stack exactly as in the program. Afterwards it
// presses "Exit".
class BenchBackend : public Backend {
 public:
  BenchBackend(Size screen, benchmark::State& state)
      : screen_(screen), state_(state) {}

  void Attach(Shell* shell) override { shell_ = shell; }
  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override { return now_ += 16; }
  void Present(const Image& frame) override {
    benchmark::DoNotOptimize(frame.PixelAt(0, 0));
  }

  bool WaitEvent(int /*timeout_ms*/, InputEvent* event) override {
    if (!measured_) {
      measured_ = true;
      DragWhileMeasuring();
    }
    event->type = InputEvent::Type::kSoftKey;
    event->soft_key = 1;
    return true;
  }

 private:
  void DragWhileMeasuring() {
    // The aperture wheel, back and forth over a third of the screen.
    const int y = screen_.height * 360 / 640;
    const int left = screen_.width / 3;
    const int right = screen_.width * 2 / 3;
    Send(InputEvent::Type::kPointerDown, Point{left, y});
    int x = left;
    int step = screen_.width / 120;
    for (auto _ : state_) {
      x += step;
      if (x <= left || x >= right) step = -step;
      Send(InputEvent::Type::kPointerMove, Point{x, y});
      shell_->PaintFrame();
    }
    Send(InputEvent::Type::kPointerUp, Point{x, y});
  }

  void Send(InputEvent::Type type, Point p) {
    InputEvent event;
    event.type = type;
    event.point = p;
    shell_->Dispatch(event);
  }

  Size screen_;
  benchmark::State& state_;
  Shell* shell_ = nullptr;
  uint32_t now_ = 0;
  bool measured_ = false;
};

void BM_MainScreenDragFrame(benchmark::State& state) {
  const Size screen{static_cast<int>(state.range(0)),
                    static_cast<int>(state.range(1))};
  StoreTypicalEquipment();
  Shell shell(std::make_unique<BenchBackend>(screen, state));
  GetFontTable().Clear();
  GetFontTable().set_scale(shell.scale());
  CZorvanelDlg dialog;
  dialog.RunModal();
  state.counters["computes"] = dialog.compute_count();
}

BENCHMARK(BM_MainScreenDragFrame)
    ->Args({480, 640})
    ->Args({960, 1280})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zorvanel

BENCHMARK_MAIN();
