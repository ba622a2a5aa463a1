#ifndef ZORVANEL_APP_DAMAGED_FILE_H_
#define ZORVANEL_APP_DAMAGED_FILE_H_

#include <ctime>
#include <string>

#include "platform/status.h"

namespace zorvanel {

// "<path>.damaged-YYYYMMDD-HHMMSS" for the local time `when`.
std::string DamagedCopyPath(const std::string& path, std::time_t when);

// Moves a data file the program could not read out of the way, so that
// nothing the program writes later replaces it: renamed to
// DamagedCopyPath(path, now), or, where the system refuses the rename,
// copied there. An earlier copy is never overwritten (a second one in the
// same second gets "-2", "-3", ... appended). Returns the path of the copy.
Expected<std::string> KeepDamagedFile(const std::string& path);

}  // namespace zorvanel

#endif  // ZORVANEL_APP_DAMAGED_FILE_H_
