// The desktop program's command line: --screen, --folder and --help.
#include "app/program_args.h"

#include "platform/screen_size.h"

namespace zorvanel {

std::string ProgramUsage() {
  return "usage: zorvanel [--screen WxH] [--folder DIR] [--help]\n";
}

std::string ProgramHelp(std::string_view commands) {
  return ProgramUsage() + std::string(commands) +
         "\n"
         "Zorvanel, a depth-of-field calculator, in a window of its own.\n"
         "\n"
         "  --screen WxH  the window's inside size in pixels, e.g. 480x640\n"
         "                (default: 480x640 times 1, 1.25, 1.5 or 2, the\n"
         "                largest that fits in 90 % of the screen)\n"
         "  --folder DIR  keep ZorvanelData.ptb in DIR, and read CameraDB.ptb\n"
         "                and Translation.lang from it when it has them\n"
         "                (default: $XDG_DATA_HOME/zorvanel, or beside the\n"
         "                program when a data file is there already)\n"
         "  --help        print this help and end\n"
         "\n"
         "F1 and F2 press the soft keys; closing the window saves like "
         "\"Exit\".\n";
}

Expected<ProgramArgs> ParseProgramArgs(int argc, const char* const* argv) {
  ProgramArgs args;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      args.help = true;
      continue;
    }
    if (arg != "--screen" && arg != "--folder") {
      return Status::Failure("unknown argument: " + std::string(arg));
    }
    if (i + 1 >= argc)
      return Status::Failure(std::string(arg) + " needs a value");
    const std::string_view value = argv[++i];
    if (arg == "--screen") {
      Expected<Size> screen = ParseScreenSize(value);
      if (!screen.ok()) return screen.status();
      args.screen = *screen;
    } else {
      if (value.empty()) return Status::Failure("--folder needs a folder");
      args.folder = value;
    }
  }
  return args;
}

}  // namespace zorvanel
