// Where to focus, and at what f-number, for a wanted zone of sharpness.
#include "optics/focus_plan.h"

#include <cmath>

#include "optics/depth_of_field.h"
#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

// A shot's focus computed exactly may still give a near limit a rounding
// step beyond the one wanted; it is moved nearer by this many steps at most.
constexpr int kMostNudges = 64;

bool Defined(double x) { return std::isfinite(x); }

// The real f-number of aperture entry `index`, kNoValue when it is not one.
double RealFNumber(std::span<const double> apertures, size_t index) {
  const double real = WheelAperture(apertures[index]).GetValue();
  return real > 0.0 ? real : kNoValue;
}

// The widest aperture whose real f-number is at or above `needed`; -1 for
// none.
int WidestAtOrAbove(std::span<const double> apertures, double needed) {
  int found = -1;
  for (size_t i = 0; i < apertures.size(); ++i) {
    const double real = RealFNumber(apertures, i);
    if (real >= needed && (found < 0 || real < RealFNumber(apertures, found))) {
      found = static_cast<int>(i);
    }
  }
  return found;
}

// The narrowest aperture whose real f-number is below `limit`; -1 for none.
int NarrowestBelow(std::span<const double> apertures, double limit) {
  int found = -1;
  for (size_t i = 0; i < apertures.size(); ++i) {
    const double real = RealFNumber(apertures, i);
    if (real < limit && (found < 0 || real > RealFNumber(apertures, found))) {
      found = static_cast<int>(i);
    }
  }
  return found;
}

PlannedShot ShotAt(double focal_mm, double f_number, double coc_mm,
                   double focus_m) {
  const DepthOfField dof =
      ComputeDepthOfField(focal_mm, f_number, coc_mm, focus_m);
  return PlannedShot{focus_m, dof.near_limit.GetValue(),
                     dof.far_limit.GetValue()};
}

// The shot whose near limit is `near_m`, or a rounding step nearer. No near
// limit passes H - f (focused at infinity); for one at or beyond it, the
// shot is focused at the hyperfocal distance H, whose near limit is H / 2
// and whose far limit is infinite.
PlannedShot ShotFrom(double focal_mm, double f_number, double coc_mm,
                     double near_m) {
  const double f = focal_mm;
  // As ComputeDepthOfField forms them.
  const double h = f * f / (f_number * coc_mm) + f;
  const double k = h - f;
  const double n = near_m * 1000.0;
  if (n >= k) return ShotAt(f, f_number, coc_mm, h * 0.001);
  // near = s k / (k + s - f), solved for s.
  double focus_m = n * (k - f) / (k - n) * 0.001;
  PlannedShot shot = ShotAt(f, f_number, coc_mm, focus_m);
  for (int i = 0; i < kMostNudges && shot.near_m > near_m; ++i) {
    focus_m = std::nextafter(focus_m, 0.0);
    shot = ShotAt(f, f_number, coc_mm, focus_m);
  }
  return shot;
}

// The fewest shots at `f_number` from near_m to far_m: each is focused so
// that its near limit is the previous one's far limit, which leaves no gap
// and reaches farthest. Empty when that takes more than kMostStackShots.
std::vector<PlannedShot> StackShots(double focal_mm, double f_number,
                                    double coc_mm, double near_m,
                                    double far_m) {
  std::vector<PlannedShot> shots;
  double from_m = near_m;
  while (static_cast<int>(shots.size()) < kMostStackShots) {
    const PlannedShot shot = ShotFrom(focal_mm, f_number, coc_mm, from_m);
    shots.push_back(shot);
    if (shot.far_m < 0.0 || (far_m >= 0.0 && shot.far_m >= far_m)) {
      return shots;
    }
    from_m = shot.far_m;
  }
  return {};
}

PlanProblem ProblemOf(double focal_mm, double coc_mm, double near_m,
                      double far_m) {
  if (!(focal_mm > 0.0) || !(coc_mm > 0.0) || !Defined(focal_mm) ||
      !Defined(coc_mm) || !Defined(near_m) || !Defined(far_m)) {
    return PlanProblem::kUndefined;
  }
  // Infinity is stored negative.
  if (near_m < 0.0) return PlanProblem::kNearNotBeforeFar;
  if (near_m * 1000.0 <= focal_mm) return PlanProblem::kNearInsideFocal;
  if (far_m >= 0.0 && far_m <= near_m) return PlanProblem::kNearNotBeforeFar;
  return PlanProblem::kNone;
}

void OfferStack(double focal_mm, double coc_mm,
                std::span<const double> apertures, double near_m, double far_m,
                FocusPlan* plan) {
  const int index = NarrowestBelow(apertures, plan->diffraction_f);
  if (index < 0) return;
  FocusStack stack;
  stack.aperture_index = index;
  stack.f_number = apertures[index];
  stack.real_f_number = RealFNumber(apertures, index);
  stack.shots =
      StackShots(focal_mm, stack.real_f_number, coc_mm, near_m, far_m);
  if (stack.shots.empty()) {
    plan->stack_too_long = true;
    return;
  }
  plan->stack = std::move(stack);
}

}  // namespace

FocusPlan PlanFocus(double focal_mm, double coc_mm,
                    std::span<const double> apertures, double near_m,
                    double far_m) {
  FocusPlan plan;
  plan.problem = ProblemOf(focal_mm, coc_mm, near_m, far_m);
  if (plan.problem != PlanProblem::kNone) return plan;
  const double f = focal_mm;
  const double c = coc_mm;
  const double dn = near_m * 1000.0;
  double s = 0.0;
  if (far_m < 0.0) {
    s = 2.0 * dn;
    plan.needed_f = f * f / (c * (2.0 * dn - f));
  } else {
    const double df = far_m * 1000.0;
    s = 2.0 * dn * df / (dn + df);
    plan.needed_f = f * f * s * (df - dn) / (2.0 * c * (s - f) * dn * df);
  }
  plan.focus_m = s * 0.001;
  plan.diffraction_f = DiffractionLimit(c);

  plan.set_index = WidestAtOrAbove(apertures, plan.needed_f);
  if (plan.set_index >= 0) {
    plan.set_f = apertures[plan.set_index];
    plan.set_real_f = RealFNumber(apertures, plan.set_index);
    const PlannedShot at_set = ShotAt(f, plan.set_real_f, c, plan.focus_m);
    plan.set_near_m = at_set.near_m;
    plan.set_far_m = at_set.far_m;
    plan.diffraction = plan.set_real_f >= plan.diffraction_f;
  } else if (!apertures.empty()) {
    plan.problem = PlanProblem::kBeyondNarrowest;
  }
  if (plan.problem == PlanProblem::kBeyondNarrowest || plan.diffraction) {
    OfferStack(f, c, apertures, near_m, far_m, &plan);
  }
  return plan;
}

}  // namespace zorvanel
