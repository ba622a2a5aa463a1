#include "app/damaged_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

#include "platform/regular_file.h"

namespace zorvanel {
namespace {

constexpr int kMaxAttempts = 100;

// rename() would silently replace an earlier copy of the same name.
Status RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(),
                  RENAME_NOREPLACE) == 0) {
    return {};
  }
  if (errno != EINVAL && errno != ENOSYS) return Status::LastError();
  // A file system without that flag: a hard link cannot replace either.
  if (::link(from.c_str(), to.c_str()) != 0) return Status::LastError();
  ::unlink(from.c_str());
  return {};
}

Status CopyWithoutReplacing(const std::string& from, const std::string& to) {
  const Expected<std::string> bytes = ReadRegularFile(from);
  if (!bytes.ok()) return bytes.status();
  Descriptor copy(
      ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (!copy.valid()) return Status::LastError();
  Status written = WriteAll(copy.get(), *bytes);
  if (written.ok()) written = Status::FromCall(::fsync(copy.get()));
  const Status closed = copy.Close();
  if (written.ok()) written = closed;
  if (!written.ok()) ::unlink(to.c_str());
  return written;
}

}  // namespace

std::string DamagedCopyPath(const std::string& path, std::time_t when) {
  std::tm local{};
  ::localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return path + ".damaged-" + stamp;
}

Expected<std::string> KeepDamagedFile(const std::string& path) {
  const std::string base = DamagedCopyPath(path, std::time(nullptr));
  // What to report when every name is taken, or the rename's reason.
  Status failure = Status::Failure(EEXIST);
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const std::string copy =
        attempt == 1 ? base : base + "-" + std::to_string(attempt);
    const Status renamed = RenameWithoutReplacing(path, copy);
    if (renamed.ok()) return copy;
    if (renamed.error() == EEXIST) continue;
    failure = renamed;
    const Status copied = CopyWithoutReplacing(path, copy);
    if (copied.ok()) return copy;
    if (copied.error() != EEXIST) break;
  }
  return failure;
}

}  // namespace zorvanel
