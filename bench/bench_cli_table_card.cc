// The largest card a user is likely to print: 20 focal lengths, 40 focus
// distances and 30 f-numbers, computed and drawn as a PDF (target: under a
// second), and the same tables as text for comparison.
#include <benchmark/benchmark.h>

#include <vector>

#include "cli/command_kit.h"
#include "cli/dof_table.h"
#include "cli/table_card.h"
#include "cli/table_text.h"
#include "optics/series.h"

namespace zorvanel {
namespace {

CommandKit LargeKit() {
  CommandKit kit;
  kit.camera.set_maker("Bench");
  kit.camera.set_model("Body");
  kit.camera.set_circle_of_confusion(0.03);
  kit.lens.set_maker("Bench");
  kit.lens.set_model("Zoom 10-200mm");
  kit.coc_mm = 0.03;
  for (int i = 0; i < 20; ++i) kit.lens.add_focals(10 + 10 * i);
  // f/1.4 to f/64: 30 of the marked f-numbers.
  for (int i = 3; i < 33; ++i) {
    kit.lens.add_apertures(ApertureSeries()[i].GetNominal());
  }
  for (int i = 0; i < 40; ++i) {
    kit.lens.add_distances(MetricDistanceSeries()[i].GetValue());
  }
  return kit;
}

std::vector<DofTable> Tables(const CommandKit& kit) {
  const std::vector<double> apertures(kit.lens.apertures().begin(),
                                      kit.lens.apertures().end());
  const std::vector<double> distances(kit.lens.distances().begin(),
                                      kit.lens.distances().end());
  std::vector<DofTable> tables;
  for (double focal : kit.lens.focals()) {
    tables.push_back(BuildDofTable(focal, apertures, distances, kit.coc_mm));
  }
  return tables;
}

void BM_LargeCardPdf(benchmark::State& state) {
  const CommandKit kit = LargeKit();
  size_t bytes = 0;
  for (auto _ : state) {
    const Expected<std::string> pdf =
        DrawTableCard(kit, Tables(kit), Paper::kA4, "2026-01-01");
    bytes = pdf.ok() ? pdf->size() : 0;
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["pdf_kib"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_LargeCardPdf)->Unit(benchmark::kMillisecond);

void BM_LargeTableText(benchmark::State& state) {
  const CommandKit kit = LargeKit();
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatTableText(kit, Tables(kit)));
  }
}
BENCHMARK(BM_LargeTableText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvanel

BENCHMARK_MAIN();
