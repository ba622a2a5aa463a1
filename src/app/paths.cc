#include "app/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace zorvanel {
namespace {

std::string InFolder(const std::string& folder, const char* name) {
  return folder + "/" + name;
}

// readlink does not say how long the link is, so grow until it fits.
std::string ReadExecutableLink() {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length =
        ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return "";
    if (static_cast<size_t>(length) < buffer.size()) {
      return std::string(buffer.data(), static_cast<size_t>(length));
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string ProgramFolderFromExecutable(const std::string& exe_path) {
  const size_t slash = exe_path.rfind('/');
  if (slash == std::string::npos) return "";
  return exe_path.substr(0, slash);
}

std::string ExecutableFolder() {
  return ProgramFolderFromExecutable(ReadExecutableLink());
}

std::string DataFilePath(const std::string& folder) {
  return InFolder(folder, "ZorvanelData.ptb");
}

std::string CameraDbPath(const std::string& folder) {
  return InFolder(folder, "CameraDB.ptb");
}

std::string TranslationPath(const std::string& folder) {
  return InFolder(folder, "Translation.lang");
}

std::string LockFilePath(const std::string& folder) {
  return InFolder(folder, "ZorvanelData.lock");
}

bool CheckDataFolder(const std::string& folder, std::string* error) {
  if (folder.empty()) {
    *error = "--folder needs a folder";
    return false;
  }
  struct stat info;
  if (::stat(folder.c_str(), &info) != 0) {
    *error = "cannot use the folder " + folder + ": " + std::strerror(errno);
    return false;
  }
  if (!S_ISDIR(info.st_mode)) {
    *error = "not a folder: " + folder;
    return false;
  }
  return true;
}

}  // namespace zorvanel
