#ifndef ZORVANEL_APP_PROGRAM_ARGS_H_
#define ZORVANEL_APP_PROGRAM_ARGS_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace zorvanel {

// The desktop program's command line: zorvanel [--screen WxH] [--folder DIR].
struct ProgramArgs {
  std::optional<Size> screen;  // absent: chosen from the display
  std::string folder;          // empty: chosen by ResolveProgramFolders
};

// False, with a one-line reason, for an unknown option, a missing value, an
// empty folder or a screen size that is not two whole numbers from 1 to
// 16384 joined by 'x'.
bool ParseProgramArgs(int argc, const char* const* argv, ProgramArgs* args,
                      std::string* error);

// "480x640" -> 480 x 640; nothing for anything else.
std::optional<Size> ParseScreenSize(std::string_view text);

}  // namespace zorvanel

#endif  // ZORVANEL_APP_PROGRAM_ARGS_H_
