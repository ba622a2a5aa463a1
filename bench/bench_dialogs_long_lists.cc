// Opening a list must cost what its visible rows cost: a million lenses open
// at once, and what the list keeps for each lens is a few bytes beside the
// lens itself.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <string>

#include "data/zorvanel.pb.h"
#include "dialogs/lens_list_dlg.h"
#include "i18n/font_table.h"
#include "inside_modal_backend.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

using bench::InsideModalBackend;

constexpr int kLenses = 1000000;

// A million zooms, each with the three short lists of a real lens.
Equipment* MillionLenses() {
  static Equipment equipment = [] {
    Equipment e;
    e.mutable_lenses()->Reserve(kLenses);
    for (int i = 0; i < kLenses; ++i) {
      Lens* lens = e.add_lenses();
      lens->set_maker("Maker");
      lens->set_model("Zoom " + std::to_string(i));
      lens->set_min_focal(18.0);
      lens->set_max_focal(55.0);
      for (double f : {18.0, 35.0, 55.0}) lens->add_focals(f);
      for (double n : {3.5, 8.0, 22.0}) lens->add_apertures(n);
      for (double d : {0.25, 1.0, 1e6}) lens->add_distances(d);
    }
    return e;
  }();
  return &equipment;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

// From the dialog's construction to its first frame, on a 480 x 640 screen;
// the dialog ends at the first wait.
void BM_OpenLensListOfAMillion(benchmark::State& state) {
  Equipment* equipment = MillionLenses();
  // Once, with the dialog on screen: the heap it holds beyond the data.
  size_t held = 0;
  {
    const size_t before = HeapInUse();
    Shell shell(std::make_unique<InsideModalBackend>(
        Size{480, 640},
        [&](Shell&, InsideModalBackend&) { held = HeapInUse() - before; }));
    GetFontTable().Clear();
    LensListDlg dialog(equipment, UnitSystem::kMetric);
    dialog.RunModal();
  }
  Shell shell(std::make_unique<InsideModalBackend>(Size{480, 640}, nullptr));
  for (auto _ : state) {
    LensListDlg dialog(equipment, UnitSystem::kMetric);
    dialog.RunModal();
  }
  state.counters["held_bytes_per_row"] =
      static_cast<double>(held) / static_cast<double>(kLenses);
}
BENCHMARK(BM_OpenLensListOfAMillion)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvanel

BENCHMARK_MAIN();
