// A fresh temporary folder for a test, removed with the object.
#ifndef ZORVANEL_TESTS_SUPPORT_SCRATCH_FOLDER_H_
#define ZORVANEL_TESTS_SUPPORT_SCRATCH_FOLDER_H_

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "file_bytes.h"

namespace zorvanel::testing {

// A fresh empty folder under the system's temporary folder, removed with
// the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zorvanel-test.XXXXXX")
            .string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot make a scratch folder");
    }
    // The canonical path: the program compares paths it reads back from the
    // system with it.
    path_ = std::filesystem::canonical(pattern);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const {
    return path_ / name;
  }
  // The names of the files in the folder, sorted.
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_SCRATCH_FOLDER_H_
