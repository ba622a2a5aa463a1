// Runs programs as child processes, and the full collection tests start with.
#ifndef ZORVANEL_TESTS_HARDENING_SUPPORT_HARDENING_SUPPORT_H_
#define ZORVANEL_TESTS_HARDENING_SUPPORT_HARDENING_SUPPORT_H_

#include <filesystem>
#include <string>
#include <vector>

#include "data/zorvanel.pb.h"
#include "sample_data.h"
#include "scratch_folder.h"

namespace zorvanel::hardening {

using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

// How a child process ended.
struct ExitStatus {
  bool signalled = false;
  int code = 0;  // the exit status, or the signal number when signalled
};

// Runs `program` with `args` (stdout and stderr kept in `output`) and waits
// for it.
ExitStatus RunProgram(const std::string& program,
                      const std::vector<std::string>& args,
                      std::string* output);

using testing::FiftyMillimetreData;

// A collection in use: four cameras and five lenses, two pairs among them,
// a camera and a lens selected that are not paired, wheel positions,
// imperial units and the depth of field on the large line.
Zorvanel FullData();

}  // namespace zorvanel::hardening

#endif  // ZORVANEL_TESTS_HARDENING_SUPPORT_HARDENING_SUPPORT_H_
