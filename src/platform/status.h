#ifndef ZORVANEL_PLATFORM_STATUS_H_
#define ZORVANEL_PLATFORM_STATUS_H_

#include <cassert>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace zorvanel {

// The outcome of reading or writing a file: success, or the errno that
// says why it failed, so that a message can give the system's reason.
class [[nodiscard]] Status {
 public:
  Status() = default;  // success

  // A failure for the errno value `error`, which is never 0.
  static Status Failure(int error) {
    assert(error != 0);
    return Status(error);
  }
  // A failure for the errno the last system call left; EIO when it left
  // none, so that a failure never reads as success.
  static Status LastError() { return Status(errno != 0 ? errno : EIO); }
  // Success when a system call returned 0, else LastError().
  static Status FromCall(int result) {
    return result == 0 ? Status() : LastError();
  }

  bool ok() const { return error_ == 0; }
  int error() const { return error_; }
  // The system's text for the errno ("Permission denied"); "" on success.
  std::string Reason() const { return ok() ? "" : std::strerror(error_); }

 private:
  explicit Status(int error) : error_(error) {}

  int error_ = 0;
};

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Expected {
 public:
  Expected(T value) : value_(std::move(value)) {}
  Expected(Status failure) : status_(failure) { assert(!failure.ok()); }

  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }

  const T& operator*() const {
    assert(ok());
    return *value_;
  }
  T* operator->() {
    assert(ok());
    return &*value_;
  }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_STATUS_H_
