#ifndef ZORVANEL_TESTS_HARDENING_SUPPORT_HARDENING_SUPPORT_H_
#define ZORVANEL_TESTS_HARDENING_SUPPORT_HARDENING_SUPPORT_H_

#include <filesystem>
#include <string>
#include <vector>

#include "data/zorvanel.pb.h"

namespace zorvanel::hardening {

// A fresh empty folder under the system's temporary folder, removed with
// the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const {
    return path_ / name;
  }
  // The names of the files in the folder, sorted.
  std::vector<std::string> FileNames() const;

 private:
  std::filesystem::path path_;
};

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

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// A camera with a 0.03 mm circle of confusion and a 50 mm lens, paired and
// selected: the main screen opens straight away on it.
Zorvanel FiftyMillimetreData();

// A collection in use: four cameras and five lenses, two pairs among them,
// a camera and a lens selected that are not paired, wheel positions,
// imperial units and the depth of field on the large line.
Zorvanel FullData();

}  // namespace zorvanel::hardening

#endif  // ZORVANEL_TESTS_HARDENING_SUPPORT_HARDENING_SUPPORT_H_
