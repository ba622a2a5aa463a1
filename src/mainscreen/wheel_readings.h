#ifndef ZORVANEL_MAINSCREEN_WHEEL_READINGS_H_
#define ZORVANEL_MAINSCREEN_WHEEL_READINGS_H_

#include <array>
#include <string>

#include "data/zorvanel.pb.h"
#include "optics/depth_of_field.h"
#include "optics/units.h"
#include "optics/value.h"

namespace zorvanel {

// A wheel position is in pixels, from 0 to the client width; what it picks
// is a percentage of the travel: the reference width scaled by the display
// scale `scale` (percent).

// The percentage a wheel at `position` picks by, over the travel in whole
// pixels, in single precision. Positions beyond the travel (a landscape
// screen) give more than 100. 0 when the scale leaves no travel.
float PercentAt(int position, int scale);

// A position that picks entry `index` of a list of `count` entries: the
// middle of the entry's share of the travel, the ends for the first and the
// last entry.
int PositionOfIndex(int index, int count, int scale);

// The percentage stored for a position, over the exact scaled travel, and
// back to the nearest pixel: a percentage saved from a position comes back as
// that same position. A damaged or foreign file may hold any double; it is
// kept inside what the conversion can represent.
double StoredPercent(int position, int scale);
int PositionOfStoredPercent(double percent, int scale);

// What the main screen shows: the three picked values as text, the results,
// and the focus distance (metres) and real f-number the results come from
// (kNoValue when nothing could be picked). Results hold kNoValue whenever a
// lens list is empty.
struct DofState {
  std::string focal_text, aperture_text, distance_text;
  DepthOfField dof;
  DistanceValue focus{kNoValue};
  double f_number = kNoValue;
};

// The text of the entry a wheel at `percent` picks from the lens: the focal
// length a camera with focal display `multiplier` shows, the entered
// f-number, the distance in `units`; kNoValueText for an empty list.
std::string WheelValueText(const Lens& lens, int wheel, float percent,
                           double multiplier, UnitSystem units);

// Picks focal length, aperture and distance from the lens lists at the wheel
// `positions` (focal, aperture, distance), once each, then formats them (the
// distance in `units`) and computes the results with the camera's circle of
// confusion. A text is only assigned when it changed.
void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<int, 3>& positions, int scale,
                    UnitSystem units, DofState* state);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_WHEEL_READINGS_H_
