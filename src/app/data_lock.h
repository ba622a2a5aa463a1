// One running program per data file, however the file is reached.
#ifndef ZORVANEL_APP_DATA_LOCK_H_
#define ZORVANEL_APP_DATA_LOCK_H_

#include <optional>
#include <string>

#include "platform/regular_file.h"
#include "platform/status.h"

namespace zorvanel {

// An advisory lock on the data file's real identity (its path with every
// link resolved, as a save writes it), held for the life of the object. Two
// folders that link to one file share one lock. The lock file sits beside
// the real file ("ZorvanelData.lock" for "ZorvanelData.ptb"); where it
// cannot be opened or locked there (a read-only folder, a lock file that is
// a link, one of another user's), it sits in a private folder of the user,
// $XDG_RUNTIME_DIR/zorvanel or else zorvanel-UID in the temporary folder,
// named after the resolved path. A link is never followed to a lock file.
// The system releases the lock when the process ends, however it ends; the
// lock file itself stays (removing it would let a third program lock a
// different file of the same name).
class DataLock {
 public:
  enum class State {
    kHeld,    // this program has the data file
    kBusy,    // another running program has it
    kNoLock,  // no lock could be taken anywhere
  };

  explicit DataLock(const std::string& data_file_path);

  State state() const { return state_; }
  // Why no lock could be taken, for kNoLock.
  const Status& failure() const { return failure_; }

 private:
  // Whether `lock_path` settled the state (held or busy).
  bool TryLock(const std::string& lock_path);

  std::optional<Descriptor> file_;
  State state_ = State::kNoLock;
  Status failure_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_APP_DATA_LOCK_H_
