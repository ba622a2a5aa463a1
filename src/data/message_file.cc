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

#include "platform/regular_file.h"

namespace zorvanel {
namespace {

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

bool IsDecimal(std::string_view text) {
  return !text.empty() &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "<pid>.<n>" exactly: anything else beside the data file is the user's.
bool IsTemporarySuffix(std::string_view rest, pid_t* pid) {
  const size_t dot = rest.find('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view pid_text = rest.substr(0, dot);
  if (!IsDecimal(pid_text) || !IsDecimal(rest.substr(dot + 1))) return false;
  const auto [end, ec] =
      std::from_chars(pid_text.data(), pid_text.data() + pid_text.size(), *pid);
  return ec == std::errc() && *pid > 0;
}

// Removes a file left by a failed step without hiding why the step failed.
void UnlinkKeepingErrno(const std::string& path) {
  const int saved = errno;
  ::unlink(path.c_str());
  errno = saved;
}

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
    if (!IsTemporarySuffix(rest, &pid)) continue;         // not one of ours
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
// its name; empty after a failure (errno says why, `not_created` whether
// the folder refused the new file), with nothing left behind. The content is
// complete before the file gets a name, so a cut at any moment leaves either
// no temporary at all or a complete one.
std::string WriteTemporaryFile(const std::string& path,
                               const std::string& bytes, bool* not_created) {
  *not_created = false;
  std::string temp_path;
  Descriptor anonymous(CreateAnonymousBeside(path));
  if (anonymous.valid()) {
    if (!WriteTemporary(path, anonymous.get(), bytes)) return {};
    if (NameAnonymous(anonymous.get(), path, &temp_path)) {
      if (anonymous.Close()) return temp_path;
      UnlinkKeepingErrno(temp_path);
      return {};
    }
    // Without /proc the file cannot be named: write a named one instead.
  }
  Descriptor named(CreateTemporaryBeside(path, &temp_path));
  if (!named.valid()) {
    *not_created = true;
    return {};
  }
  const bool written = WriteTemporary(path, named.get(), bytes);
  if (!named.Close() || !written) {
    UnlinkKeepingErrno(temp_path);
    return {};
  }
  return temp_path;
}

// For a folder that takes no new file while the file itself may be
// written: the content is overwritten from the start, cut to its new length
// and flushed. Not atomic, but the only way such a file can be saved.
bool RewriteInPlace(const std::string& path, const std::string& bytes) {
  Descriptor file(
      ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.valid()) return false;
  struct stat info;
  if (::fstat(file.get(), &info) != 0) return false;
  if (!S_ISREG(info.st_mode)) {
    errno = EISDIR;
    return false;
  }
  return WriteAll(file.get(), bytes) &&
         ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 &&
         ::fsync(file.get()) == 0 && file.Close();
}

bool FolderRefusedNewFiles(int error) {
  return error == EACCES || error == EPERM;
}

bool Failed(int* error) {
  if (error != nullptr) *error = errno;
  return false;
}

// A link's target, relative to the link's folder when it is not absolute.
bool ReadLinkTarget(const std::string& link, std::string* target) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t length =
        ::readlink(link.c_str(), buffer.data(), buffer.size());
    if (length < 0) return false;
    if (static_cast<size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<size_t>(length));
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  *target = buffer.starts_with('/') ? buffer : FolderOf(link) + "/" + buffer;
  return true;
}

}  // namespace

MessageFileState ReadMessageFile(google::protobuf::MessageLite* message,
                                 const std::string& path, int* error) {
  std::string bytes;
  switch (ReadRegularFile(path, &bytes, kMaxReadableFileSize, error)) {
    case FileReadStatus::kRead:
      break;
    case FileReadStatus::kMissing:
      return MessageFileState::kMissing;
    default:
      return MessageFileState::kUnreadable;
  }
  // Parse partially and check completeness elsewhere: the content read so
  // far must stay in the message even when a required field is missing.
  return message->ParsePartialFromString(bytes) ? MessageFileState::kParsed
                                                : MessageFileState::kMalformed;
}

bool LoadMessageFile(google::protobuf::MessageLite* message,
                     const std::string& path) {
  return ReadMessageFile(message, path) == MessageFileState::kParsed &&
         message->IsInitialized();
}

std::string FollowLinks(const std::string& path) {
  std::string current = path;
  // The system's own limit on links in one lookup.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info;
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return current;
    }
    std::string target;
    if (!ReadLinkTarget(current, &target)) return current;
    current = target;
  }
  return path;
}

bool SaveMessageFile(const google::protobuf::MessageLite& message,
                     const std::string& path, int* error) {
  std::string bytes;
  if (!message.SerializePartialToString(&bytes)) {
    errno = EINVAL;
    return Failed(error);
  }
  const std::string target = FollowLinks(path);
  RemoveStaleTemporaries(target);
  bool not_created = false;
  const std::string temp_path = WriteTemporaryFile(target, bytes, &not_created);
  if (temp_path.empty()) {
    const int folder_error = errno;
    if (not_created && FolderRefusedNewFiles(folder_error) &&
        ::access(target.c_str(), F_OK) == 0) {
      if (RewriteInPlace(target, bytes)) return true;
      errno = folder_error;  // the folder is what stands in the way
    }
    return Failed(error);
  }
  if (std::rename(temp_path.c_str(), target.c_str()) != 0) {
    UnlinkKeepingErrno(temp_path);
    return Failed(error);
  }
  return SyncFolder(FolderOf(target)) || Failed(error);
}

}  // namespace zorvanel
