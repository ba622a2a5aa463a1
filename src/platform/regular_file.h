// Owned file descriptors, and reading regular files without ever blocking.
#ifndef ZORVANEL_PLATFORM_REGULAR_FILE_H_
#define ZORVANEL_PLATFORM_REGULAR_FILE_H_

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace zorvanel {

// Every file the program reads is small; anything beyond this is not one of
// its files, and reading it would only exhaust the memory.
inline constexpr size_t kMaxReadableFileSize = size_t{256} << 20;  // 256 MiB

// Owns a POSIX file descriptor (none when negative) and closes it at the
// end of its life.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { static_cast<void>(Close()); }
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor& operator=(Descriptor&&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes it now: after writing, a deferred write error shows up here.
  Status Close();

 private:
  int fd_;
};

// Reads a whole regular file of at most `limit` bytes. It never blocks on a
// FIFO or a device: they are opened without waiting and refused. Failures:
// ENOENT when nothing has that name, EISDIR for a folder, ENXIO for any
// other file that is not a regular one, EFBIG beyond the limit, else what
// the system said.
Expected<std::string> ReadRegularFile(const std::string& path,
                                      size_t limit = kMaxReadableFileSize);

// The target of the symbolic link `link` as the link spells it; none when
// `link` is not a link or cannot be read.
std::optional<std::string> ReadLink(const std::string& link);

// What tells one version of a file from another: another file put in its
// place (device, inode) or the same file written again (size, time).
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t modified_seconds = 0;
  std::int64_t modified_nanoseconds = 0;

  bool operator==(const FileIdentity&) const = default;
};

// The identity of what `path` names, links followed; none when nothing is
// there or it cannot be looked at.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// Writes all of `bytes` to the descriptor, going on after short writes and
// interruptions.
Status WriteAll(int fd, std::string_view bytes);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_REGULAR_FILE_H_
