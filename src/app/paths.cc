// Where the program's files live: the data folder and the shipped files.
#include "app/paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "data/camera_database.h"
#include "platform/regular_file.h"

namespace zorvanel {
namespace {

constexpr char kDataFileName[] = "ZorvanelData.ptb";
constexpr char kTranslationName[] = "Translation.lang";

std::string InFolder(const std::string& folder, const char* name) {
  return folder + "/" + name;
}

bool FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool HoldsShippedFiles(const std::string& folder) {
  return FileExists(CameraDatabase::PathIn(folder)) ||
         FileExists(TranslationPath(folder));
}

// /usr/bin/../share/zorvanel reads better as /usr/share/zorvanel in a
// message, and /proc/self/exe has already resolved the links.
std::string InstalledShareFolder(const std::string& executable_folder) {
  const std::filesystem::path share =
      std::filesystem::path(executable_folder + "/../share/zorvanel")
          .lexically_normal();
  return share.string();
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  const passwd* user = ::getpwuid(::getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

}  // namespace

std::string ProgramFolderFromExecutable(const std::string& exe_path) {
  const size_t slash = exe_path.rfind('/');
  if (slash == std::string::npos) return "";
  return exe_path.substr(0, slash);
}

std::string ExecutableFolder() {
  return ProgramFolderFromExecutable(ReadLink("/proc/self/exe").value_or(""));
}

std::string DataFilePath(const std::string& folder) {
  return InFolder(folder, kDataFileName);
}

std::string TranslationPath(const std::string& folder) {
  return InFolder(folder, kTranslationName);
}

ProgramFolders ResolveProgramFolders(const std::string& executable_folder,
                                     const std::string& given_folder) {
  ProgramFolders folders;
  if (!given_folder.empty()) {
    folders.data = given_folder;
  } else if (FileExists(DataFilePath(executable_folder))) {
    folders.data = executable_folder;
  } else {
    folders.data = UserDataHome();
  }
  if (!given_folder.empty() && HoldsShippedFiles(given_folder)) {
    folders.shipped = given_folder;
  } else if (HoldsShippedFiles(executable_folder)) {
    folders.shipped = executable_folder;
  } else {
    folders.shipped = InstalledShareFolder(executable_folder);
  }
  return folders;
}

std::string UserDataHome() {
  // Relative values are to be ignored: they would move with the working
  // directory.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/zorvanel";
  return HomeFolder() + "/.local/share/zorvanel";
}

Status MakeFolders(const std::string& folder) {
  std::string path;
  size_t start = 0;
  while (start <= folder.size()) {
    size_t slash = folder.find('/', start);
    if (slash == std::string::npos) slash = folder.size();
    path = folder.substr(0, slash);
    start = slash + 1;
    if (path.empty()) continue;
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
      return Status::LastError();
    }
  }
  struct stat info;
  if (::stat(folder.c_str(), &info) != 0) return Status::LastError();
  return S_ISDIR(info.st_mode) ? Status() : Status::Failure(ENOTDIR);
}

Status CheckDataFolder(const std::string& folder) {
  if (folder.empty()) return Status::Failure("--folder needs a folder");
  struct stat info;
  if (::stat(folder.c_str(), &info) != 0) {
    return Status::LastError().WithContext("cannot use the folder " + folder);
  }
  if (!S_ISDIR(info.st_mode)) return Status::Failure("not a folder: " + folder);
  return Status();
}

}  // namespace zorvanel
