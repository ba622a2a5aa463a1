// The desktop program: Zorvanel in a window of its own.
//
//   zorvanel [--screen WxH] [--folder DIR] [--help]
//
// --screen fixes the window's client size (default: the largest multiple of the
// 480 x 640 reference screen that fits the display); --folder is where the data
// files live (default: see ResolveProgramFolders); --help lists them.

#include <iostream>
#include <memory>
#include <string>

#include "app/paths.h"
#include "app/program_args.h"
#include "app/zorvanel_app.h"
#include "platform/sdl_backend.h"
#include "platform/shell.h"

int main(int argc, char** argv) {
  using namespace zorvanel;
  const Expected<ProgramArgs> parsed = ParseProgramArgs(argc, argv);
  if (!parsed.ok()) {
    std::cerr << "zorvanel: " << parsed.status().Reason() << "\n"
              << ProgramUsage();
    return 2;
  }
  const ProgramArgs& args = *parsed;
  if (args.help) {
    std::cout << ProgramHelp();
    return 0;
  }
  if (!args.folder.empty()) {
    if (const Status folder = CheckDataFolder(args.folder); !folder.ok()) {
      std::cerr << "zorvanel: " << folder.Reason() << "\n";
      return 2;
    }
  }
  const Size screen = args.screen ? *args.screen : SdlBackend::PickScreenSize();
  Expected<std::unique_ptr<SdlBackend>> backend = SdlBackend::Create(screen);
  if (!backend.ok()) {
    std::cerr << "zorvanel: no display available; run the program headless "
                 "with zorvanel-drive\n";
    return 1;
  }
  Shell shell(std::move(*backend));
  CZorvanelApp app(ResolveProgramFolders(ExecutableFolder(), args.folder));
  // Without a display nothing can be asked any more: what is in memory is
  // written as it is.
  SdlBackend::SetDisplayLostHandler([&app] { return app.SaveWithoutAsking(); });
  return app.Run();
}
