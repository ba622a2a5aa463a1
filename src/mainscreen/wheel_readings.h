// What the wheels pick from the lens lists, and the results computed from it.
#ifndef ZORVANEL_MAINSCREEN_WHEEL_READINGS_H_
#define ZORVANEL_MAINSCREEN_WHEEL_READINGS_H_

#include <array>
#include <string>

#include "data/zorvanel.pb.h"
#include "optics/depth_of_field.h"
#include "optics/units.h"
#include "optics/value.h"

namespace zorvanel {

// A wheel stands at a percentage of its travel (0 .. 100); that percentage
// picks its value, whatever the size the wheel is drawn at. On screen a
// wheel's position is in pixels, from 0 to its travel (the width it is
// drawn at).

// The percentage of a wheel at `position` pixels along `travel`; 0 when
// there is no travel.
double PercentOfPosition(int position, int travel);
// The pixel nearest to `percent` along `travel`, on the travel.
int PositionOfPercent(double percent, int travel);
// Where a wheel stands for entry `index` of a list of `count` entries: the
// entry's own position, the middle of its share of the travel (the ends for
// the first and the last entry).
double PercentOfIndex(int index, int count);
// Entry `index` of a list of `count` entries stepped by `steps` entries,
// stopping at the list's ends however far the steps go.
int SteppedIndex(int index, int steps, int count);
// A percentage read from the options: on the travel (0 .. 100). A damaged or
// foreign file may hold any double; what is not a number is 0.
double StoredWheelPercent(double percent);

// The list of the lens a wheel runs over: focal lengths (mm), f-numbers or
// distances (metres).
const google::protobuf::RepeatedField<double>& WheelList(const Lens& lens,
                                                         int wheel);
// The entry of that list a wheel at `percent` picks; -1 for an empty list.
int PickedIndex(const Lens& lens, int wheel, double percent);

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

// The text of the entry a wheel at `percent` picks from the lens: the lens's
// own focal length, as printed on it, the entered f-number, the distance in
// `units`; kNoValueText for an empty list.
std::string WheelValueText(const Lens& lens, int wheel, float percent,
                           UnitSystem units);

// Picks focal length, aperture and distance from the lens lists at the wheel
// `percents` (focal, aperture, distance), once each, then formats them (the
// distance in `units`) and computes the results with the camera's circle of
// confusion. A text is only assigned when it changed.
void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<double, 3>& percents, UnitSystem units,
                    DofState* state);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_WHEEL_READINGS_H_
