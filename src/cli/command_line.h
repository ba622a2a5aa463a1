// `zorvanel table` and `zorvanel plan`: from the command line to the output,
// without a window.
#ifndef ZORVANEL_CLI_COMMAND_LINE_H_
#define ZORVANEL_CLI_COMMAND_LINE_H_

#include <iosfwd>
#include <string>

namespace zorvanel {

// Process statuses of RunCommandLine.
inline constexpr int kCommandDone = 0;
inline constexpr int kCommandFailed = 2;

// Whether the program's arguments name a command (argv[1] is "table" or
// "plan") rather than options of the window program.
bool IsCommandLine(int argc, const char* const* argv);

// Runs the command: its whole output goes to `out`, or to the file --output
// names (written beside it and renamed, so that no half-written file is
// ever there). On any failure nothing is written and one line on `err` says
// what is wrong; the result is the process status. The data file is found
// from `executable_folder` as the window program finds it.
int RunCommandLine(int argc, const char* const* argv,
                   const std::string& executable_folder, std::ostream& out,
                   std::ostream& err);

}  // namespace zorvanel

#endif  // ZORVANEL_CLI_COMMAND_LINE_H_
