#ifndef ZORVANEL_MAINSCREEN_WHEEL_TRAVEL_H_
#define ZORVANEL_MAINSCREEN_WHEEL_TRAVEL_H_

namespace zorvanel {

// A wheel position is in pixels, from 0 to the client width; what it picks
// is a percentage of the travel: the reference width scaled by the display
// scale `scale` (percent). Every conversion between the two is here.

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

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_WHEEL_TRAVEL_H_
