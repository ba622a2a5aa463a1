// One frame of the main screen while a wheel is dragged: the pointer move
// (pick the values, compute the depth of field), the painting of the whole
// screen and the composing of the frame with the soft-key bar.

#include <benchmark/benchmark.h>

#include "main_screen_drag.h"

namespace zorvanel {
namespace {

void BM_MainScreenDragFrame(benchmark::State& state) {
  const Size screen{static_cast<int>(state.range(0)),
                    static_cast<int>(state.range(1))};
  state.counters["computes"] = bench::MeasureMainScreenDrag(state, screen);
}

BENCHMARK(BM_MainScreenDragFrame)
    ->Args({480, 640})
    ->Args({960, 1280})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zorvanel

BENCHMARK_MAIN();
