// Builds the camera database from the parsed list, and lists one readably.
#ifndef ZORVANEL_TOOLS_CAMDB_CAMERA_DATABASE_H_
#define ZORVANEL_TOOLS_CAMDB_CAMERA_DATABASE_H_

#include <string>
#include <vector>

#include "camdb/camera_list.h"
#include "data/zorvanel.pb.h"

namespace zorvanel {

// The database the camera dialog reads: every camera with its circle of
// confusion and focal multiplier, the cameras of one maker in one run (in
// the order of each maker's first line, the source order within a maker),
// and each kit or built-in lens in `lenses`, paired both ways with its
// camera through lens_index and camera_index. A lens's `apertures` hold its
// widest f-number and then its narrowest, as far as the list gives them.
Equipment BuildCameraDatabase(const std::vector<CameraEntry>& entries);

// A readable listing of a database, one camera a line, for checking a built
// file by eye. Links that point nowhere are shown, not followed.
std::string FormatCameraDatabase(const Equipment& database);

}  // namespace zorvanel

#endif  // ZORVANEL_TOOLS_CAMDB_CAMERA_DATABASE_H_
