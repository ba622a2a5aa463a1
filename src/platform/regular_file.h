#ifndef ZORVANEL_PLATFORM_REGULAR_FILE_H_
#define ZORVANEL_PLATFORM_REGULAR_FILE_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvanel {

// Every file the program reads is small; anything beyond this is not one of
// its files, and reading it would only exhaust the memory.
inline constexpr size_t kMaxReadableFileSize = size_t{256} << 20;  // 256 MiB

enum class FileReadStatus {
  kRead,        // the whole file is in the bytes
  kMissing,     // nothing of that name
  kNotRegular,  // a folder, a pipe, a device, a socket
  kUnreadable,  // no access, or the system failed to read it
  kTooLarge,    // more than the limit
};

// Reads a whole regular file of at most `limit` bytes. It never blocks on a
// FIFO or a device (they are refused, not opened for reading) and never
// throws; `error` (optional) receives the system's errno of a failure.
FileReadStatus ReadRegularFile(const std::string& path, std::string* bytes,
                               size_t limit = kMaxReadableFileSize,
                               int* error = nullptr);

// Writes all of `bytes` to the descriptor, going on after short writes and
// interruptions. False with errno set by the failed write.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_REGULAR_FILE_H_
