// Copies of the data file kept beside it, under names no save ever takes.
#ifndef ZORVANEL_APP_KEPT_COPY_H_
#define ZORVANEL_APP_KEPT_COPY_H_

#include <ctime>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace zorvanel {

// Why a copy is kept; it names the copy: an unreadable file, this run's
// data, another program's.
inline constexpr std::string_view kDamagedCopy = "damaged";
inline constexpr std::string_view kMineCopy = "mine";
inline constexpr std::string_view kTheirsCopy = "theirs";

// "<path>.<label>-YYYYMMDD-HHMMSS" for the local time `when`.
std::string KeptCopyPath(const std::string& path, std::string_view label,
                         std::time_t when);

// Each of these keeps its copy at KeptCopyPath(path, label, now) and returns
// that path. An earlier copy is never overwritten (a second one in the same
// second gets "-2", "-3", ... appended).

// Moves a file out of the way, so that nothing the program writes later
// replaces it: renamed (a symbolic link itself, never what it names), or,
// where the system refuses the rename, copied.
Expected<std::string> MoveAside(const std::string& path,
                                std::string_view label);

// Keeps what the file holds now while it stays where it is: a second name
// for it (a hard link), or a copy where the file system has none.
Expected<std::string> CopyAside(const std::string& path,
                                std::string_view label);

// Writes `bytes` as a new file beside `path`, flushed to disk.
Expected<std::string> WriteAside(const std::string& path,
                                 std::string_view label,
                                 const std::string& bytes);

}  // namespace zorvanel

#endif  // ZORVANEL_APP_KEPT_COPY_H_
