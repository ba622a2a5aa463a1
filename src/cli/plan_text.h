// The plan of a shot (where to focus, at what f-number, or a focus stack) as
// text for a terminal and as CSV for a spreadsheet.
#ifndef ZORVANEL_CLI_PLAN_TEXT_H_
#define ZORVANEL_CLI_PLAN_TEXT_H_

#include <string>

#include "cli/command_kit.h"
#include "optics/focus_plan.h"

namespace zorvanel {

// What a plan was asked for: sharp from near_m to far_m (metres; negative
// for infinity) at focal length focal_mm.
struct PlanRequest {
  double focal_mm = 0;
  double near_m = 0;
  double far_m = -1;
};

// The kit's lines, the focal length, the zone wanted, then the answer: the
// focus distance and the f-number needed, the lens's f-number to set with
// the limits it gives (marked '*' at or past the diffraction limit), or why
// it cannot be done; and the focus stack, one line per shot, when one is
// offered. Distances as the main screen prints them, "∞" for infinity.
std::string FormatPlanText(const CommandKit& kit, const PlanRequest& request,
                           const FocusPlan& plan);

// One header row, then rows of kind "wanted" (the zone asked for),
// "needed" (the exact focus distance and f-number), "set" (the lens's
// f-number as entered and the limits it gives), "diffraction" (the limit),
// "shot" (each picture of a stack, numbered, at the stack's f-number as
// entered) and "problem" (why it cannot be done: near_inside_focal,
// near_not_before_far, beyond_narrowest, stack_too_long, undefined), each
// with the rows' columns it has; numbers plain, distances in metres, empty
// for infinity.
std::string FormatPlanCsv(const PlanRequest& request, const FocusPlan& plan);

}  // namespace zorvanel

#endif  // ZORVANEL_CLI_PLAN_TEXT_H_
