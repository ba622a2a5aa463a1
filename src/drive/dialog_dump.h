// The driver's "dump": the top dialog and its controls written as JSON.
#ifndef ZORVANEL_DRIVE_DIALOG_DUMP_H_
#define ZORVANEL_DRIVE_DIALOG_DUMP_H_

#include <nlohmann/json.hpp>

#include "platform/description.h"

namespace zorvanel {

class Shell;

// A description as a JSON object.
nlohmann::json ToJson(const Description& description);

// The script's "dump": the top dialog, its soft keys and every control under
// it, with what the windows add (see docs/DEVELOPING.md, "Driver").
nlohmann::json DumpTopDialog(const Shell& shell);

}  // namespace zorvanel

#endif  // ZORVANEL_DRIVE_DIALOG_DUMP_H_
