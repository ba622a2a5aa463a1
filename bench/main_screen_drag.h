// The main screen driven through a wheel drag, frame by frame, for benchmarks.
#ifndef ZORVANEL_BENCH_MAIN_SCREEN_DRAG_H_
#define ZORVANEL_BENCH_MAIN_SCREEN_DRAG_H_

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "data/zorvanel.pb.h"
#include "i18n/font_table.h"
#include "inside_modal_backend.h"
#include "mainscreen/zorvanel_dlg.h"
#include "platform/shell.h"
#include "sample_data.h"

namespace zorvanel::bench {

// The main screen on the kit zoom, its aperture wheel dragged back and forth
// over the middle third: one pointer move (values picked, results computed)
// and one painted and presented frame per iteration of `state`. Returns how
// often the results were computed.
inline int MeasureMainScreenDrag(benchmark::State& state, Size screen) {
  constexpr int kFrameMs = 16;
  Zorvanel data = testing::KitZoomData();
  int computes = 0;
  auto measure = [&](Shell& shell, InsideModalBackend& backend) {
    auto* dialog = static_cast<CZorvanelDlg*>(shell.TopDialog());
    const Rect wheel = dialog->layout().WheelRect(1);
    const Rect on_screen = dialog->ScreenRect();
    const int y = on_screen.top + (wheel.top + wheel.bottom) / 2;
    const int left = on_screen.left + wheel.left + wheel.Width() / 3;
    const int right = on_screen.left + wheel.left + wheel.Width() * 2 / 3;
    backend.Send(InputEvent::Type::kPointerDown, Point{left, y});
    int x = left;
    int dx = std::max(1, screen.width / 120);
    for (auto _ : state) {
      x += dx;
      if (x <= left || x >= right) dx = -dx;
      backend.Advance(kFrameMs);
      backend.Send(InputEvent::Type::kPointerMove, Point{x, y});
      shell.PaintFrame();
    }
    backend.Send(InputEvent::Type::kPointerUp, Point{x, y});
    computes = dialog->compute_count();
  };
  Shell shell(std::make_unique<InsideModalBackend>(screen, measure));
  GetFontTable().Clear();
  GetFontTable().set_scale(shell.scale());
  CZorvanelDlg dialog(&data,
                      [](Window* /*parent*/) { return DialogResult::kCancel; });
  dialog.RunModal();
  return computes;
}

}  // namespace zorvanel::bench

#endif  // ZORVANEL_BENCH_MAIN_SCREEN_DRAG_H_
