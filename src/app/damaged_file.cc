#include "app/damaged_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

#include "platform/regular_file.h"

namespace zorvanel {
namespace {

constexpr int kMaxAttempts = 100;

// rename() would silently replace an earlier copy of the same name.
bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(),
                  RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without that flag: a hard link cannot replace either.
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

bool CopyWithoutReplacing(const std::string& from, const std::string& to) {
  std::string bytes;
  if (ReadRegularFile(from, &bytes, kMaxReadableFileSize) !=
      FileReadStatus::kRead) {
    if (errno == 0) errno = EACCES;
    return false;
  }
  const int fd =
      ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int saved = errno;
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    ::unlink(to.c_str());
    errno = saved;
  }
  return ok;
}

}  // namespace

std::string DamagedCopyPath(const std::string& path, std::time_t when) {
  std::tm local{};
  ::localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return path + ".damaged-" + stamp;
}

std::string KeepDamagedFile(const std::string& path, int* error) {
  const std::string base = DamagedCopyPath(path, std::time(nullptr));
  int last_error = 0;
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const std::string copy =
        attempt == 1 ? base : base + "-" + std::to_string(attempt);
    errno = 0;
    if (RenameWithoutReplacing(path, copy)) return copy;
    if (errno != EEXIST) {
      last_error = errno;
      errno = 0;
      if (CopyWithoutReplacing(path, copy)) return copy;
      if (errno != EEXIST) break;
    }
  }
  if (error != nullptr) *error = last_error != 0 ? last_error : EEXIST;
  return {};
}

}  // namespace zorvanel
