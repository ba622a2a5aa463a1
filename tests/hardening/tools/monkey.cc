// The monkey: random but valid events fed to the real program through
// zorvanel-drive, run after run, with the saved data file checked after
// each run.
//
//   zv_monkey --driver PATH [--events N] [--session N] [--seed S]
//             [--data empty|full] [--shipped DIR] [--screen WxH] [--keep DIR]
//
// Before every event the monkey asks the driver for a dump of the screen,
// so that it only taps controls and rows that are there. A session ends
// when the program ends by itself (an "Exit") or after --session events
// with "close", which makes the program save. Then the data file must
// parse, its pairing and selection must be consistent and no number in it
// may be NaN or infinite; the next session starts from it.
//
// The seed is printed first; the same seed and the same program replay the
// same events. Each session's script is kept as session-N.zvs in the work
// folder (printed on failure, kept with --keep), and can be replayed with
// zorvanel-drive directly.

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "driver_process.h"
#include "hardening_support.h"
#include "saved_data_check.h"

namespace zorvanel::monkey {
namespace {

using hardening::CheckSavedData;
using hardening::DriverProcess;
using hardening::FullData;

namespace fs = std::filesystem;
using nlohmann::json;

constexpr char kDataFile[] = "ZorvanelData.ptb";

struct Settings {
  std::string driver;
  long events = 2000;
  long session = 500;
  uint64_t seed = 0;
  std::string data = "empty";
  std::string shipped;  // folder of CameraDB.ptb and Translation.lang
  std::string screen = "480x640";
  std::string keep;  // work folder to keep; empty: a temporary one
};

[[noreturn]] void Usage(const std::string& problem) {
  std::cerr << "zv_monkey: " << problem << "\n"
            << "usage: zv_monkey --driver PATH [--events N] [--session N] "
               "[--seed S] [--data empty|full] [--shipped DIR] "
               "[--screen WxH] [--keep DIR]\n";
  std::exit(2);
}

Settings ParseArgs(int argc, char** argv) {
  Settings s;
  s.seed = static_cast<uint64_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  if (const char* seed = std::getenv("ZV_MONKEY_SEED")) {
    s.seed = std::strtoull(seed, nullptr, 10);
  }
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) Usage(arg + " needs a value");
    const std::string value = argv[++i];
    if (arg == "--driver") {
      s.driver = value;
    } else if (arg == "--events") {
      s.events = std::stol(value);
    } else if (arg == "--session") {
      s.session = std::stol(value);
    } else if (arg == "--seed") {
      s.seed = std::stoull(value);
    } else if (arg == "--data") {
      s.data = value;
    } else if (arg == "--shipped") {
      s.shipped = value;
    } else if (arg == "--screen") {
      s.screen = value;
    } else if (arg == "--keep") {
      s.keep = value;
    } else {
      Usage("unknown option " + arg);
    }
  }
  if (s.driver.empty()) Usage("--driver is required");
  if (s.data != "empty" && s.data != "full") Usage("--data: empty or full");
  if (s.events < 1 || s.session < 1) Usage("counts must be positive");
  return s;
}

// ---------------------------------------------------------------------------
// Picking events.

struct Control {
  int id;
  std::string kind;
  int x, y, w, h;
};

class EventPicker {
 public:
  EventPicker(uint64_t seed, int width, int height)
      : rng_(seed), width_(width), height_(height) {}

  // One script line that fits the screen described by `dump`.
  std::string Next(const json& dump) {
    std::vector<Control> controls = VisibleControls(dump);
    const int rows = dump.contains("rows") && dump["rows"].is_array()
                         ? static_cast<int>(dump["rows"].size())
                         : 0;
    const bool main_screen = dump.value("dialog", "") == "CZorvanelDlg";
    // Weights: tap a control, tap anywhere, row, drag, double tap, type,
    // key, soft key, wait, single pointer events or a turn of the wheel.
    // The main screen is mostly dragged: a tap on its panel leaves it for
    // the options and its "Exit" ends the run, and the wheels are what a
    // user spends the time on.
    std::discrete_distribution<int> kind(
        {main_screen ? 0.0 : 30.0, main_screen ? 3.0 : 12.0,
         rows > 0 ? 10.0 : 0.0, main_screen ? 60.0 : 12.0, 5, 8, 8,
         main_screen ? 1.0 : 6.0, 4, 3});
    switch (kind(rng_)) {
      case 0:
        if (!controls.empty()) return TapControl(controls);
        [[fallthrough]];
      case 1:
        return "tap " + RandomPoint();
      case 2:
        return "row " + std::to_string(Uniform(0, rows - 1));
      case 3:
        return main_screen ? WheelDrag() : Drag(controls);
      case 4:
        return "dbltap " +
               (controls.empty() ? RandomPoint() : InsideControl(controls));
      case 5:
        return "type " + RandomText();
      case 6:
        return "key " +
               Pick<std::string>({"left", "right", "up", "down", "pageup",
                                  "pagedown", "home", "end", "backspace",
                                  "delete", "enter", "escape", "f1", "f2"});
      case 7:
        return Uniform(0, 1) == 0 ? "soft left" : "soft right";
      case 8:
        return "wait " + std::to_string(Pick<int>({16, 100, 500, 1000, 2500}));
      default:
        if (Uniform(0, 3) == 0) {
          return "wheel " + RandomPoint() + " " +
                 std::to_string(Uniform(-3, 3));
        }
        return Pick<std::string>({"press ", "move ", "release "}) +
               RandomPoint();
    }
  }

 private:
  int Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng_);
  }

  template <typename T>
  T Pick(std::initializer_list<T> choices) {
    return *(choices.begin() +
             Uniform(0, static_cast<int>(choices.size()) - 1));
  }

  static std::vector<Control> VisibleControls(const json& dump) {
    std::vector<Control> controls;
    if (!dump.contains("controls")) return controls;
    for (const json& c : dump["controls"]) {
      if (!c.value("visible", false) || !c.contains("rect")) continue;
      const json& r = c["rect"];
      if (r[2].get<int>() <= 0 || r[3].get<int>() <= 0) continue;
      controls.push_back(Control{c.value("id", 0), c.value("kind", ""),
                                 r[0].get<int>(), r[1].get<int>(),
                                 r[2].get<int>(), r[3].get<int>()});
    }
    return controls;
  }

  std::string RandomPoint() {
    // Now and then a point off the screen.
    if (Uniform(0, 19) == 0) {
      return std::to_string(Uniform(-50, width_ + 50)) + " " +
             std::to_string(Uniform(-50, height_ + 50));
    }
    return std::to_string(Uniform(0, width_ - 1)) + " " +
           std::to_string(Uniform(0, height_ - 1));
  }

  std::string InsideControl(const std::vector<Control>& controls) {
    const Control& c =
        controls[Uniform(0, static_cast<int>(controls.size()) - 1)];
    return std::to_string(c.x + Uniform(0, c.w - 1)) + " " +
           std::to_string(c.y + Uniform(0, c.h - 1));
  }

  std::string TapControl(const std::vector<Control>& controls) {
    // Ids may repeat in a dialog; "click" takes the first visible one, a
    // tap inside reaches the others too.
    if (Uniform(0, 2) == 0) return "tap " + InsideControl(controls);
    const Control& c =
        controls[Uniform(0, static_cast<int>(controls.size()) - 1)];
    return "click " + std::to_string(c.id);
  }

  std::string Drag(const std::vector<Control>& controls) {
    const std::string from = controls.empty() || Uniform(0, 1) == 0
                                 ? RandomPoint()
                                 : InsideControl(controls);
    const int steps = Pick<int>({1, 2, 5, 10, 20});
    return "drag " + from + " " + RandomPoint() + " " + std::to_string(steps);
  }

  // A drag that starts below the result panel, where the wheels are: mostly
  // sideways as a user turns a wheel, now and then wandering anywhere.
  std::string WheelDrag() {
    const int x = Uniform(0, width_ - 1);
    const int y = Uniform(height_ * 3 / 10, height_ * 8 / 10);
    const std::string to = Uniform(0, 3) == 0
                               ? RandomPoint()
                               : std::to_string(Uniform(-20, width_ + 20)) +
                                     " " + std::to_string(y + Uniform(-15, 15));
    const int steps = Pick<int>({1, 2, 5, 10, 20});
    return "drag " + std::to_string(x) + " " + std::to_string(y) + " " + to +
           " " + std::to_string(steps);
  }

  std::string RandomText() {
    // Numbers as users type them, and the inputs number parsing must refuse.
    static const char* const kTexts[] = {"35",
                                         "2.8",
                                         "0.019",
                                         "18",
                                         "55",
                                         "-0",
                                         "0",
                                         "nan",
                                         "inf",
                                         "1e400",
                                         "0x10",
                                         "   ",
                                         "1.5.5",
                                         "12,5",
                                         "e5",
                                         "-3",
                                         "999999999999999999999999",
                                         "Canon",
                                         "\\n",
                                         "é€",
                                         "f/2.8",
                                         "0.0000001"};
    if (Uniform(0, 3) == 0) {
      std::string text;
      const int length = Uniform(1, 40);
      for (int i = 0; i < length; ++i) {
        text += static_cast<char>(Uniform(32, 126));
      }
      return text;
    }
    return kTexts[Uniform(0, std::size(kTexts) - 1)];
  }

  std::mt19937_64 rng_;
  int width_;
  int height_;
};

// ---------------------------------------------------------------------------

struct SessionResult {
  long events = 0;
  int status = 0;
  bool ended_by_program = false;
};

// How many events each dialog received: shows how deep the runs went.
using DialogCounts = std::map<std::string, long>;

SessionResult RunSession(const Settings& settings, const fs::path& folder,
                         const fs::path& script_path, const fs::path& log,
                         EventPicker& picker, long budget,
                         DialogCounts* visits) {
  std::ofstream script(script_path);
  DriverProcess driver(settings.driver, folder, settings.screen, log);
  SessionResult result;
  while (result.events < budget) {
    script << "dump\n";
    const json dump = driver.Dump();
    if (dump.is_discarded()) {
      result.ended_by_program = true;
      break;
    }
    ++(*visits)[dump.value("dialog", "?")];
    const std::string event = picker.Next(dump);
    script << event << "\n";
    script.flush();
    ++result.events;
    if (!driver.Send(event)) {
      result.ended_by_program = true;
      break;
    }
  }
  if (!result.ended_by_program) {
    script << "close\n";
    driver.Send("close");
  }
  result.status = driver.Finish();
  return result;
}

int Run(const Settings& settings) {
  std::cout << "zv_monkey: seed " << settings.seed << " (replay with --seed "
            << settings.seed << "), " << settings.events << " events from "
            << settings.data << " data" << std::endl;
  const fs::path work =
      settings.keep.empty()
          ? fs::temp_directory_path() /
                ("zorvanel-monkey-" + std::to_string(::getpid()))
          : fs::path(settings.keep);
  fs::remove_all(work);
  const fs::path folder = work / "folder";
  fs::create_directories(folder);
  if (!settings.shipped.empty()) {
    for (const char* name : {"CameraDB.ptb", "Translation.lang"}) {
      const fs::path from = fs::path(settings.shipped) / name;
      if (fs::exists(from)) fs::copy_file(from, folder / name);
    }
  }
  if (settings.data == "full") {
    std::ofstream(folder / kDataFile, std::ios::binary)
        << FullData().SerializeAsString();
  }

  int width = 480, height = 640;
  std::sscanf(settings.screen.c_str(), "%dx%d", &width, &height);
  EventPicker picker(settings.seed, width, height);
  long done = 0;
  DialogCounts visits;
  for (int session = 1; done < settings.events; ++session) {
    const fs::path script =
        work / ("session-" + std::to_string(session) + ".zvs");
    const fs::path log = work / ("session-" + std::to_string(session) + ".log");
    const SessionResult result =
        RunSession(settings, folder, script, log, picker,
                   std::min(settings.session, settings.events - done), &visits);
    done += result.events;
    std::string problem;
    if (result.status != 0) {
      problem = "the driver ended with status " + std::to_string(result.status);
    } else {
      problem = CheckSavedData(folder / kDataFile);
    }
    if (!problem.empty()) {
      std::cout << "zv_monkey: FAILED in session " << session << " after "
                << done << " events: " << problem << "\n  seed "
                << settings.seed << "\n  script " << script << "\n  stderr "
                << log << "\n  folder " << folder << std::endl;
      std::ifstream errors(log);
      std::cout << errors.rdbuf() << std::endl;
      return 1;
    }
    // A run that saves must leave the file behind it, nothing else.
    fs::remove(log);
    if (settings.keep.empty()) fs::remove(script);
    if (session % 10 == 0 || done >= settings.events) {
      std::cout << "zv_monkey: " << done << " events, " << session << " runs"
                << std::endl;
    }
  }
  if (settings.keep.empty()) fs::remove_all(work);
  std::cout << "zv_monkey: events per dialog:";
  for (const auto& [dialog, count] : visits) {
    std::cout << " " << dialog << " " << count;
  }
  std::cout << "\nzv_monkey: passed" << std::endl;
  return 0;
}

}  // namespace
}  // namespace zorvanel::monkey

int main(int argc, char** argv) {
  ::signal(SIGPIPE, SIG_IGN);
  try {
    return zorvanel::monkey::Run(zorvanel::monkey::ParseArgs(argc, argv));
  } catch (const std::exception& e) {
    std::cerr << "zv_monkey: " << e.what() << "\n";
    return 1;
  }
}
