// The figures of the performance table in docs/DEVELOPING.md, measured in
// one run so that each can be compared with the cost of copying one whole
// frame of the same screen (W x H x 4 bytes): a frame that costs a few
// copies is cheap, one that costs hundreds is where time goes.
//
//   bench_app_figures [--benchmark_repetitions=5 ...]
//
// After the usual output it prints the table: the median of each figure
// and its ratio to the frame copy.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/paths.h"
#include "data/camera_database.h"
#include "data/data_root.h"
#include "dialogs/select_list_dlg.h"
#include "i18n/font_table.h"
#include "i18n/value_text.h"
#include "inside_modal_backend.h"
#include "main_screen_drag.h"
#include "mainscreen/wheel_readings.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/zone_strip.h"
#include "mainscreen/zorvanel_dlg.h"
#include "platform/backend.h"
#include "platform/canvas.h"
#include "platform/image.h"
#include "platform/shell.h"
#include "platform/text_fitter.h"
#include "sample_data.h"
#include "scratch_folder.h"

extern char** environ;

namespace zorvanel {
namespace {

namespace fs = std::filesystem;
using bench::InsideModalBackend;

constexpr int kFrameMs = 16;

// ---------------------------------------------------------------------------
// Data

// 10,000 cameras of 100 makers, each sold with one of 100 kit lenses.
const std::string& LargeCameraDatabase() {
  static const testing::ScratchFolder folder;
  static const std::string path = [] {
    Equipment db;
    for (int l = 0; l < 100; ++l) {
      Lens* lens = db.add_lenses();
      lens->set_maker("Maker " + std::to_string(l));
      lens->set_model("Zoom " + std::to_string(l));
      lens->set_min_focal(18.0);
      lens->set_max_focal(55.0 + l);
    }
    for (int maker = 0; maker < 100; ++maker) {
      for (int model = 0; model < 100; ++model) {
        Camera* camera = db.add_cameras();
        camera->set_maker("Maker " + std::to_string(maker));
        camera->set_model("Model " + std::to_string(model));
        camera->set_circle_of_confusion(0.019);
        camera->set_focal_multiplier(1.53);
        camera->set_lens_index((maker + model) % 100);
      }
    }
    const fs::path file = folder / "CameraDB.ptb";
    testing::WriteFile(file, db.SerializeAsString());
    return file.string();
  }();
  return path;
}

Size ScreenOf(const benchmark::State& state) {
  return Size{static_cast<int>(state.range(0)),
              static_cast<int>(state.range(1))};
}

// ---------------------------------------------------------------------------
// The reference: one whole frame copied.

void BM_FrameCopy(benchmark::State& state) {
  const Size screen = ScreenOf(state);
  const size_t bytes = static_cast<size_t>(screen.width) * screen.height * 4;
  std::vector<char> from(bytes, 1);
  std::vector<char> to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_FrameCopy)
    ->Args({480, 640})
    ->Args({960, 1280})
    ->Args({1920, 1080})
    ->Args({3840, 2160});

// ---------------------------------------------------------------------------
// The depth-of-field step of a wheel move: pick the values, compute, and
// format the four results as the panel shows them.

void BM_ComputeResultsFormatted(benchmark::State& state) {
  const Zorvanel data = testing::KitZoomData();
  const Lens& lens = data.equipment().lenses(0);
  const Camera& camera = data.equipment().cameras(0);
  DofState results;
  int step = 0;
  for (auto _ : state) {
    ++step;
    const std::array<double, 3> percents = {(step * 7) % 100 * 1.0,
                                            (step * 13) % 100 * 1.0,
                                            (step * 5) % 100 * 1.0};
    ComputeResults(lens, camera, percents, kMetric, &results);
    for (const DistanceValue* value :
         {&results.dof.hyperfocal, &results.dof.near_limit,
          &results.dof.far_limit, &results.dof.depth_of_field}) {
      benchmark::DoNotOptimize(Format(*value, kMetric));
    }
  }
}
BENCHMARK(BM_ComputeResultsFormatted);

// ---------------------------------------------------------------------------
// One frame of the main screen while the aperture wheel is dragged: the
// pointer move (values picked, results computed) and the whole screen
// painted and presented.

void BM_MainScreenFrame(benchmark::State& state) {
  state.counters["computes"] =
      bench::MeasureMainScreenDrag(state, ScreenOf(state));
}
BENCHMARK(BM_MainScreenFrame)
    ->Args({480, 640})
    ->Args({960, 1280})
    ->Args({1920, 1080})
    ->Args({3840, 2160});

// The zone strip's share of such a frame: following the new results and
// painting the strip, on a screen of the same size. The frame above
// includes it; the strip stays within a tenth of it.

void BM_ZoneStripPart(benchmark::State& state) {
  const Size screen = ScreenOf(state);
  const int scale = DisplayScaleFor(screen);
  const Zorvanel data = testing::KitZoomData();
  const Lens& lens = data.equipment().lenses(0);
  const Camera& camera = data.equipment().cameras(0);
  FontTable fonts;
  fonts.set_scale(scale);
  fonts.DefineFont("Wheel", {.height = -14});
  const Font* font = fonts.GetFont("Wheel");
  ZoneStrip strip;
  strip.set_layout(ComputeZoneStripLayout(
      ComputeMainLayout(screen.width, screen.height * 588 / 640, scale)));
  Image image(screen.width, screen.height);
  Canvas canvas(image);
  TextFitter fitter;
  DofState results;
  int step = 0;
  for (auto _ : state) {
    ++step;
    const std::array<double, 3> percents = {50.0, (step * 4) % 480 / 4.8, 40.0};
    ComputeResults(lens, camera, percents, kMetric, &results);
    strip.Update(lens, results, kMetric);
    strip.Paint(canvas, fitter, font, false);
  }
}
BENCHMARK(BM_ZoneStripPart)->Args({480, 640})->Args({960, 1280});

// ---------------------------------------------------------------------------
// One frame of a list dialog while its list flings: the whole screen is
// painted, the list copying the visible part of its page buffer and now and
// then redrawing the buffer.

void FillMakers(CSelectListDlg* dialog, int rows) {
  dialog->SetTitle("Manufacturer");
  dialog->SetComment("Please select your camera manufacturer");
  for (int i = 0; i < rows; ++i) {
    dialog->list().AddTextRow("Maker " + std::to_string(i), "",
                              std::to_string(i % 97 + 1) + " camera(s)", -1);
  }
}

void BM_ListFlingFrame(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  CSelectListDlg dialog;
  FillMakers(&dialog, rows);
  auto measure = [&](Shell& shell, InsideModalBackend& backend) {
    CameraDynaList& list = dialog.list();
    const Rect r = list.ScreenRect();
    const Point centre{r.left + r.Width() / 2, r.top + r.Height() / 2};
    auto flick = [&] {
      // Back to the middle when the end of the content is near.
      const int room = list.content_size().height - list.viewport().Height() -
                       list.scroller().scroll().y;
      if (room < 2000) {
        list.RevealRow(0);
        list.RevealRow(rows / 2);
      }
      backend.Send(InputEvent::Type::kPointerDown, centre);
      backend.Advance(kFrameMs);
      backend.Send(InputEvent::Type::kPointerMove,
                   Point{centre.x, centre.y - 24});
      backend.Send(InputEvent::Type::kPointerUp,
                   Point{centre.x, centre.y - 24});
    };
    list.RevealRow(rows / 2);
    shell.PaintFrame();
    for (auto _ : state) {
      if (!list.scroller().moving()) {
        state.PauseTiming();
        flick();
        state.ResumeTiming();
      }
      backend.Advance(kFrameMs);
      shell.PaintFrame();
    }
  };
  Shell shell(std::make_unique<InsideModalBackend>(Size{480, 640}, measure));
  GetFontTable().Clear();
  dialog.RunModal();
}
BENCHMARK(BM_ListFlingFrame)->Arg(10)->Arg(10000);

// ---------------------------------------------------------------------------
// Picking a camera from a 10,000-camera database: the file read and parsed,
// its manufacturer runs built, and the manufacturer list opened up to its
// first frame.

void BM_CameraDatabaseManufacturerList(benchmark::State& state) {
  const std::string& path = LargeCameraDatabase();
  int makers = 0;
  Shell shell(std::make_unique<InsideModalBackend>(Size{480, 640}, nullptr));
  GetFontTable().Clear();
  for (auto _ : state) {
    CameraDatabase database;
    if (!database.Load(path).ok()) {
      state.SkipWithError("the database did not load");
      break;
    }
    CSelectListDlg dialog;
    dialog.SetTitle("Manufacturer");
    for (const ManufacturerRun& run : database.runs()) {
      dialog.list().AddTextRow(run.maker, "",
                               std::to_string(run.count) + " camera(s)", -1);
    }
    dialog.RunModal();  // the first frame is painted before the first wait
    makers = dialog.list().item_count();
  }
  state.counters["makers"] = makers;
}
BENCHMARK(BM_CameraDatabaseManufacturerList)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------
// Start-up: zorvanel-drive, the real program, started with an empty script
// on a folder with a data file, the camera database and the language file.
// It runs until the first frame is painted and the program waits for its
// first event; then the script has ended and the process goes.

void BM_StartupToFirstFrame(benchmark::State& state) {
  const fs::path bin = ExecutableFolder();
  const fs::path driver = bin / "zorvanel-drive";
  if (!fs::exists(driver)) {
    state.SkipWithError("zorvanel-drive is not built beside the benchmark");
    return;
  }
  const testing::ScratchFolder folder;
  testing::WriteFile(folder / "ZorvanelData.ptb",
                     testing::KitZoomData().SerializeAsString());
  for (const char* name : {"CameraDB.ptb", "Translation.lang"}) {
    if (fs::exists(bin / name)) {
      fs::copy_file(bin / name, folder / name,
                    fs::copy_options::overwrite_existing);
    }
  }
  const std::string folder_text = folder.path().string();
  std::vector<std::string> words = {driver.string(), "--folder", folder_text,
                                    "/dev/null"};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) !=
        0) {
      state.SkipWithError("cannot start zorvanel-drive");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("zorvanel-drive failed");
      break;
    }
  }
}
BENCHMARK(BM_StartupToFirstFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);

// ---------------------------------------------------------------------------
// The table: medians (or the single run's figures) against the frame copy
// of the same screen size; figures without a screen size compare with the
// 480 x 640 copy.

class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool aggregate = run.run_type == Run::RT_Aggregate;
      if (aggregate && run.aggregate_name != "median") continue;
      if (!aggregate && run.repetitions > 1) continue;
      // The adjusted time is in the run's unit; the multiplier turns
      // seconds into that unit.
      const double ns = run.GetAdjustedRealTime() /
                        benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
      figures_.push_back({run.run_name.str(), ns});
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::map<std::string, double> copy_ns;
    for (const auto& [name, ns] : figures_) {
      if (name.rfind("BM_FrameCopy/", 0) == 0) copy_ns[SizeOf(name)] = ns;
    }
    std::printf("\n| figure | time | x frame copy |\n|---|---:|---:|\n");
    for (const auto& [name, ns] : figures_) {
      std::string size = SizeOf(name);
      if (!copy_ns.contains(size)) size = "480/640";
      const double reference = copy_ns.contains(size) ? copy_ns[size] : 0.0;
      std::printf("| %s | %s | %s |\n", name.c_str(), Time(ns).c_str(),
                  reference > 0 ? Ratio(ns / reference).c_str() : "-");
    }
  }

 private:
  // "BM_MainScreenFrame/960/1280" -> "960/1280".
  static std::string SizeOf(const std::string& name) {
    const size_t slash = name.find('/');
    return slash == std::string::npos ? "" : name.substr(slash + 1);
  }
  static std::string Time(double ns) {
    char text[32];
    if (ns >= 1e6) {
      std::snprintf(text, sizeof(text), "%.1f ms", ns / 1e6);
    } else if (ns >= 1e3) {
      std::snprintf(text, sizeof(text), "%.1f us", ns / 1e3);
    } else {
      std::snprintf(text, sizeof(text), "%.0f ns", ns);
    }
    return text;
  }
  static std::string Ratio(double r) {
    char text[32];
    std::snprintf(text, sizeof(text), r < 10 ? "%.2f" : "%.0f", r);
    return text;
  }

  std::vector<std::pair<std::string, double>> figures_;
};

}  // namespace
}  // namespace zorvanel

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zorvanel::TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
