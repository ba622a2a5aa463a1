// Where to focus, and at what f-number, for a wanted zone of sharpness.
#ifndef ZORVANEL_OPTICS_FOCUS_PLAN_H_
#define ZORVANEL_OPTICS_FOCUS_PLAN_H_

#include <optional>
#include <span>
#include <vector>

#include "optics/value.h"

namespace zorvanel {

// Why a plan offers no single picture.
enum class PlanProblem {
  kNone,
  // Nothing to compute with: no focal length or no circle of confusion.
  kUndefined,
  // The near limit wanted is at or inside the focal length.
  kNearInsideFocal,
  // The near limit wanted is not nearer than the far limit wanted.
  kNearNotBeforeFar,
  // The lens's narrowest aperture is wider than the f-number needed.
  kBeyondNarrowest,
};

// One picture: where it is focused and the near and far limits it gives, in
// metres, as ComputeDepthOfField gives them (a far limit at infinity is
// negative; a focus at infinity too).
struct PlannedShot {
  double focus_m = kNoValue;
  double near_m = kNoValue;
  double far_m = kNoValue;
};

// Pictures to stack: all taken at one aperture of the lens, from the near
// limit wanted to the far limit wanted, each one's near limit at or before
// the previous one's far limit.
struct FocusStack {
  int aperture_index = -1;     // in the lens's aperture list
  double f_number = kNoValue;  // as entered
  double real_f_number = kNoValue;
  std::vector<PlannedShot> shots;
};

// Everything a plan shows. Numbers that cannot be true are kNoValue.
struct FocusPlan {
  PlanProblem problem = PlanProblem::kNone;
  // The exact answer: the focus distance (metres) and the f-number at which
  // the near and far limits are exactly the ones wanted.
  double focus_m = kNoValue;
  double needed_f = kNoValue;
  // The lens's aperture to set: the widest whose real f-number is at or
  // above the needed one; -1 when there is none.
  int set_index = -1;
  double set_f = kNoValue;  // as entered
  double set_real_f = kNoValue;
  // The limits that aperture gives at focus_m (metres; far negative for
  // infinity).
  double set_near_m = kNoValue;
  double set_far_m = kNoValue;
  // The f-number from which diffraction softens the picture, and whether the
  // aperture to set is there.
  double diffraction_f = kNoValue;
  bool diffraction = false;
  // Offered when the aperture to set is past the diffraction limit, or when
  // the lens has none narrow enough: at the lens's narrowest aperture below
  // the diffraction limit.
  std::optional<FocusStack> stack;
  // A stack was wanted but would take more than kMostStackShots pictures.
  bool stack_too_long = false;
};

// The most pictures a stack may take.
inline constexpr int kMostStackShots = 200;

// The plan for a lens of focal length `focal_mm` whose apertures are the
// entered f-numbers `apertures`, on a camera with circle of confusion
// `coc_mm`, for sharpness from `near_m` to `far_m` (metres; a negative far
// limit is infinity). It inverts the depth-of-field formulas exactly:
// focused at focus_m and stopped down to needed_f, ComputeDepthOfField gives
// back the near and far limits wanted.
FocusPlan PlanFocus(double focal_mm, double coc_mm,
                    std::span<const double> apertures, double near_m,
                    double far_m);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_FOCUS_PLAN_H_
