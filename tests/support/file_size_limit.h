// Makes file writes beyond a size fail while it lives, as a full disk does.
#ifndef ZORVANEL_TESTS_SUPPORT_FILE_SIZE_LIMIT_H_
#define ZORVANEL_TESTS_SUPPORT_FILE_SIZE_LIMIT_H_

#include <sys/resource.h>

#include <csignal>

namespace zorvanel::testing {

// Makes every file write beyond `bytes` fail (EFBIG instead of a signal)
// while it lives: what a full disk does to a save.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_handler_)(int);
};

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_FILE_SIZE_LIMIT_H_
