// One frame of the main screen while a wheel is dragged: the pointer move
// (pick the values, compute the depth of field), the painting of the whole
// screen and the composing of the frame with the soft-key bar.

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>

#include "data/data_root.h"
#include "i18n/font_table.h"
#include "mainscreen/zorvanel_dlg.h"
#include "platform/backend.h"
#include "platform/image.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

void AddAll(google::protobuf::RepeatedField<double>* list,
            std::initializer_list<double> values) {
  for (double v : values) list->Add(v);
}

// A kit zoom on an APS-C body: 10 focal lengths, 19 apertures, 31 distances.
void StoreTypicalEquipment() {
  ResetData();
  Zorvanel* data = GetData();
  data->mutable_options()->set_focal_wheel(50.0);
  Equipment* e = data->mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_maker("Canon");
  camera->set_model("EOS 600D");
  camera->set_circle_of_confusion(0.018);
  camera->set_focal_multiplier(1.6);
  Lens* lens = e->add_lenses();
  lens->set_maker("Canon");
  lens->set_model("EF-S 18-55mm");
  AddAll(lens->mutable_focals(), {18.125, 21.875, 26.25, 30.625, 34.375, 38.75,
                                  42.5, 46.875, 50.625, 55.0});
  AddAll(lens->mutable_apertures(),
         {2.8, 3.2, 3.5, 4.0, 4.5, 5.0, 5.6, 6.3, 7.1, 8.0, 9.0, 10.0, 11.0,
          13.0, 14.0, 16.0, 18.0, 20.0, 22.0});
  AddAll(lens->mutable_distances(),
         {0.1,  0.12, 0.15, 0.2,  0.25, 0.3,  0.4,  0.5,  0.6,  0.8,  1.0,
          1.2,  1.5,  2.0,  2.5,  3.0,  4.0,  5.0,  6.0,  8.0,  10.0, 12.0,
          15.0, 20.0, 25.0, 30.0, 40.0, 50.0, 60.0, 80.0, 100.0});
  e->set_current_camera(0);
  e->set_current_lens(0);
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

  bool WaitEvent(int timeout_ms, InputEvent* event) override {
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
