// Status and Expected<T>: how a function says it failed, and why.
#ifndef ZORVANEL_PLATFORM_STATUS_H_
#define ZORVANEL_PLATFORM_STATUS_H_

#include <cassert>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace zorvanel {

// The outcome of an operation: success, or a failure with its reason. A
// failure of a system call keeps the errno that says why, so that a
// message can give the system's reason; other failures carry a one-line
// message of their own.
class [[nodiscard]] Status {
 public:
  Status() = default;  // success

  // A failure for the errno value `error`, which is never 0.
  static Status Failure(int error) {
    assert(error != 0);
    return Status(error, std::string());
  }
  // A failure no errno describes, told by `message`, which is never empty.
  static Status Failure(std::string message) {
    assert(!message.empty());
    return Status(0, std::move(message));
  }
  // A failure for the errno the last system call left; EIO when it left
  // none, so that a failure never reads as success.
  static Status LastError() { return Status(errno != 0 ? errno : EIO, ""); }
  // Success when a system call returned 0, else LastError().
  static Status FromCall(int result) {
    return result == 0 ? Status() : LastError();
  }

  bool ok() const { return error_ == 0 && message_.empty(); }
  // The errno of a failed system call; 0 on success and for failures told
  // by a message only.
  int error() const { return error_; }
  // The failure's message, or else the system's text for its errno
  // ("Permission denied"); "" on success.
  std::string Reason() const {
    if (!message_.empty()) return message_;
    return error_ != 0 ? std::strerror(error_) : "";
  }
  // The same failure, its reason prefixed with what was being done
  // ("cannot use the folder x: No such file or directory").
  Status WithContext(const std::string& what) const {
    return ok() ? *this : Status(error_, what + ": " + Reason());
  }

 private:
  Status(int error, std::string message)
      : error_(error), message_(std::move(message)) {}

  int error_ = 0;
  std::string message_;
};

template <typename T>
class Expected;

// What an Expected<T> may be made from as its value: what a T can be made
// of, other than a failure or another Expected.
template <typename U, typename T>
concept MakesValueOf = std::is_constructible_v<T, U&&> &&
                       !std::is_same_v<std::remove_cvref_t<U>, Status> &&
                       !std::is_same_v<std::remove_cvref_t<U>, Expected<T>>;

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Expected {
 public:
  // From anything a T is made of (a struct given for a variant).
  template <MakesValueOf<T> U = T>
  Expected(U&& value) : value_(std::forward<U>(value)) {}
  Expected(Status failure) : status_(std::move(failure)) {
    assert(!status_.ok());
  }

  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }

  const T& operator*() const {
    assert(ok());
    return *value_;
  }
  T& operator*() {
    assert(ok());
    return *value_;
  }
  const T* operator->() const {
    assert(ok());
    return &*value_;
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
