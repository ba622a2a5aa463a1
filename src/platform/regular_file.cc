#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zorvanel {
namespace {

class ScopedDescriptor {
 public:
  explicit ScopedDescriptor(int fd) : fd_(fd) {}
  ~ScopedDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  ScopedDescriptor(const ScopedDescriptor&) = delete;
  ScopedDescriptor& operator=(const ScopedDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

FileReadStatus Fail(FileReadStatus status, int errno_value, int* error) {
  if (error != nullptr) *error = errno_value;
  return status;
}

}  // namespace

FileReadStatus ReadRegularFile(const std::string& path, std::string* bytes,
                               size_t limit, int* error) {
  bytes->clear();
  if (error != nullptr) *error = 0;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
  // writer. It does not change how a regular file reads.
  ScopedDescriptor file(
      ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) {
    const int open_error = errno;
    return Fail(open_error == ENOENT ? FileReadStatus::kMissing
                                     : FileReadStatus::kUnreadable,
                open_error, error);
  }
  struct stat info;
  if (::fstat(file.get(), &info) != 0) {
    return Fail(FileReadStatus::kUnreadable, errno, error);
  }
  if (!S_ISREG(info.st_mode)) {
    return Fail(FileReadStatus::kNotRegular, S_ISDIR(info.st_mode) ? EISDIR : 0,
                error);
  }
  if (static_cast<unsigned long long>(info.st_size) > limit) {
    return Fail(FileReadStatus::kTooLarge, EFBIG, error);
  }
  bytes->reserve(static_cast<size_t>(info.st_size));
  // Read to the end rather than trusting the size: the file may grow while
  // it is read, and the limit still holds then.
  char chunk[16384];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got == 0) return FileReadStatus::kRead;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int read_error = errno;
      bytes->clear();
      return Fail(FileReadStatus::kUnreadable, read_error, error);
    }
    if (bytes->size() + static_cast<size_t>(got) > limit) {
      bytes->clear();
      return Fail(FileReadStatus::kTooLarge, EFBIG, error);
    }
    bytes->append(chunk, static_cast<size_t>(got));
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace zorvanel
