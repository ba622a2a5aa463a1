// zorvanel-drive: the real program, headless, driven by a script.
//
//   zorvanel-drive [--screen WxH] [--folder DIR] [SCRIPT]
//
// It runs exactly what the desktop program runs, on a virtual screen whose
// events come from the script (stdin when no SCRIPT is given).

#include <iostream>
#include <string>

#include "app/paths.h"
#include "app/zorvanel_app.h"
#include "drive/driver.h"

int main(int argc, char** argv) {
  using namespace zorvanel;
  const Expected<DriverOptions> options = ParseDriverArgs(argc, argv);
  if (!options.ok()) {
    std::cerr << "zorvanel-drive: " << options.status().Reason() << "\n"
              << DriverUsage() << "\n";
    return 2;
  }
  if (const Status folder = CheckDataFolder(options->folder); !folder.ok()) {
    std::cerr << "zorvanel-drive: " << folder.Reason() << "\n";
    return 2;
  }
  return RunDriver(*options, [&options] {
    CZorvanelApp app(ProgramFolders{options->folder, options->folder});
    return app.Run();
  });
}
