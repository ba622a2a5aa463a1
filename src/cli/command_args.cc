// The command line of `zorvanel table` and `zorvanel plan`.
#include "cli/command_args.h"

#include <strings.h>

#include <array>

namespace zorvanel {
namespace {

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Which commands take an option that comes with a value.
struct ValueOption {
  std::string_view name;
  bool table, plan;
  std::optional<std::string> CommandArgs::*field;
};

constexpr std::array<ValueOption, 10> kValueOptions{{
    {"--camera", true, true, &CommandArgs::camera},
    {"--lens", true, true, &CommandArgs::lens},
    {"--coc", true, true, &CommandArgs::coc},
    {"--focal", true, true, &CommandArgs::focal},
    {"--apertures", true, false, &CommandArgs::apertures},
    {"--distances", true, false, &CommandArgs::distances},
    {"--near", false, true, &CommandArgs::near},
    {"--far", false, true, &CommandArgs::far},
    {"--language", true, true, &CommandArgs::language},
    // Parsed further below.
    {"--units", true, true, nullptr},
}};

std::string_view CommandName(Command command) {
  return command == Command::kTable ? "table" : "plan";
}

Status SetChoice(std::string_view option, std::string_view value,
                 CommandArgs* args) {
  if (option == "--units") {
    if (SameWord(value, "metric")) {
      args->units = kMetric;
    } else if (SameWord(value, "imperial")) {
      args->units = kImperial;
    } else {
      return Status::Failure("--units must be metric or imperial, not \"" +
                             std::string(value) + "\"");
    }
  } else if (option == "--format") {
    if (SameWord(value, "text")) {
      args->format = OutputFormat::kText;
    } else if (SameWord(value, "csv")) {
      args->format = OutputFormat::kCsv;
    } else if (SameWord(value, "pdf") && args->command == Command::kTable) {
      args->format = OutputFormat::kPdf;
    } else {
      return Status::Failure(std::string("--format must be ") +
                             (args->command == Command::kTable
                                  ? "text, csv or pdf"
                                  : "text or csv") +
                             ", not \"" + std::string(value) + "\"");
    }
  } else if (option == "--paper") {
    if (SameWord(value, "a4")) {
      args->paper = Paper::kA4;
    } else if (SameWord(value, "letter")) {
      args->paper = Paper::kLetter;
    } else {
      return Status::Failure("--paper must be a4 or letter, not \"" +
                             std::string(value) + "\"");
    }
  } else if (option == "--output") {
    if (value.empty()) return Status::Failure("--output needs a file name");
    args->output = value;
  } else {  // --folder
    if (value.empty()) return Status::Failure("--folder needs a folder");
    args->folder = value;
  }
  return Status();
}

// Whether `option` takes a value in this command; the field it fills, if
// it is kept as text.
bool TakesValue(Command command, std::string_view option,
                std::optional<std::string> CommandArgs::** field) {
  for (const ValueOption& known : kValueOptions) {
    if (known.name != option) continue;
    *field = known.field;
    return command == Command::kTable ? known.table : known.plan;
  }
  *field = nullptr;
  return option == "--format" || option == "--folder" ||
         (command == Command::kTable &&
          (option == "--output" || option == "--paper"));
}

Status CheckComplete(const CommandArgs& args) {
  if (args.help) return Status();
  if (args.format == OutputFormat::kPdf && args.output.empty()) {
    return Status::Failure("--format pdf needs --output FILE");
  }
  if (args.command == Command::kPlan && !args.near) {
    return Status::Failure("plan needs --near DISTANCE");
  }
  return Status();
}

}  // namespace

std::optional<Command> CommandNamed(std::string_view name) {
  if (name == "table") return Command::kTable;
  if (name == "plan") return Command::kPlan;
  return std::nullopt;
}

Expected<CommandArgs> ParseCommandArgs(int argc, const char* const* argv) {
  CommandArgs args;
  const std::optional<Command> command =
      argc > 1 ? CommandNamed(argv[1]) : std::nullopt;
  if (!command) return Status::Failure("no command: table or plan");
  args.command = *command;
  for (int i = 2; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::optional<std::string_view> inline_value;
    if (const size_t equals = arg.find('=');
        arg.starts_with("--") && equals != std::string_view::npos) {
      inline_value = arg.substr(equals + 1);
      arg = arg.substr(0, equals);
    }
    if ((arg == "--help" || arg == "-h") && !inline_value) {
      args.help = true;
      continue;
    }
    if (arg == "--all-stops" && args.command == Command::kTable &&
        !inline_value) {
      args.all_stops = true;
      continue;
    }
    std::optional<std::string> CommandArgs::*field = nullptr;
    if (!TakesValue(args.command, arg, &field)) {
      return Status::Failure(std::string(CommandName(args.command)) +
                             ": unknown option " + std::string(arg));
    }
    if (!inline_value && i + 1 >= argc) {
      return Status::Failure(std::string(arg) + " needs a value");
    }
    const std::string_view value = inline_value ? *inline_value : argv[++i];
    if (field != nullptr) {
      args.*field = std::string(value);
    } else if (Status set = SetChoice(arg, value, &args); !set.ok()) {
      return set;
    }
  }
  if (Status complete = CheckComplete(args); !complete.ok()) return complete;
  return args;
}

std::string CommandsSummary() {
  return "       zorvanel table [OPTIONS]   print a depth-of-field table\n"
         "       zorvanel plan --near D [--far D|inf] [OPTIONS]\n"
         "                                  where to focus, at what f-number\n"
         "       (zorvanel table --help and zorvanel plan --help tell more)\n";
}

std::string CommandHelp(Command command) {
  const std::string common =
      "  --folder DIR      the data folder, as for the window program\n"
      "  --camera TEXT     a camera of your list (default: the current one)\n"
      "  --lens TEXT       a lens of your list (default: the camera's lens,\n"
      "                    else the current one); names ignore case, and a\n"
      "                    part of a name will do when only one name has it\n"
      "  --coc MM          the circle of confusion (default: the camera's)\n"
      "  --units metric|imperial   (default: the program's setting)\n"
      "  --language NAME   English, French, Deutsch... (default: the "
      "program's)\n";
  if (command == Command::kTable) {
    return "usage: zorvanel table [OPTIONS]\n"
           "\n"
           "A depth-of-field table of a lens: rows are its focus distances,\n"
           "columns its f-numbers, each cell the near and far limits of\n"
           "sharpness; the last row is focused at the hyperfocal distance.\n"
           "One table per focal length. Reads the data file, never writes "
           "it.\n"
           "\n" +
           common +
           "  --focal LIST      focal lengths in mm, e.g. 18,35,55 (default: "
           "the lens's)\n"
           "  --apertures LIST  f-numbers, e.g. 2.8,4,f/8 (default: the "
           "lens's full\n"
           "                    stops and its widest and narrowest)\n"
           "  --all-stops       every f-number of the lens\n"
           "  --distances LIST  focus distances in m, or in ft with imperial "
           "units\n"
           "                    (default: the lens's)\n"
           "  --format text|csv|pdf   (default: text)\n"
           "  --output FILE     write there instead of standard output "
           "(needed for pdf)\n"
           "  --paper a4|letter the PDF's paper (default: a4)\n"
           "\n"
           "Exit status: 0, or 2 with one line on standard error; nothing is "
           "written then.\n";
  }
  return "usage: zorvanel plan --near D [--far D|inf] [OPTIONS]\n"
         "\n"
         "Where to focus and at what f-number for everything from D1 to D2\n"
         "to be sharp, the lens's f-number to set and the limits it gives,\n"
         "and a focus stack when one picture cannot do it.\n"
         "\n"
         "  --near D          the nearest distance to be sharp (m, or ft)\n"
         "  --far D|inf       the farthest (default: inf, infinity)\n" +
         common +
         "  --focal MM        the focal length (default: the main screen's)\n"
         "  --format text|csv (default: text)\n"
         "\n"
         "Exit status: 0, or 2 with one line on standard error.\n";
}

}  // namespace zorvanel
