#ifndef ZORVANEL_APP_PATHS_H_
#define ZORVANEL_APP_PATHS_H_

#include <string>

namespace zorvanel {

// The folder of an executable path: everything before the last '/', without
// it. A path without '/' gives "".
std::string ProgramFolderFromExecutable(const std::string& exe_path);

// The folder of the running program (from /proc/self/exe); "" when the
// system does not tell. The data files are always looked up there, never in
// the working directory.
std::string ExecutableFolder();

// The three files beside the program: folder + "/" + file name.
std::string DataFilePath(const std::string& folder);     // ZorvanelData.ptb
std::string CameraDbPath(const std::string& folder);     // CameraDB.ptb
std::string TranslationPath(const std::string& folder);  // Translation.lang
// The file whose lock marks the folder as in use by a running program.
std::string LockFilePath(const std::string& folder);  // ZorvanelData.lock

// Whether `folder` names an existing folder; false with a one-line reason
// otherwise (empty, missing, not a folder).
bool CheckDataFolder(const std::string& folder, std::string* error);

}  // namespace zorvanel

#endif  // ZORVANEL_APP_PATHS_H_
