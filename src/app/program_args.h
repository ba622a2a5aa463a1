// The desktop program's command line: --screen, --folder and --help.
#ifndef ZORVANEL_APP_PROGRAM_ARGS_H_
#define ZORVANEL_APP_PROGRAM_ARGS_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/geometry.h"
#include "platform/status.h"

namespace zorvanel {

// The desktop program's command line:
// zorvanel [--screen WxH] [--folder DIR] [--help].
struct ProgramArgs {
  std::optional<Size> screen;  // absent: chosen from the display
  std::string folder;          // empty: chosen by ResolveProgramFolders
  bool help = false;           // print the options and end
};

// The usage line, and the whole help that --help prints, with the usage
// lines of the program's `commands` under its own.
std::string ProgramUsage();
std::string ProgramHelp(std::string_view commands = {});

// The options, or a one-line reason for an unknown option, a missing value,
// an empty folder or a screen size the program does not accept
// (ParseScreenSize).
Expected<ProgramArgs> ParseProgramArgs(int argc, const char* const* argv);

}  // namespace zorvanel

#endif  // ZORVANEL_APP_PROGRAM_ARGS_H_
