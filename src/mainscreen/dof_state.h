#ifndef ZORVANEL_MAINSCREEN_DOF_STATE_H_
#define ZORVANEL_MAINSCREEN_DOF_STATE_H_

#include <array>
#include <string>

#include "data/zorvanel.pb.h"
#include "optics/depth_of_field.h"
#include "optics/value.h"

namespace zorvanel {

// What the main screen shows: the three picked values as text, the results,
// and the focus distance (metres) and real f-number the results come from
// (kNoValue when nothing could be picked). Results hold kNoValue whenever a
// lens list is empty.
struct DofState : DepthOfField {
  std::string focal_text, aperture_text, distance_text;
  DistanceValue focus{kNoValue};
  double f_number = kNoValue;
};

// The text of the entry a wheel at `percent` picks from the lens: the focal
// length a camera with focal display `multiplier` shows, the entered
// f-number, the distance in the current units; kNoValueText for an empty
// list.
std::string WheelValueText(const Lens& lens, int wheel, float percent,
                           double multiplier);

// Picks focal length, aperture and distance from the lens lists at the wheel
// `positions` (pixels: focal, aperture, distance; display scale `scale`) and
// computes the results with the camera's circle of confusion. A text is only
// assigned when it changed.
void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<int, 3>& positions, int scale,
                    DofState* state);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_DOF_STATE_H_
