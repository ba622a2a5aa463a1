// Takes the data file's lock beside it, or in the user's private folder.
#include "app/data_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "data/message_file.h"

namespace zorvanel {
namespace {

namespace fs = std::filesystem;

// O_NONBLOCK and O_NOFOLLOW: whatever sits at that name must not make the
// start hang or lock some other file.
constexpr int kFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW;
constexpr size_t kMaxNameLength = 255;

// The file a save writes, in its folder with every link resolved.
fs::path ResolvedDataFile(const std::string& data_file_path) {
  const fs::path target = SaveTarget(data_file_path);
  std::error_code ignored;
  const fs::path folder = fs::weakly_canonical(
      target.has_parent_path() ? target.parent_path() : ".", ignored);
  return folder / target.filename();
}

// "ZorvanelData.lock" beside "ZorvanelData.ptb"; "NAME.lock" beside any
// other name, so that it never names the data file itself.
fs::path LockBeside(const fs::path& data_file) {
  fs::path lock = data_file;
  if (lock.extension() == ".ptb") return lock.replace_extension(".lock");
  return lock += ".lock";
}

// The resolved path as one file name: "/" and "%" escaped, and cut to the
// system's limit behind a hash of the whole.
std::string LockNameFor(const fs::path& data_file) {
  std::string name;
  for (char c : data_file.string()) {
    if (c == '/') {
      name += "%2F";
    } else if (c == '%') {
      name += "%25";
    } else {
      name += c;
    }
  }
  name += ".lock";
  if (name.size() <= kMaxNameLength) return name;
  // FNV-1a: the same in every build and run, unlike std::hash.
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : data_file.string()) {
    hash = (hash ^ c) * 1099511628211ull;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx",
                static_cast<unsigned long long>(hash));
  return hex + name.substr(name.size() - (kMaxNameLength - 16));
}

std::string AbsoluteFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] == '/' ? value : "";
}

// The user's private folders for locks, in the order they are tried.
std::vector<std::string> PrivateLockFolders() {
  std::vector<std::string> folders;
  if (const std::string runtime = AbsoluteFromEnvironment("XDG_RUNTIME_DIR");
      !runtime.empty()) {
    folders.push_back(runtime + "/zorvanel");
  }
  std::string temp = AbsoluteFromEnvironment("TMPDIR");
  if (temp.empty()) temp = "/tmp";
  folders.push_back(temp + "/zorvanel-" + std::to_string(::getuid()));
  return folders;
}

// Makes `folder` (mode 0700) and checks that it is a real folder of the
// user that nobody else may enter: in a shared temporary folder, another
// user could have made it first.
Status MakePrivateFolder(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return Status::LastError();
  }
  struct stat info;
  if (::lstat(folder.c_str(), &info) != 0) return Status::LastError();
  if (!S_ISDIR(info.st_mode)) return Status::Failure(ENOTDIR);
  if (info.st_uid != ::getuid() || (info.st_mode & 077) != 0) {
    return Status::Failure(EPERM);
  }
  return {};
}

// A folder the user may not write can still hold a lock file: a lock needs
// only reading.
int OpenLockFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
  return fd >= 0 ? fd : ::open(path.c_str(), O_RDONLY | kFlags);
}

// Right after the open: a device or a FIFO is no place for a lock.
Status CheckOpenedRegular(const Descriptor& file) {
  if (!file.valid()) return Status::LastError();
  struct stat info;
  if (::fstat(file.get(), &info) != 0) return Status::LastError();
  return S_ISREG(info.st_mode) ? Status() : Status::Failure(ENXIO);
}

}  // namespace

DataLock::DataLock(const std::string& data_file_path) {
  const fs::path data_file = ResolvedDataFile(data_file_path);
  if (TryLock(LockBeside(data_file))) return;
  for (const std::string& folder : PrivateLockFolders()) {
    if (Status made = MakePrivateFolder(folder); !made.ok()) {
      failure_ = made;
      continue;
    }
    if (TryLock(folder + "/" + LockNameFor(data_file))) return;
  }
}

bool DataLock::TryLock(const std::string& lock_path) {
  Descriptor file(OpenLockFile(lock_path));
  if (Status opened = CheckOpenedRegular(file); !opened.ok()) {
    failure_ = opened;
    return false;
  }
  if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0) {
    state_ = State::kHeld;
  } else if (errno == EWOULDBLOCK) {
    state_ = State::kBusy;
  } else {
    failure_ = Status::LastError();  // no locks on this file system
    return false;
  }
  file_.emplace(std::move(file));
  return true;
}

}  // namespace zorvanel
