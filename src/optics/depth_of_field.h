// The depth-of-field formulas: hyperfocal distance, near and far limits.
#ifndef ZORVANEL_OPTICS_DEPTH_OF_FIELD_H_
#define ZORVANEL_OPTICS_DEPTH_OF_FIELD_H_

#include "data/zorvanel.pb.h"
#include "optics/value.h"

namespace zorvanel {

// The four results for one setting of lens and camera, in metres. A far limit
// at infinity is negative (-1.0, or any negative number when focused beyond
// the hyperfocal distance), and so is the depth of field then. All four are
// kNoValue when the focal length, the f-number or the circle of confusion is
// not above 0; near and far limit and depth of field also when focused at or
// inside the focal length (or at no distance at all). Focused at infinity,
// the depth of field is -1.0.
struct DepthOfField {
  DistanceValue hyperfocal{kNoValue};
  DistanceValue near_limit{kNoValue};
  DistanceValue far_limit{kNoValue};
  DistanceValue depth_of_field{kNoValue};
};

// The results for focal length `focal_mm`, real f-number `f_number`, circle
// of confusion `coc_mm` and focus distance `focus_m`. Focused at infinity
// (a negative distance) the near limit is the hyperfocal distance less the
// focal length, and the far limit and the depth of field are infinite.
DepthOfField ComputeDepthOfField(double focal_mm, double f_number,
                                 double coc_mm, double focus_m);

// The focal length a camera with this focal display multiplier shows for
// `focal_mm`: multiplied when the multiplier is above 0.001, else as it is.
// The optics always use the real focal length.
double DisplayedFocal(double focal_mm, double multiplier);

// The f-number from which the diffraction disc (2.44 x 0.00055 mm x N, for
// green light) is as large as the circle of confusion `coc_mm`: stopping
// down further softens the whole picture. kNoValue for a circle of
// confusion that is not above 0.
double DiffractionLimit(double coc_mm);

// The entry of a distance list to focus at for the hyperfocal distance
// `hyperfocal_m`: the smallest distance at or beyond it (infinity, stored
// negative, is beyond every distance), or the largest when none is. -1 for an
// empty list or an undefined hyperfocal distance.
int HyperfocalDistanceIndex(const Lens& lens, double hyperfocal_m);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_DEPTH_OF_FIELD_H_
