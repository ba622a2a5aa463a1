// Owned file descriptors, and reading regular files without ever blocking.
#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zorvanel {

Status Descriptor::Close() {
  if (fd_ < 0) return {};
  const int result = ::close(fd_);
  fd_ = -1;
  return Status::FromCall(result);
}

Expected<std::string> ReadRegularFile(const std::string& path, size_t limit) {
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
  // writer. It does not change how a regular file reads.
  Descriptor file(
      ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.valid()) return Status::LastError();
  struct stat info;
  if (::fstat(file.get(), &info) != 0) return Status::LastError();
  if (!S_ISREG(info.st_mode)) {
    return Status::Failure(S_ISDIR(info.st_mode) ? EISDIR : ENXIO);
  }
  if (static_cast<unsigned long long>(info.st_size) > limit) {
    return Status::Failure(EFBIG);
  }
  std::string bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  // Read to the end rather than trusting the size: the file may grow while
  // it is read, and the limit still holds then.
  char chunk[16384];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got == 0) return bytes;
    if (got < 0) {
      if (errno == EINTR) continue;
      return Status::LastError();
    }
    if (bytes.size() + static_cast<size_t>(got) > limit) {
      return Status::Failure(EFBIG);
    }
    bytes.append(chunk, static_cast<size_t>(got));
  }
}

std::optional<std::string> ReadLink(const std::string& link) {
  // readlink does not say how long the target is: grow until it fits.
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t length =
        ::readlink(link.c_str(), buffer.data(), buffer.size());
    if (length < 0) return std::nullopt;
    if (static_cast<size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<size_t>(length));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino, info.st_size,
                      info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

Status WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return Status::LastError();
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return {};
}

}  // namespace zorvanel
