// The shipped camera database: loading it, its maker runs and kit lenses.
#include "data/camera_database.h"

#include <cerrno>

#include "data/message_file.h"

namespace zorvanel {

std::vector<ManufacturerRun> ManufacturerRuns(const Equipment& database) {
  static const std::string kNoMaker;
  std::vector<ManufacturerRun> runs;
  const int n = database.cameras_size();
  std::string current;
  int length = 0;
  // Index n stands for an end mark without a maker: it closes the last run
  // unless that run has no maker either.
  for (int i = 0; i <= n; ++i) {
    const std::string& maker = i < n ? database.cameras(i).maker() : kNoMaker;
    if (maker != current) {
      if (length > 0) runs.push_back({current, i - length, length});
      length = 0;
      current = maker;
    }
    ++length;
  }
  return runs;
}

std::string CameraDatabase::PathIn(const std::string& folder) {
  return folder + "/" + kFileName;
}

Status CameraDatabase::Load(const std::string& path) {
  runs_.clear();
  if (Status read = ReadMessageFile(&database_, path); !read.ok()) {
    database_.Clear();
    return read;
  }
  runs_ = ManufacturerRuns(database_);
  return runs_.empty() ? Status::Failure(ENODATA) : Status();
}

const Lens* CameraDatabase::KitLens(int camera_index) const {
  if (camera_index < 0 || camera_index >= database_.cameras_size()) {
    return nullptr;
  }
  const int lens = database_.cameras(camera_index).lens_index();
  if (lens < 0 || lens >= database_.lenses_size()) return nullptr;
  return &database_.lenses(lens);
}

}  // namespace zorvanel
