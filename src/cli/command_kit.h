// What a command works on: the user's camera and lens, read from the data
// file without taking the program's lock and without writing anything.
#ifndef ZORVANEL_CLI_COMMAND_KIT_H_
#define ZORVANEL_CLI_COMMAND_KIT_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_args.h"
#include "data/zorvanel.pb.h"
#include "optics/units.h"
#include "optics/value_insertion.h"
#include "platform/status.h"

namespace zorvanel {

// The camera and lens a command computes for, copied out of the user's data,
// with the settings in force.
struct CommandKit {
  Camera camera;
  Lens lens;
  Options options;
  double coc_mm = 0;
  UnitSystem units = kMetric;
};

// Reads the user's data file where the window program finds it (from
// `executable_folder` and --folder), loads the language file and selects
// the language, and picks the camera, the lens, the circle of confusion and
// the units the options ask for. The data file is only read: nothing is
// locked, made or written. A one-line reason when the folder, the data
// file, a name, the language or the circle of confusion will not do.
Expected<CommandKit> LoadCommandKit(const CommandArgs& args,
                                    const std::string& executable_folder);

// The index of the name `wanted` names among `names`, ignoring case: the
// name itself, else the only name that holds it. A one-line reason naming
// the close matches when none or several do; `what` names the list
// ("camera").
Expected<int> FindNamed(std::span<const std::string> names,
                        std::string_view wanted, std::string_view what);

// The values of a comma-separated list given for option `option`, each
// typed as in the program's own entries ("f/8", "35 mm"; a distance in the
// unit of `units`), in stored units. A reason naming the first entry that is
// not an acceptable value of `kind`.
Expected<std::vector<double>> ReadValueList(std::string_view option,
                                            std::string_view text,
                                            ValueKind kind, UnitSystem units);

}  // namespace zorvanel

#endif  // ZORVANEL_CLI_COMMAND_KIT_H_
