#include "app/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

namespace zorvanel {
namespace {

// O_NONBLOCK and O_NOFOLLOW: whatever sits at that name must not make the
// start hang or lock some other file.
constexpr int kFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW;

// A folder the user may not write can still hold a lock file: a lock needs
// only reading.
int OpenLockFile(const std::string& lock_path) {
  const int fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
  return fd >= 0 ? fd : ::open(lock_path.c_str(), O_RDONLY | kFlags);
}

}  // namespace

FolderLock::FolderLock(const std::string& lock_path)
    : file_(OpenLockFile(lock_path)) {
  if (!file_.valid()) return;
  if (::flock(file_.get(), LOCK_EX | LOCK_NB) == 0) {
    state_ = State::kHeld;
  } else if (errno == EWOULDBLOCK) {
    state_ = State::kBusy;
  }
}

}  // namespace zorvanel
