// One frame of the main screen while a wheel is dragged: the pointer move
// (pick the values, compute the depth of field), the painting of the whole
// screen and the composing of the frame with the soft-key bar.

#include <benchmark/benchmark.h>

#include <memory>

#include "data/data_root.h"
#include "i18n/font_table.h"
#include "inside_modal_backend.h"
#include "mainscreen/zorvanel_dlg.h"
#include "platform/shell.h"
#include "sample_data.h"

namespace zorvanel {
namespace {

using bench::InsideModalBackend;

constexpr int kFrameMs = 16;

// The kit zoom as the stored data.
void StoreTypicalEquipment() {
  ResetData();
  *GetData() = testing::KitZoomData();
}

void BM_MainScreenDragFrame(benchmark::State& state) {
  const Size screen{static_cast<int>(state.range(0)),
                    static_cast<int>(state.range(1))};
  StoreTypicalEquipment();
  // The aperture wheel, back and forth over a third of the screen.
  auto drag = [&](Shell& shell, InsideModalBackend& backend) {
    const int y = screen.height * 360 / 640;
    const int left = screen.width / 3;
    const int right = screen.width * 2 / 3;
    backend.Send(InputEvent::Type::kPointerDown, Point{left, y});
    int x = left;
    int step = screen.width / 120;
    for (auto _ : state) {
      x += step;
      if (x <= left || x >= right) step = -step;
      backend.Advance(kFrameMs);
      backend.Send(InputEvent::Type::kPointerMove, Point{x, y});
      shell.PaintFrame();
    }
    backend.Send(InputEvent::Type::kPointerUp, Point{x, y});
  };
  Shell shell(std::make_unique<InsideModalBackend>(screen, drag));
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
