// One computation step of the main screen, as run at every pointer move: pick
// the three values from a realistic lens, compute the results and format
// everything that the screen prints.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "data/zorvanel.pb.h"
#include "i18n/value_text.h"
#include "mainscreen/wheel_readings.h"
#include "optics/lens_accessor.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

// A zoom lens as a new camera brings it: 10 focals (18-55), the 19 apertures
// f/2.8-f/22 and the 31 distances 0.1-100 m.
Lens RealisticLens(UnitSystem units) {
  LensAccessor accessor;
  Lens* lens = accessor.CreateLens();
  lens->set_min_focal(18);
  lens->set_max_focal(55);
  accessor.RegenerateFocals(1.0);
  accessor.SetApertureRange(2.8, 22);
  accessor.SetDistanceRange(0.1, 100, units);
  return *lens;
}

void RunComputeResults(benchmark::State& state, UnitSystem units) {
  const Lens lens = RealisticLens(units);
  Camera camera;
  camera.set_circle_of_confusion(0.03);
  camera.set_focal_multiplier(1.5);
  DofState results;
  int step = 0;
  for (auto _ : state) {
    // The three wheels move at different speeds across the whole travel.
    const std::array<double, 3> percents = {
        (step % 481) / 4.8, (step * 7 % 481) / 4.8, (step * 13 % 481) / 4.8};
    ComputeResults(lens, camera, percents, units, &results);
    std::string shown = Format(results.dof.hyperfocal, units);
    shown += Format(results.dof.near_limit, units);
    shown += Format(results.dof.far_limit, units);
    shown += Format(results.dof.depth_of_field, units);
    benchmark::DoNotOptimize(shown);
    benchmark::DoNotOptimize(results);
    ++step;
  }
}

void BM_ComputeResultsMetric(benchmark::State& state) {
  RunComputeResults(state, kMetric);
}
BENCHMARK(BM_ComputeResultsMetric);

void BM_ComputeResultsImperial(benchmark::State& state) {
  RunComputeResults(state, kImperial);
}
BENCHMARK(BM_ComputeResultsImperial);

}  // namespace
}  // namespace zorvanel

BENCHMARK_MAIN();
