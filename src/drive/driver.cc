// zorvanel-drive's command line, and a run of the program under a script.
#include "drive/driver.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "drive/script_backend.h"
#include "platform/process_endings.h"
#include "platform/screen_size.h"
#include "platform/shell.h"

namespace zorvanel {

namespace {

std::string OwnFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path exe =
      std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && exe.has_parent_path()) return exe.parent_path().string();
  if (argv0 != nullptr) {
    const std::filesystem::path path = std::filesystem::absolute(argv0, error);
    if (!error && path.has_parent_path()) return path.parent_path().string();
  }
  return ".";
}

}  // namespace

std::string DriverUsage() {
  return "usage: zorvanel-drive [--screen WxH] [--folder DIR] [SCRIPT]";
}

Expected<DriverOptions> ParseDriverArgs(int argc, char** argv) {
  DriverOptions options;
  bool folder_given = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--screen" || arg == "--folder") {
      if (i + 1 >= argc) {
        return Status::Failure(std::string(arg) + " needs a value");
      }
      const char* value = argv[++i];
      if (arg == "--folder") {
        options.folder = value;
        folder_given = true;
        continue;
      }
      const Expected<Size> screen = ParseScreenSize(value);
      if (!screen.ok()) return screen.status();
      options.screen = *screen;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Status::Failure("unknown option " + std::string(arg));
    } else if (!options.script_path.empty()) {
      return Status::Failure("only one script may be given");
    } else {
      options.script_path = std::string(arg);
    }
  }
  if (!folder_given) options.folder = OwnFolder(argc > 0 ? argv[0] : nullptr);
  return options;
}

int RunDriver(const DriverOptions& options,
              const std::function<int()>& program) {
  // As in the desktop window, SIGTERM, SIGINT and SIGHUP end the program
  // the way closing the window does.
  NoteTerminationSignals();
  if (options.script_path.empty()) {
    return RunDriver(options, std::cin, std::cout, std::cerr, program);
  }
  std::ifstream script(options.script_path);
  if (!script) {
    std::cerr << "cannot read the script " << options.script_path << '\n';
    return 2;
  }
  return RunDriver(options, script, std::cout, std::cerr, program);
}

int RunDriver(const DriverOptions& options, std::istream& script,
              std::ostream& out, std::ostream& err,
              const std::function<int()>& program) {
  Shell shell(std::make_unique<ScriptBackend>(options.screen, script, out));
  try {
    return program();
  } catch (const ScriptFinished&) {
    return 0;
  } catch (const ScriptError& e) {
    out.flush();
    err << "line " << e.line_number << ": " << e.reason << ": " << e.line
        << '\n';
    return 2;
  }
}

}  // namespace zorvanel
