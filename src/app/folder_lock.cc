#include "app/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace zorvanel {

FolderLock::FolderLock(const std::string& lock_path) {
  // O_NONBLOCK and O_NOFOLLOW: whatever sits at that name must not make the
  // start hang or lock some other file.
  constexpr int kFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW;
  fd_ = ::open(lock_path.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
  // A folder the user may not write can still hold a lock file: a lock
  // needs only reading.
  if (fd_ < 0) fd_ = ::open(lock_path.c_str(), O_RDONLY | kFlags);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::kHeld;
  } else if (errno == EWOULDBLOCK) {
    state_ = State::kBusy;
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace zorvanel
