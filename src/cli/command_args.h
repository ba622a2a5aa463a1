// The command line of `zorvanel table` and `zorvanel plan`.
#ifndef ZORVANEL_CLI_COMMAND_ARGS_H_
#define ZORVANEL_CLI_COMMAND_ARGS_H_

#include <optional>
#include <string>
#include <string_view>

#include "optics/units.h"
#include "platform/status.h"

namespace zorvanel {

enum class Command { kTable, kPlan };
enum class OutputFormat { kText, kCsv, kPdf };
enum class Paper { kA4, kLetter };

// The options of a command, as given. Lists and numbers stay text until the
// unit system is known (a distance is in metres or in feet).
struct CommandArgs {
  Command command = Command::kTable;
  bool help = false;
  std::string folder;  // empty: where the window program finds its data
  std::optional<std::string> camera, lens;  // names from the user's lists
  std::optional<std::string> coc;           // millimetres
  std::optional<std::string> focal;         // plan: one; table: a list
  std::optional<std::string> apertures, distances;  // lists (table)
  std::optional<std::string> near, far;             // plan
  std::optional<UnitSystem> units;
  std::optional<std::string> language;
  bool all_stops = false;
  OutputFormat format = OutputFormat::kText;
  std::string output;  // empty: standard output
  Paper paper = Paper::kA4;
};

// The command `name` names ("table", "plan"), if any.
std::optional<Command> CommandNamed(std::string_view name);

// The options after the command's name (argv[0] is the program, argv[1] the
// command), or a one-line reason: an option the command does not take, a
// missing value, an unknown format, paper or unit system, a PDF without
// --output, a plan without --near.
Expected<CommandArgs> ParseCommandArgs(int argc, const char* const* argv);

// What --help prints for the command.
std::string CommandHelp(Command command);
// The lines the program's own --help gives the commands.
std::string CommandsSummary();

}  // namespace zorvanel

#endif  // ZORVANEL_CLI_COMMAND_ARGS_H_
