#ifndef ZORVANEL_APP_FOLDER_LOCK_H_
#define ZORVANEL_APP_FOLDER_LOCK_H_

#include <string>

#include "platform/regular_file.h"

namespace zorvanel {

// One program per data folder: an advisory lock on a lock file there, held
// for the life of the object. The system releases it when the process ends,
// however it ends, so a crash never leaves the folder locked. The lock file
// itself stays (removing it would let a third program lock a different
// file of the same name).
class FolderLock {
 public:
  enum class State {
    kHeld,    // this program has the folder
    kBusy,    // another running program has it
    kNoLock,  // the system offers no lock here (a read-only folder with
              // no lock file yet, a file system without locks)
  };

  explicit FolderLock(const std::string& lock_path);

  State state() const { return state_; }

 private:
  Descriptor file_;
  State state_ = State::kNoLock;
};

}  // namespace zorvanel

#endif  // ZORVANEL_APP_FOLDER_LOCK_H_
