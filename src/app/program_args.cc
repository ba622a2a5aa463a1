#include "app/program_args.h"

#include "platform/screen_size.h"

namespace zorvanel {

bool ParseProgramArgs(int argc, const char* const* argv, ProgramArgs* args,
                      std::string* error) {
  *args = ProgramArgs();
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg != "--screen" && arg != "--folder") {
      *error = "unknown argument: " + std::string(arg);
      return false;
    }
    if (i + 1 >= argc) {
      *error = std::string(arg) + " needs a value";
      return false;
    }
    const std::string_view value = argv[++i];
    if (arg == "--screen") {
      args->screen = ParseScreenSize(value, error);
      if (!args->screen) return false;
    } else {
      if (value.empty()) {
        *error = "--folder needs a folder";
        return false;
      }
      args->folder = value;
    }
  }
  return true;
}

}  // namespace zorvanel
