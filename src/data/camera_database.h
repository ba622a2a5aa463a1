// The shipped camera database: loading it, its maker runs and kit lenses.
#ifndef ZORVANEL_DATA_CAMERA_DATABASE_H_
#define ZORVANEL_DATA_CAMERA_DATABASE_H_

#include <string>
#include <vector>

#include "data/zorvanel.pb.h"
#include "platform/status.h"

namespace zorvanel {

// The cameras of one maker that stand next to each other in the database:
// database cameras first .. first + count - 1.
struct ManufacturerRun {
  std::string maker;
  int first = 0;
  int count = 0;
  friend bool operator==(const ManufacturerRun&,
                         const ManufacturerRun&) = default;
};

// The runs of equal maker (compared byte for byte), in file order, one per
// manufacturer row. A maker that comes back after another one gets a second
// run. A run of cameras without a maker at the very end gets no run: the
// empty maker is what closes the last run, so those cameras cannot be
// offered. A run without a maker elsewhere is kept, with an empty name.
std::vector<ManufacturerRun> ManufacturerRuns(const Equipment& database);

// The read-only camera database, CameraDB.ptb among the shipped files: one
// Equipment whose cameras stand in runs of equal maker; a camera sold with a
// lens names it by lens_index in the database's own lenses.
class CameraDatabase {
 public:
  static constexpr const char* kFileName = "CameraDB.ptb";

  // The database file in `folder`.
  static std::string PathIn(const std::string& folder);

  // Reads and parses the file (ReadMessageFile, with its failures). ENODATA
  // when it offers no camera: an empty list would leave nothing to pick.
  Status Load(const std::string& path);

  const Equipment& equipment() const { return database_; }
  Equipment* mutable_equipment() { return &database_; }
  // The manufacturer runs of the loaded cameras.
  const std::vector<ManufacturerRun>& runs() const { return runs_; }

  // The lens database camera `camera_index` is sold with, or null when it
  // has none or its lens_index names no database lens.
  const Lens* KitLens(int camera_index) const;

 private:
  Equipment database_;
  std::vector<ManufacturerRun> runs_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_CAMERA_DATABASE_H_
