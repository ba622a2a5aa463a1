#include "data/message_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <memory>
#include <string_view>

namespace zorvanel {
namespace {

constexpr size_t kChunkSize = 256;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

struct FolderCloser {
  void operator()(DIR* folder) const { ::closedir(folder); }
};
using FolderPtr = std::unique_ptr<DIR, FolderCloser>;

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

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporaries are named "<file>.tmp.<pid>.<n>": the pid tells whether the
// process that wrote one is still running.
std::string TemporaryPrefix(const std::string& path) { return path + ".tmp."; }

// A process killed between naming its temporary and the rename (a power
// cut, a kill) leaves the temporary behind. The next save removes those of
// processes that no longer run, so they neither pile up nor wait to be
// mistaken for data.
void RemoveStaleTemporaries(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string prefix = NameOf(TemporaryPrefix(path));
  FolderPtr dir(::opendir(folder.c_str()));
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(prefix)) continue;
    const std::string_view rest = name.substr(prefix.size());
    pid_t pid = 0;
    const auto [end, ec] =
        std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (ec != std::errc() || pid <= 0 || end == rest.data() + rest.size() ||
        *end != '.') {
      continue;
    }
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;  // still running
    ::unlink((folder + "/" + std::string(name)).c_str());
  }
}

std::string NextTemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return TemporaryPrefix(path) + std::to_string(::getpid()) + "." +
         std::to_string(counter++);
}

// A file in the folder of `path` without a name: if the process dies while
// writing it, nothing is left behind. -1 where the system or the file system
// does not offer such files.
int CreateAnonymousBeside(const std::string& path) {
#ifdef O_TMPFILE
  return ::open(FolderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
  return -1;
#endif
}

// Gives the anonymous file `fd` a fresh temporary name beside `path`.
bool NameAnonymous(int fd, const std::string& path, std::string* temp_path) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp_path = NextTemporaryName(path);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp_path->c_str(),
                 AT_SYMLINK_FOLLOW) == 0) {
      return true;
    }
    if (errno != EEXIST) break;
  }
  temp_path->clear();
  return false;
}

// Creates a fresh named file next to `path` that no other writer uses. The
// mode leaves the permissions to the umask, as for a plainly created file.
int CreateTemporaryBeside(const std::string& path, std::string* temp_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp_path = NextTemporaryName(path);
    const int fd = ::open(temp_path->c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  temp_path->clear();
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

// Writes `bytes` to a new file beside `path`, flushed to disk, and returns
// its name; empty after a failure, with nothing left behind. The content is
// complete before the file gets a name, so a cut at any moment leaves either
// no temporary at all or a complete one.
std::string WriteTemporaryFile(const std::string& path,
                               const std::string& bytes) {
  std::string temp_path;
  Descriptor anonymous(CreateAnonymousBeside(path));
  if (anonymous.valid()) {
    if (!WriteTemporary(path, anonymous.get(), bytes)) return {};
    if (NameAnonymous(anonymous.get(), path, &temp_path)) {
      if (anonymous.Close()) return temp_path;
      ::unlink(temp_path.c_str());
      return {};
    }
    // Without /proc the file cannot be named: write a named one instead.
  }
  Descriptor named(CreateTemporaryBeside(path, &temp_path));
  if (!named.valid()) return {};
  const bool written = WriteTemporary(path, named.get(), bytes);
  if (!named.Close() || !written) {
    ::unlink(temp_path.c_str());
    return {};
  }
  return temp_path;
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
  RemoveStaleTemporaries(path);
  const std::string temp_path = WriteTemporaryFile(path, bytes);
  if (temp_path.empty()) return false;
  if (std::rename(temp_path.c_str(), path.c_str()) != 0) {
    ::unlink(temp_path.c_str());
    return false;
  }
  return SyncFolder(FolderOf(path));
}

}  // namespace zorvanel
