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
  DriverOptions options;
  std::string error;
  if (!ParseDriverArgs(argc, argv, &options, &error)) {
    std::cerr << "zorvanel-drive: " << error << "\n" << DriverUsage() << "\n";
    return 2;
  }
  if (!CheckDataFolder(options.folder, &error)) {
    std::cerr << "zorvanel-drive: " << error << "\n";
    return 2;
  }
  return RunDriver(options, [&options] {
    CZorvanelApp app(ProgramFolders{options.folder, options.folder});
    return app.Run();
  });
}
