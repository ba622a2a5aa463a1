// Picking from a camera database of 10,000 cameras must feel immediate: the
// file is read and cut into manufacturer runs at every pick, and the
// manufacturer list (or the longest model list) opens and paints at once.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "data/camera_database.h"
#include "dialogs/camera_creation_mode_dlg.h"
#include "drive/script_backend.h"
#include "i18n/font_table.h"
#include "platform/shell.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

constexpr int kCameras = 10000;

// `makers` makers with cameras / makers cameras each, every third camera
// with a kit lens.
std::string DatabaseBytes(int makers, int cameras = kCameras) {
  Equipment database;
  const int per_maker = cameras / makers;
  for (int m = 0; m < makers; ++m) {
    for (int k = 0; k < per_maker; ++k) {
      Camera* camera = database.add_cameras();
      camera->set_maker("Maker " + std::to_string(m));
      camera->set_model("Model " + std::to_string(k));
      camera->set_circle_of_confusion(0.02);
      camera->set_focal_multiplier(1.5);
      if (k % 3 == 0) {
        Lens* lens = database.add_lenses();
        lens->set_model("Kit " + std::to_string(k));
        lens->set_min_focal(18.0);
        lens->set_max_focal(55.0);
        lens->set_camera_index(database.cameras_size() - 1);
        camera->set_lens_index(database.lenses_size() - 1);
      }
    }
  }
  return database.SerializeAsString();
}

// A scratch folder holding CameraDB.ptb.
class DatabaseFolder : public testing::ScratchFolder {
 public:
  explicit DatabaseFolder(int makers, int cameras = kCameras) {
    testing::WriteFile(*this / "CameraDB.ptb", DatabaseBytes(makers, cameras));
  }
};

void BM_LoadAndCutIntoRuns(benchmark::State& state) {
  const DatabaseFolder folder(static_cast<int>(state.range(0)));
  const std::string file = folder / "CameraDB.ptb";
  for (auto _ : state) {
    CameraDatabase database;
    benchmark::DoNotOptimize(database.Load(file).ok());
    benchmark::DoNotOptimize(database.runs().size());
  }
}
BENCHMARK(BM_LoadAndCutIntoRuns)
    ->Arg(100)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// From the tap on "Select from a list..." to a painted list, on a fresh
// headless screen each time. `script` stops once the list is shown.
void RunPick(const std::string& folder, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  Shell shell(std::make_unique<ScriptBackend>(Size{480, 640}, in, out));
  GetFontTable().set_scale(shell.scale());
  CCameraCreationModeDlg creation(CameraDatabase::PathIn(folder));
  try {
    creation.RunModal();
  } catch (const ScriptFinished&) {
  }
}

// 100 makers of 100 cameras: the manufacturer list.
void BM_OpenManufacturerList(benchmark::State& state) {
  const DatabaseFolder folder(100);
  for (auto _ : state) RunPick(folder.path().string(), "click 1001\nwait 16\n");
}
BENCHMARK(BM_OpenManufacturerList)->Unit(benchmark::kMillisecond);

// 100,000 cameras of 1,000 makers, and of 100,000 makers of one camera: the
// manufacturer list.
void BM_OpenManufacturerListOfHundredThousand(benchmark::State& state) {
  const DatabaseFolder folder(static_cast<int>(state.range(0)), 100000);
  for (auto _ : state) RunPick(folder.path().string(), "click 1001\nwait 16\n");
}
BENCHMARK(BM_OpenManufacturerListOfHundredThousand)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// One maker with all 10,000 cameras: the model list after the maker.
void BM_OpenModelListOfTenThousand(benchmark::State& state) {
  const DatabaseFolder folder(1);
  for (auto _ : state) {
    RunPick(folder.path().string(), "click 1001\nrow 0\nsoft left\nwait 16\n");
  }
}
BENCHMARK(BM_OpenModelListOfTenThousand)->Unit(benchmark::kMillisecond);

// The creation dialog alone, to tell its own cost from the pick's.
void BM_OpenCreationDialogOnly(benchmark::State& state) {
  const DatabaseFolder folder(100);
  for (auto _ : state) RunPick(folder.path().string(), "wait 16\n");
}
BENCHMARK(BM_OpenCreationDialogOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvanel

BENCHMARK_MAIN();
