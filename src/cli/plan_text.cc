// The plan of a shot (where to focus, at what f-number, or a focus stack) as
// text for a terminal and as CSV for a spreadsheet.
#include "cli/plan_text.h"

#include <cmath>
#include <vector>

#include "cli/table_text.h"
#include "i18n/translated_string.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"

namespace zorvanel {
namespace {

std::string Limits(double near_m, double far_m, UnitSystem units) {
  DepthOfField dof;
  dof.near_limit.SetValue(near_m);
  dof.far_limit.SetValue(far_m);
  return LimitsText(dof, units);
}

std::string FNumber(double f) { return "f/" + FormatFixed(f, 1); }

// Why the plan offers no picture to take, or no stack; empty when it does.
std::string ProblemText(const FocusPlan& plan) {
  switch (plan.problem) {
    case PlanProblem::kUndefined:
      return Translate(UiText("No focal length or circle of confusion."));
    case PlanProblem::kNearInsideFocal:
      return Translate(
          UiText("The near limit must be farther than the focal length."));
    case PlanProblem::kNearNotBeforeFar:
      return Translate(
          UiText("The near limit must be nearer than the far limit."));
    case PlanProblem::kBeyondNarrowest:
      return Tr(UiText("The lens does not stop down to %1."),
                FNumber(plan.needed_f));
    case PlanProblem::kNone:
      break;
  }
  return plan.stack_too_long
             ? Tr(UiText("A focus stack would take more than %1 shots."),
                  std::to_string(kMostStackShots))
             : "";
}

std::string ProblemCode(const FocusPlan& plan) {
  switch (plan.problem) {
    case PlanProblem::kUndefined:
      return "undefined";
    case PlanProblem::kNearInsideFocal:
      return "near_inside_focal";
    case PlanProblem::kNearNotBeforeFar:
      return "near_not_before_far";
    case PlanProblem::kBeyondNarrowest:
      return "beyond_narrowest";
    case PlanProblem::kNone:
      break;
  }
  return plan.stack_too_long ? "stack_too_long" : "";
}

std::string StackText(const FocusStack& stack, UnitSystem units) {
  std::string out = Tr(UiText("Focus stack at %1: %2 shots"),
                       Format(ApertureValue(stack.f_number)),
                       std::to_string(stack.shots.size())) +
                    "\n";
  for (size_t i = 0; i < stack.shots.size(); ++i) {
    const PlannedShot& shot = stack.shots[i];
    out += "  " + std::to_string(i + 1) + ". " +
           Tr(UiText("Focus at %1"),
              LimitText(DistanceValue(shot.focus_m), units)) +
           ": " + Limits(shot.near_m, shot.far_m, units) + "\n";
  }
  return out;
}

}  // namespace

std::string FormatPlanText(const CommandKit& kit, const PlanRequest& request,
                           const FocusPlan& plan) {
  const UnitSystem units = kit.units;
  std::string out;
  for (const std::string& line : KitLines(kit)) out += line + "\n";
  out += "\n" + Translate(UiText("Focal:")) + " " +
         FormatWithEquivalent(FocalValue(request.focal_mm),
                              kit.camera.focal_multiplier()) +
         "\n";
  out += Tr(UiText("Sharp from %1 to %2"),
            LimitText(DistanceValue(request.near_m), units),
            LimitText(DistanceValue(request.far_m), units)) +
         "\n";
  if (std::isfinite(plan.focus_m)) {
    out += Tr(UiText("Focus at %1"),
              LimitText(DistanceValue(plan.focus_m), units)) +
           "\n" + Tr(UiText("Needed: %1"), FNumber(plan.needed_f)) + "\n";
  }
  if (plan.set_index >= 0) {
    out += Tr(UiText("Set: %1"), Format(ApertureValue(plan.set_f))) +
           (plan.diffraction ? "*" : "") + ": " +
           Limits(plan.set_near_m, plan.set_far_m, units) + "\n";
  }
  if (const std::string problem = ProblemText(plan); !problem.empty()) {
    out += problem + "\n";
  }
  if (plan.stack) out += StackText(*plan.stack, units);
  if (std::isfinite(plan.diffraction_f)) {
    out += (plan.diffraction ? "* " : "") +
           Tr(UiText("Diffraction from f/%1"),
              FormatFixed(plan.diffraction_f, 1)) +
           "\n";
  }
  return out;
}

std::string FormatPlanCsv(const PlanRequest& request, const FocusPlan& plan) {
  std::vector<std::vector<std::string>> rows = {
      {"kind", "shot", "focal_mm", "f_number", "focus_m", "near_m", "far_m",
       "problem"},
      {"wanted", "", PlainNumber(request.focal_mm), "", "",
       Metres(request.near_m), Metres(request.far_m), ""}};
  const std::string focal = PlainNumber(request.focal_mm);
  if (std::isfinite(plan.focus_m)) {
    rows.push_back({"needed", "", focal, PlainNumber(plan.needed_f),
                    Metres(plan.focus_m), Metres(request.near_m),
                    Metres(request.far_m), ""});
  }
  if (plan.set_index >= 0) {
    rows.push_back({"set", "", focal, PlainNumber(plan.set_f),
                    Metres(plan.focus_m), Metres(plan.set_near_m),
                    Metres(plan.set_far_m), ""});
  }
  if (std::isfinite(plan.diffraction_f)) {
    rows.push_back({"diffraction", "", focal, PlainNumber(plan.diffraction_f),
                    "", "", "", ""});
  }
  if (plan.stack) {
    for (size_t i = 0; i < plan.stack->shots.size(); ++i) {
      const PlannedShot& shot = plan.stack->shots[i];
      rows.push_back({"shot", std::to_string(i + 1), focal,
                      PlainNumber(plan.stack->f_number), Metres(shot.focus_m),
                      Metres(shot.near_m), Metres(shot.far_m), ""});
    }
  }
  if (const std::string code = ProblemCode(plan); !code.empty()) {
    rows.push_back({"problem", "", focal, "", "", "", "", code});
  }
  std::string out;
  for (const auto& row : rows) out += CsvRow(row);
  return out;
}

}  // namespace zorvanel
