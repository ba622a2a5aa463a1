// Reads a stored message from a file and saves one, or any bytes, atomically
// in its place.
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
#include <optional>
#include <string_view>
#include <utility>

#include "platform/regular_file.h"

namespace zorvanel {
namespace {

struct FolderCloser {
  void operator()(DIR* folder) const { ::closedir(folder); }
};
using FolderPtr = std::unique_ptr<DIR, FolderCloser>;

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

// The pid of "<pid>.<n>" exactly; none for anything else, which beside the
// data file is the user's.
std::optional<pid_t> TemporaryPid(std::string_view rest) {
  const size_t dot = rest.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string_view text = rest.substr(0, dot);
  if (!IsDecimal(text) || !IsDecimal(rest.substr(dot + 1))) return std::nullopt;
  pid_t pid = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), pid);
  if (ec != std::errc() || pid <= 0) return std::nullopt;
  return pid;
}

// Removes a file left by a failed step; the step's failure is what counts.
Status RemoveAfter(Status failure, const std::string& path) {
  ::unlink(path.c_str());
  return failure;
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
    const std::optional<pid_t> pid = TemporaryPid(name.substr(prefix.size()));
    if (!pid) continue;                                    // not one of ours
    if (::kill(*pid, 0) == 0 || errno != ESRCH) continue;  // still running
    ::unlink((folder + "/" + std::string(name)).c_str());
  }
}

std::string NextTemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return TemporaryPrefix(path) + std::to_string(::getpid()) + "." +
         std::to_string(counter++);
}

// A new named file and its name.
struct TemporaryFile {
  Descriptor file;
  std::string path;
};

// A file in the folder of `path` without a name: if the process dies while
// writing it, nothing is left behind. None where the system or the file
// system does not offer such files.
Descriptor CreateAnonymousBeside(const std::string& path) {
#ifdef O_TMPFILE
  return Descriptor(
      ::open(FolderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
#else
  return Descriptor(-1);
#endif
}

// A fresh temporary name beside `path` given to the anonymous file `fd`;
// none where it cannot be named (without /proc).
std::optional<std::string> NameAnonymous(int fd, const std::string& path) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp_path = NextTemporaryName(path);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp_path.c_str(),
                 AT_SYMLINK_FOLLOW) == 0) {
      return temp_path;
    }
    if (errno != EEXIST) break;
  }
  return std::nullopt;
}

// Creates a fresh named file next to `path` that no other writer uses. The
// mode leaves the permissions to the umask, as for a plainly created file.
Expected<TemporaryFile> CreateTemporaryBeside(const std::string& path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp_path = NextTemporaryName(path);
    Descriptor file(::open(temp_path.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.valid()) return TemporaryFile{std::move(file), temp_path};
    if (errno != EEXIST) return Status::LastError();
  }
  return Status::Failure(EEXIST);
}

// Makes the rename itself durable.
Status SyncFolder(const std::string& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.valid() || ::fsync(dir.get()) != 0) return Status::LastError();
  return dir.Close();
}

// A replaced file keeps the permissions the user gave the old one.
Status KeepPermissionsOf(const std::string& path, int fd) {
  struct stat old_file;
  if (::stat(path.c_str(), &old_file) != 0 || !S_ISREG(old_file.st_mode)) {
    return {};
  }
  return Status::FromCall(::fchmod(fd, old_file.st_mode & 07777));
}

Status WriteTemporary(const std::string& path, int fd,
                      const std::string& bytes) {
  if (Status kept = KeepPermissionsOf(path, fd); !kept.ok()) return kept;
  if (Status written = WriteAll(fd, bytes); !written.ok()) return written;
  return Status::FromCall(::fsync(fd));
}

// Gives the complete temporary file the target's name, durably.
Status RenameOver(const std::string& temp_path, const std::string& target) {
  if (std::rename(temp_path.c_str(), target.c_str()) != 0) {
    return RemoveAfter(Status::LastError(), temp_path);
  }
  return SyncFolder(FolderOf(target));
}

// For a folder that takes no new file while the file itself may be
// written: the content is overwritten from the start, cut to its new length
// and flushed. Not atomic, but the only way such a file can be saved. Only
// whether it worked counts: the folder is what stands in the way.
bool RewriteInPlace(const std::string& path, const std::string& bytes) {
  Descriptor file(::open(
      path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
  struct stat info;
  return file.valid() && ::fstat(file.get(), &info) == 0 &&
         S_ISREG(info.st_mode) && WriteAll(file.get(), bytes).ok() &&
         ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 &&
         ::fsync(file.get()) == 0 && file.Close().ok();
}

// After the folder refused a new file: the old file rewritten in place
// where it exists and may be written, else the refusal.
Status RewriteWhereRefused(const std::string& target, const std::string& bytes,
                           Status refused) {
  const bool folder_refused =
      refused.error() == EACCES || refused.error() == EPERM;
  if (folder_refused && ::access(target.c_str(), F_OK) == 0 &&
      RewriteInPlace(target, bytes)) {
    return {};
  }
  return refused;
}

// Writes `bytes` to a new file beside `target`, flushed to disk, and
// renames it over the target, leaving nothing behind after a failure. An
// unnamed file's content is complete before it gets a name, so a cut at any
// moment leaves either no temporary at all or a complete one.
Status ReplaceFile(const std::string& target, const std::string& bytes) {
  Descriptor anonymous = CreateAnonymousBeside(target);
  if (anonymous.valid()) {
    Status written = WriteTemporary(target, anonymous.get(), bytes);
    if (!written.ok()) return written;
    if (std::optional<std::string> temp_path =
            NameAnonymous(anonymous.get(), target)) {
      Status closed = anonymous.Close();
      return closed.ok() ? RenameOver(*temp_path, target)
                         : RemoveAfter(closed, *temp_path);
    }
    // Without /proc the file cannot be named: write a named one instead.
  }
  Expected<TemporaryFile> named = CreateTemporaryBeside(target);
  if (!named.ok()) return RewriteWhereRefused(target, bytes, named.status());
  Status written = WriteTemporary(target, named->file.get(), bytes);
  Status closed = named->file.Close();
  if (written.ok()) written = closed;
  return written.ok() ? RenameOver(named->path, target)
                      : RemoveAfter(written, named->path);
}

}  // namespace

Status ReadMessageFile(google::protobuf::MessageLite* message,
                       const std::string& path) {
  const Expected<std::string> bytes = ReadRegularFile(path);
  if (!bytes.ok()) return bytes.status();
  // Parse partially: what was read before a fault stays in the message, and
  // a missing required field is for the caller to repair.
  return message->ParsePartialFromString(*bytes) ? Status()
                                                 : Status::Failure(EBADMSG);
}

std::string SaveTarget(const std::string& path) {
  std::string current = path;
  // The system's own limit on links in one lookup.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info;
    if (::lstat(current.c_str(), &info) != 0) return current;  // nothing yet
    if (S_ISREG(info.st_mode)) return current;
    if (!S_ISLNK(info.st_mode)) return path;
    const std::optional<std::string> target = ReadLink(current);
    if (!target) return path;
    // A relative target is relative to the link's folder.
    current =
        target->starts_with('/') ? *target : FolderOf(current) + "/" + *target;
  }
  return path;
}

Status SaveMessageFile(const google::protobuf::MessageLite& message,
                       const std::string& path) {
  std::string bytes;
  if (!message.SerializePartialToString(&bytes)) {
    return Status::Failure(EINVAL);
  }
  return SaveBytesFile(bytes, path);
}

Status SaveBytesFile(const std::string& bytes, const std::string& path) {
  const std::string target = SaveTarget(path);
  RemoveStaleTemporaries(target);
  return ReplaceFile(target, bytes);
}

}  // namespace zorvanel
