#include "data/message_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace zorvanel {
namespace {

constexpr size_t kChunkSize = 256;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Owns a POSIX descriptor; Close() reports the result, which matters after
// writing (a deferred write error shows up there).
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

// Reads in chunks until a short read, as the file format has always been
// read. A read error (the path is a folder, an I/O fault) is a failure.
bool ReadWholeFile(const std::string& path, std::string* bytes) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  char chunk[kChunkSize];
  size_t got = 0;
  do {
    got = std::fread(chunk, 1, kChunkSize, file.get());
    bytes->append(chunk, got);
  } while (got == kChunkSize);
  return std::ferror(file.get()) == 0;
}

bool WriteAll(int fd, const std::string& bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Creates a fresh file next to `path` that no other writer uses. The mode
// leaves the permissions to the umask, as for a plainly created file.
int CreateTemporaryBeside(const std::string& path, std::string* temp_path) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp_path = path + ".tmp." + std::to_string(::getpid()) + "." +
                 std::to_string(counter++);
    const int fd = ::open(temp_path->c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Makes the rename itself durable.
bool SyncFolder(const std::string& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.valid()) return false;
  return ::fsync(dir.get()) == 0 && dir.Close();
}

// A replaced file keeps the permissions the user gave the old one.
bool KeepPermissionsOf(const std::string& path, int fd) {
  struct stat old_file;
  if (::stat(path.c_str(), &old_file) != 0 || !S_ISREG(old_file.st_mode)) {
    return true;
  }
  return ::fchmod(fd, old_file.st_mode & 07777) == 0;
}

bool WriteTemporary(const std::string& path, int fd, const std::string& bytes) {
  return KeepPermissionsOf(path, fd) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
}

}  // namespace

bool LoadMessageFile(google::protobuf::MessageLite* message,
                     const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, &bytes)) return false;
  // Parse partially and check completeness ourselves: the content read so
  // far must stay in the message even when a required field is missing.
  if (!message->ParsePartialFromString(bytes)) return false;
  return message->IsInitialized();
}

bool SaveMessageFile(const google::protobuf::MessageLite& message,
                     const std::string& path) {
  std::string bytes;
  if (!message.SerializePartialToString(&bytes)) return false;

  std::string temp_path;
  Descriptor temp(CreateTemporaryBeside(path, &temp_path));
  if (!temp.valid()) return false;
  const bool written = WriteTemporary(path, temp.get(), bytes);
  const bool closed = temp.Close();
  if (!written || !closed ||
      std::rename(temp_path.c_str(), path.c_str()) != 0) {
    ::unlink(temp_path.c_str());
    return false;
  }
  return SyncFolder(FolderOf(path));
}

}  // namespace zorvanel
