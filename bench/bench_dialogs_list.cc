// The touch list must cost the same per frame whatever its length: a fling
// frame copies the visible part of the page buffer, and a buffer redraw
// walks only the rows inside the buffer.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "dialogs/camera_dyna_list.h"
#include "fake_backend.h"
#include "platform/canvas.h"
#include "platform/image.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

constexpr int kFrameMs = 16;
// The list of a camera list dialog on a 480 x 640 screen.
constexpr Rect kListRect = Rect::FromXYWH(10, 50, 460, 442);
constexpr int kItemHeight = 80;

using testing::FakeBackend;

class BenchList : public CameraDynaList {
 public:
  explicit BenchList(int rows) {
    Create(nullptr, 1000, kListRect);
    Init(kItemHeight);
    for (int i = 0; i < rows; ++i) {
      AddTextRow("Camera " + std::to_string(i), "0.030 mm", "50 mm -> 75 mm",
                 -1);
    }
  }
  void Paint(Canvas& canvas) { OnPaint(canvas); }
  // A quick upward flick at the top speed: 24 pixels in one frame.
  void Flick(FakeBackend& clock) {
    OnPointerDown(Point{200, 300});
    clock.Advance(kFrameMs);
    OnPointerMove(Point{200, 276});
    OnPointerUp(Point{200, 276});
  }
  using CDynaList::OnPointerDown;
  using CDynaList::OnPointerMove;
  using CDynaList::OnPointerUp;
};

struct Fixture {
  explicit Fixture(int rows) {
    auto backend = std::make_unique<FakeBackend>();
    clock = backend.get();
    shell = std::make_unique<Shell>(std::move(backend));
    list = std::make_unique<BenchList>(rows);
  }
  FakeBackend* clock;
  std::unique_ptr<Shell> shell;
  std::unique_ptr<BenchList> list;
  Image target{kListRect.Width(), kListRect.Height()};
};

// One paint frame of a list that keeps being flicked upward: the costs of
// the buffer redraws the motion needs are spread over the frames.
void BM_ListFlingFrame(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Fixture f(rows);
  Canvas canvas(f.target);
  f.list->RevealRow(rows / 2);
  f.list->Paint(canvas);
  int redraws_before = f.list->buffer_redraw_count();
  for (auto _ : state) {
    const DynaListScroller& scroller = f.list->scroller();
    if (!scroller.moving()) {
      state.PauseTiming();
      // Back to the middle before the end of the content stops the fling.
      const int room = f.list->content_size().height -
                       f.list->viewport().Height() - scroller.scroll().y;
      if (room < 2000) {
        f.list->RevealRow(0);
        f.list->RevealRow(rows / 2);
      }
      f.list->Flick(*f.clock);
      state.ResumeTiming();
    }
    f.clock->Advance(kFrameMs);
    f.list->Paint(canvas);
  }
  state.counters["redraws_per_1000_frames"] = benchmark::Counter(
      1000.0 * (f.list->buffer_redraw_count() - redraws_before) /
      static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ListFlingFrame)
    ->Arg(10)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// A full redraw of the page buffer (15 rows) after a content change.
void BM_ListBufferRedraw(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Fixture f(rows);
  Canvas canvas(f.target);
  f.list->RevealRow(rows / 2);
  f.list->Paint(canvas);
  for (auto _ : state) {
    f.list->RefreshTexts(rows / 2);  // marks the buffer for a redraw
    f.list->Paint(canvas);
  }
}
BENCHMARK(BM_ListBufferRedraw)
    ->Arg(10)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zorvanel

BENCHMARK_MAIN();
