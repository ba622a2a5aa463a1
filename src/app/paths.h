// Where the program's files live: the data folder and the shipped files.
#ifndef ZORVANEL_APP_PATHS_H_
#define ZORVANEL_APP_PATHS_H_

#include <string>

#include "platform/status.h"

namespace zorvanel {

// The folder of an executable path: everything before the last '/', without
// it. A path without '/' gives "".
std::string ProgramFolderFromExecutable(const std::string& exe_path);

// The folder of the running program (from /proc/self/exe); "" when the
// system does not tell. The data files are never looked up in the working
// directory.
std::string ExecutableFolder();

// The user's data file and the language file: folder + "/" + file name
// (the camera database's is CameraDatabase::PathIn).
std::string DataFilePath(const std::string& folder);     // ZorvanelData.ptb
std::string TranslationPath(const std::string& folder);  // Translation.lang

// Success when `folder` names an existing folder; a one-line reason
// otherwise (empty, missing, not a folder).
Status CheckDataFolder(const std::string& folder);

// Where the desktop program keeps its files.
struct ProgramFolders {
  std::string data;     // the user's data file
  std::string shipped;  // the camera database and the language file
};

// The desktop program's folders, from the executable's folder and the
// --folder given on the command line ("" when none):
// - the user's data lives in the given folder, else beside the executable
//   when a data file is already there (a portable copy, or a build tree
//   used before), else in UserDataHome();
// - the camera database and the language file are read from the given
//   folder when it holds one of them, else from beside the executable when
//   one of them is there, else from ../share/zorvanel next to the
//   executable's folder (an installed program).
ProgramFolders ResolveProgramFolders(const std::string& executable_folder,
                                     const std::string& given_folder);

// $XDG_DATA_HOME/zorvanel, or $HOME/.local/share/zorvanel when that is
// unset, empty or not absolute (the home folder from the password database
// when HOME is unset too).
std::string UserDataHome();

// Makes the folder and any missing parents, each new one private to the
// user (0700). Success when the folder exists afterwards.
Status MakeFolders(const std::string& folder);

}  // namespace zorvanel

#endif  // ZORVANEL_APP_PATHS_H_
