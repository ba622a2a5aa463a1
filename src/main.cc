// The desktop program: Zorvanel in a window of its own.
//
//   zorvanel [--screen WxH] [--folder DIR] [--help]
//   zorvanel table|plan [OPTIONS]
//
// --screen gives the window's inside size (default: where the window was when
// the program last ended, else the largest multiple of the 480 x 640
// reference screen that fits the display); --folder is where the data files
// live (default: see ResolveProgramFolders); --help lists them. The
// commands print a depth-of-field table or a plan and end, with no window.

#include <iostream>
#include <memory>
#include <string>

#include "app/paths.h"
#include "app/program_args.h"
#include "app/zorvanel_app.h"
#include "cli/command_args.h"
#include "cli/command_line.h"
#include "platform/sdl_backend.h"
#include "platform/shell.h"

int main(int argc, char** argv) {
  using namespace zorvanel;
  if (IsCommandLine(argc, argv)) {
    return RunCommandLine(argc, argv, ExecutableFolder(), std::cout, std::cerr);
  }
  const Expected<ProgramArgs> parsed = ParseProgramArgs(argc, argv);
  if (!parsed.ok()) {
    std::cerr << "zorvanel: " << parsed.status().Reason() << "\n"
              << ProgramUsage();
    return 2;
  }
  const ProgramArgs& args = *parsed;
  if (args.help) {
    std::cout << ProgramHelp(CommandsSummary());
    return 0;
  }
  if (!args.folder.empty()) {
    if (const Status folder = CheckDataFolder(args.folder); !folder.ok()) {
      std::cerr << "zorvanel: " << folder.Reason() << "\n";
      return 2;
    }
  }
  Size screen = SdlBackend::PickScreenSize();
  if (args.screen) {
    std::string note;
    screen = SdlBackend::FitToDisplay(*args.screen, &note);
    if (!note.empty()) std::cerr << "zorvanel: " << note << "\n";
  }
  Expected<std::unique_ptr<SdlBackend>> backend = SdlBackend::Create(screen);
  if (!backend.ok()) {
    std::cerr << "zorvanel: no display available ("
              << backend.status().Reason()
              << "); run the program headless with zorvanel-drive\n";
    return 1;
  }
  Shell shell(std::move(*backend));
  CZorvanelApp app(ResolveProgramFolders(ExecutableFolder(), args.folder));
  // A size asked for wins over the one the window had last time.
  app.set_restore_window(!args.screen);
  // Without a display nothing can be asked any more: what is in memory is
  // written as it is.
  SdlBackend::SetDisplayLostHandler([&app] { return app.SaveWithoutAsking(); });
  const int status = app.Run();
  // The window closes after the program has saved and ended: a display lost
  // while it closes has nothing left to save.
  SdlBackend::SetDisplayLostHandler([status] { return status; });
  return status;
}
