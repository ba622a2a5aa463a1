#ifndef ZORVANEL_OPTICS_DEPTH_OF_FIELD_H_
#define ZORVANEL_OPTICS_DEPTH_OF_FIELD_H_

#include <array>
#include <string>

#include "data/zorvanel.pb.h"
#include "optics/value.h"

namespace zorvanel {

// A wheel position in pixels as a percentage of the travel, 480 pixels on the
// reference screen scaled by `scale` percent, in single precision. A scale that
// leaves no travel gives 0.
float PositionToPercent(int position, int scale);

// What the main screen shows: the three picked values as text and the four
// results in metres. A far limit at infinity is negative (-1.0, or any
// negative number when focused beyond the hyperfocal distance), and so is
// the depth of field then. Results hold kNoValue until computed, whenever
// a lens list is empty and whenever the focal length, the f-number or the
// circle of confusion is not above 0; near and far limit and depth of field
// also when focused at or inside the focal length.
struct DofState {
  std::string focal_text, aperture_text, distance_text;
  DistanceValue hyperfocal{kNoValue};
  DistanceValue near_limit{kNoValue};
  DistanceValue far_limit{kNoValue};
  DistanceValue depth_of_field{kNoValue};
  // The picked focus distance (metres) and real f-number the results come
  // from; kNoValue when nothing could be picked.
  DistanceValue focus{kNoValue};
  double f_number = kNoValue;
};

// The f-number from which the diffraction disc (2.44 x 0.00055 mm x N, for
// green light) is as large as the circle of confusion `coc_mm`: stopping
// down further softens the whole picture. kNoValue for a circle of
// confusion that is not above 0.
double DiffractionLimit(double coc_mm);

// A wheel position in pixels that picks entry `index` of a list of `count`
// entries: the middle of the entry's share of the travel, the ends for the
// first and the last entry.
int WheelPositionOfIndex(int index, int count, int scale);

// The entry of a distance list to focus at for the hyperfocal distance
// `hyperfocal_m`: the smallest distance at or beyond it (infinity, stored
// negative, is beyond every distance), or the largest when none is. -1 for an
// empty list or an undefined hyperfocal distance.
int HyperfocalDistanceIndex(const Lens& lens, double hyperfocal_m);

// Picks focal length, aperture and distance from the lens lists at the wheel
// `positions` (pixels: focal, aperture, distance) and computes the results
// with the camera's circle of confusion. The focal text shows the focal
// length times the camera's multiplier (when above 0.001); the optics always
// use the real focal length. A text is only assigned when it changed. An
// empty list gives that text kNoValueText and no results.
void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<int, 3>& positions, int scale,
                    DofState* state);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_DEPTH_OF_FIELD_H_
