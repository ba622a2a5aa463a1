// zorvanel-drive's command line, and a run of the program under a script.
#ifndef ZORVANEL_DRIVE_DRIVER_H_
#define ZORVANEL_DRIVE_DRIVER_H_

#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "platform/geometry.h"
#include "platform/status.h"

namespace zorvanel {

// What the command line of zorvanel-drive asks for.
struct DriverOptions {
  Size screen{kReferenceWidth, kReferenceHeight};
  std::string folder;       // the data folder, shipped files included
  std::string script_path;  // empty: the script comes from stdin
};

// zorvanel-drive [--screen WxH] [--folder DIR] [SCRIPT]. The folder defaults
// to the folder of the running executable. The reason instead on a bad
// command line.
Expected<DriverOptions> ParseDriverArgs(int argc, char** argv);

// The usage line printed with a command line error.
std::string DriverUsage();

// Builds the script backend and the shell, runs `program` and returns its
// status. The script running out first returns 0
// (the program is cut off, nothing saved); a bad script line prints
// "line N: <reason>: <line>" on stderr and returns 2; a script file that
// cannot be opened returns 2 as well.
int RunDriver(const DriverOptions& options,
              const std::function<int()>& program);

// The same with the script, the output (dumps) and the error messages given
// as streams; options.script_path is not used.
int RunDriver(const DriverOptions& options, std::istream& script,
              std::ostream& out, std::ostream& err,
              const std::function<int()>& program);

}  // namespace zorvanel

#endif  // ZORVANEL_DRIVE_DRIVER_H_
