#include "platform/status.h"

#include <cerrno>
#include <cstring>

namespace zorvanel {

Status Status::LastError() { return Status(errno != 0 ? errno : EIO); }

std::string Status::Reason() const {
  return ok() ? std::string() : std::strerror(error_);
}

}  // namespace zorvanel
