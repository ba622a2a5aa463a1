#include "app/program_args.h"

#include <charconv>

namespace zorvanel {
namespace {

constexpr int kLargestScreenSide = 16384;

std::optional<int> ParseSide(std::string_view text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  if (value < 1 || value > kLargestScreenSide) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Size> ParseScreenSize(std::string_view text) {
  const size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<int> w = ParseSide(text.substr(0, x));
  const std::optional<int> h = ParseSide(text.substr(x + 1));
  if (!w || !h) return std::nullopt;
  return Size{*w, *h};
}

std::string ProgramUsage() {
  return "usage: zorvanel [--screen WxH] [--folder DIR] [--help]\n";
}

std::string ProgramHelp() {
  return ProgramUsage() +
         "\n"
         "Zorvanel, a depth-of-field calculator, in a window of its own.\n"
         "\n"
         "  --screen WxH  the window's inside size in pixels, e.g. 480x640\n"
         "                (default: 480x640 times 1, 1.25, 1.5 or 2, the\n"
         "                largest that fits in 90 % of the screen)\n"
         "  --folder DIR  where ZorvanelData.ptb, CameraDB.ptb and\n"
         "                Translation.lang are (default: the program's own\n"
         "                folder)\n"
         "  --help        print this help and end\n"
         "\n"
         "F1 and F2 press the soft keys; closing the window saves like "
         "\"Exit\".\n";
}

bool ParseProgramArgs(int argc, const char* const* argv, ProgramArgs* args,
                      std::string* error) {
  *args = ProgramArgs();
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      args->help = true;
      continue;
    }
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
      args->screen = ParseScreenSize(value);
      if (!args->screen) {
        *error = "bad screen size (want WxH): " + std::string(value);
        return false;
      }
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
