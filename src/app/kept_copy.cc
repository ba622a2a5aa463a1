// Keeps copies of the data file beside it without replacing anything.
#include "app/kept_copy.h"

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

// A new file (never one that exists, nor through a link) holding `bytes`,
// flushed; nothing is left after a failure.
Status WriteNewFile(const std::string& path, const std::string& bytes) {
  Descriptor file(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (!file.valid()) return Status::LastError();
  Status written = WriteAll(file.get(), bytes);
  if (written.ok()) written = Status::FromCall(::fsync(file.get()));
  const Status closed = file.Close();
  if (written.ok()) written = closed;
  if (!written.ok()) ::unlink(path.c_str());
  return written;
}

Status CopyWithoutReplacing(const std::string& from, const std::string& to) {
  const Expected<std::string> bytes = ReadRegularFile(from);
  return bytes.ok() ? WriteNewFile(to, *bytes) : bytes.status();
}

// Runs `keep` with the first copy name it can take: EEXIST moves on to the
// next one, anything else is the answer.
template <typename Keep>
Expected<std::string> KeepUnderFreeName(const std::string& path,
                                        std::string_view label, Keep keep) {
  const std::string base = KeptCopyPath(path, label, std::time(nullptr));
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    std::string copy =
        attempt == 1 ? base : base + "-" + std::to_string(attempt);
    const Status kept = keep(copy);
    if (kept.ok()) return copy;
    if (kept.error() != EEXIST) return kept;
  }
  return Status::Failure(EEXIST);
}

}  // namespace

std::string KeptCopyPath(const std::string& path, std::string_view label,
                         std::time_t when) {
  std::tm local{};
  ::localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return path + "." + std::string(label) + "-" + stamp;
}

Expected<std::string> MoveAside(const std::string& path,
                                std::string_view label) {
  return KeepUnderFreeName(path, label, [&path](const std::string& copy) {
    const Status renamed = RenameWithoutReplacing(path, copy);
    if (renamed.ok() || renamed.error() == EEXIST) return renamed;
    // The copy's own failure matters only when its name is taken; else the
    // rename's reason is the one to give.
    const Status copied = CopyWithoutReplacing(path, copy);
    return copied.ok() || copied.error() == EEXIST ? copied : renamed;
  });
}

Expected<std::string> CopyAside(const std::string& path,
                                std::string_view label) {
  return KeepUnderFreeName(path, label, [&path](const std::string& copy) {
    if (::link(path.c_str(), copy.c_str()) == 0) return Status();
    if (errno == EEXIST) return Status::Failure(EEXIST);
    return CopyWithoutReplacing(path, copy);
  });
}

Expected<std::string> WriteAside(const std::string& path,
                                 std::string_view label,
                                 const std::string& bytes) {
  return KeepUnderFreeName(path, label, [&](const std::string& copy) {
    return WriteNewFile(copy, bytes);
  });
}

}  // namespace zorvanel
