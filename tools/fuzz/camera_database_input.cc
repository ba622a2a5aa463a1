// Fuzz input as the camera database: loaded, runs checked, cameras picked.
#include <cmath>
#include <cstdio>
#include <string>

#include "data/camera_database.h"
#include "data/equipment.h"
#include "data/names.h"
#include "fuzz_harness.h"

namespace zorvanel::fuzz {
namespace {

// Adding a camera regenerates its kit lens's wheel lists: more runs than
// this add nothing new to the test.
constexpr int kMaxRunsPicked = 16;
// The most values GenerateFocalRange, the aperture and the distance series
// may give one list.
constexpr int kMaxListSize = 200;

// The runs cover the cameras in order, each once, every camera of a run
// carrying the run's maker.
std::string CheckRuns(const CameraDatabase& database) {
  const Equipment& cameras = database.equipment();
  int next = 0;
  for (const ManufacturerRun& run : database.runs()) {
    if (run.count <= 0) return "an empty manufacturer run";
    if (run.first != next) return "runs that skip or repeat cameras";
    next = run.first + run.count;
    if (next > cameras.cameras_size()) return "a run past the last camera";
    for (int i = run.first; i < next; ++i) {
      if (cameras.cameras(i).maker() != run.maker) {
        return "a camera of another maker inside a run";
      }
    }
  }
  return {};
}

bool AllFinite(const google::protobuf::RepeatedField<double>& values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

bool SourceIsFinite(const Camera& camera, const Lens* lens) {
  return std::isfinite(camera.focal_multiplier()) &&
         (lens == nullptr || (std::isfinite(lens->min_focal()) &&
                              std::isfinite(lens->max_focal())));
}

// Picks the first camera of a run as the camera dialog does, and adds it
// to an empty collection.
std::string CheckPick(const CameraDatabase& database, int camera_index) {
  const Camera& camera = database.equipment().cameras(camera_index);
  const Lens* kit_lens = database.KitLens(camera_index);
  // The rows of the model list.
  DisplayName(camera, NameSeparator::kSpace);
  Equipment mine;
  AddCamera(&mine, camera, kit_lens, kMetric);
  if (!PairingIsConsistent(mine)) return "a picked camera is badly paired";
  if (kit_lens == nullptr) return {};
  const Lens& lens = mine.lenses(0);
  if (lens.focals_size() > kMaxListSize ||
      lens.apertures_size() > kMaxListSize ||
      lens.distances_size() > kMaxListSize) {
    return "a regenerated wheel list is far too long";
  }
  if (lens.focals_size() == 0 || lens.apertures_size() == 0 ||
      lens.distances_size() == 0) {
    return "a regenerated wheel list is empty";
  }
  if (SourceIsFinite(camera, kit_lens) &&
      !(AllFinite(lens.focals()) && AllFinite(lens.apertures()) &&
        AllFinite(lens.distances()))) {
    char bounds[160];
    std::snprintf(bounds, sizeof(bounds), "%g to %g mm, multiplier %g",
                  kit_lens->min_focal(), kit_lens->max_focal(),
                  camera.focal_multiplier());
    return std::string("finite bounds gave a NaN or infinite wheel value: ") +
           bounds;
  }
  return {};
}

}  // namespace

std::string FeedCameraDatabase(std::string_view bytes) {
  CameraDatabase database;
  const bool loaded = database.Load(WriteScratchFile(bytes)).ok();
  if (!loaded) {
    if (!database.runs().empty()) return "a refused database offers runs";
    return {};
  }
  if (std::string problem = CheckRuns(database); !problem.empty()) {
    return problem;
  }
  int picked = 0;
  for (const ManufacturerRun& run : database.runs()) {
    if (++picked > kMaxRunsPicked) break;
    if (std::string problem = CheckPick(database, run.first);
        !problem.empty()) {
      return problem;
    }
  }
  return {};
}

}  // namespace zorvanel::fuzz
