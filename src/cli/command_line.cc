// `zorvanel table` and `zorvanel plan`: from the command line to the output,
// without a window.
#include "cli/command_line.h"

#include <strings.h>
#include <time.h>

#include <ostream>
#include <vector>

#include "cli/command_args.h"
#include "cli/command_kit.h"
#include "cli/dof_table.h"
#include "cli/plan_text.h"
#include "cli/table_card.h"
#include "cli/table_text.h"
#include "data/message_file.h"
#include "mainscreen/wheel_readings.h"
#include "optics/focus_plan.h"
#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

std::string Today() {
  const time_t now = time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  char text[16];
  strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

// The option's values, or the lens's own list.
Expected<std::vector<double>> ListOr(const std::optional<std::string>& given,
                                     std::string_view option, ValueKind kind,
                                     const CommandKit& kit,
                                     std::vector<double> own) {
  if (!given) return own;
  return ReadValueList(option, *given, kind, kit.units);
}

template <typename List>
std::vector<double> Values(const List& list) {
  return std::vector<double>(list.begin(), list.end());
}

Expected<std::string> MakeTable(const CommandArgs& args,
                                const CommandKit& kit) {
  const Expected<std::vector<double>> focals = ListOr(
      args.focal, "--focal", ValueKind::kFocal, kit, Values(kit.lens.focals()));
  if (!focals.ok()) return focals.status();
  const Expected<std::vector<double>> apertures =
      ListOr(args.apertures, "--apertures", ValueKind::kAperture, kit,
             TableApertures(Values(kit.lens.apertures()), args.all_stops));
  if (!apertures.ok()) return apertures.status();
  const Expected<std::vector<double>> distances =
      ListOr(args.distances, "--distances", ValueKind::kDistance, kit,
             Values(kit.lens.distances()));
  if (!distances.ok()) return distances.status();
  if (focals->empty()) {
    return Status::Failure("the lens has no focal length: give --focal");
  }
  if (apertures->empty()) {
    return Status::Failure("the lens has no f-number: give --apertures");
  }
  std::vector<DofTable> tables;
  for (double focal : *focals) {
    tables.push_back(BuildDofTable(focal, *apertures, *distances, kit.coc_mm));
  }
  switch (args.format) {
    case OutputFormat::kText:
      return FormatTableText(kit, tables);
    case OutputFormat::kCsv:
      return FormatTableCsv(kit, tables);
    case OutputFormat::kPdf:
      break;
  }
  return DrawTableCard(kit, tables, args.paper, Today());
}

// The one value given for `option`.
Expected<double> ReadOne(std::string_view option, std::string_view text,
                         ValueKind kind, UnitSystem units) {
  const Expected<std::vector<double>> values =
      ReadValueList(option, text, kind, units);
  if (!values.ok()) return values.status();
  if (values->size() != 1) {
    return Status::Failure(std::string(option) + " takes one value");
  }
  return values->front();
}

// A far limit: a distance, or infinity (stored negative).
Expected<double> ReadFar(std::string_view text, UnitSystem units) {
  for (const char* infinity : {"inf", "infinity", kInfinitySign}) {
    if (strcasecmp(std::string(text).c_str(), infinity) == 0) return -1.0;
  }
  return ReadOne("--far", text, ValueKind::kDistance, units);
}

// The focal length given, else the one the main screen's wheel stands on.
Expected<double> PlanFocal(const CommandArgs& args, const CommandKit& kit) {
  if (args.focal) {
    return ReadOne("--focal", *args.focal, ValueKind::kFocal, kit.units);
  }
  const std::optional<FocalValue> focal = FocalAt(
      kit.lens,
      static_cast<float>(StoredWheelPercent(kit.options.focal_wheel())));
  if (!focal) {
    return Status::Failure("the lens has no focal length: give --focal");
  }
  return focal->GetValue();
}

Expected<std::string> MakePlan(const CommandArgs& args, const CommandKit& kit) {
  PlanRequest request;
  const Expected<double> focal = PlanFocal(args, kit);
  if (!focal.ok()) return focal.status();
  request.focal_mm = *focal;
  const Expected<double> near =
      ReadOne("--near", *args.near, ValueKind::kDistance, kit.units);
  if (!near.ok()) return near.status();
  request.near_m = *near;
  if (args.far) {
    const Expected<double> far = ReadFar(*args.far, kit.units);
    if (!far.ok()) return far.status();
    request.far_m = *far;
  }
  const FocusPlan plan =
      PlanFocus(request.focal_mm, kit.coc_mm, Values(kit.lens.apertures()),
                request.near_m, request.far_m);
  return args.format == OutputFormat::kCsv ? FormatPlanCsv(request, plan)
                                           : FormatPlanText(kit, request, plan);
}

Expected<std::string> Run(const CommandArgs& args,
                          const std::string& executable_folder) {
  const Expected<CommandKit> kit = LoadCommandKit(args, executable_folder);
  if (!kit.ok()) return kit.status();
  return args.command == Command::kTable ? MakeTable(args, *kit)
                                         : MakePlan(args, *kit);
}

}  // namespace

bool IsCommandLine(int argc, const char* const* argv) {
  return argc > 1 && CommandNamed(argv[1]).has_value();
}

int RunCommandLine(int argc, const char* const* argv,
                   const std::string& executable_folder, std::ostream& out,
                   std::ostream& err) {
  const Expected<CommandArgs> args = ParseCommandArgs(argc, argv);
  if (!args.ok()) {
    err << "zorvanel: " << args.status().Reason() << "\n";
    return kCommandFailed;
  }
  if (args->help) {
    out << CommandHelp(args->command);
    return kCommandDone;
  }
  const Expected<std::string> made = Run(*args, executable_folder);
  if (!made.ok()) {
    err << "zorvanel: " << made.status().Reason() << "\n";
    return kCommandFailed;
  }
  if (args->output.empty()) {
    out << *made << std::flush;
    return out ? kCommandDone : kCommandFailed;
  }
  if (Status saved = SaveBytesFile(*made, args->output); !saved.ok()) {
    err << "zorvanel: cannot write " << args->output << ": " << saved.Reason()
        << "\n";
    return kCommandFailed;
  }
  return kCommandDone;
}

}  // namespace zorvanel
