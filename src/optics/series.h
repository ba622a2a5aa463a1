// The standard aperture and distance series, and generated focal ranges.
#ifndef ZORVANEL_OPTICS_SERIES_H_
#define ZORVANEL_OPTICS_SERIES_H_

#include <span>
#include <vector>

#include "optics/units.h"
#include "optics/value.h"

namespace zorvanel {

// The standard series, built once on first use and never changed.
// The 33 marked f-numbers from f/1 to f/64 (32 is followed by 45 and 64).
const std::vector<ApertureValue>& ApertureSeries();
// 51 distances in metres from 0.1 m to 10 km on a 1-1.2-1.5-2-2.5-3-4-5-6-8
// ladder (0.12 and 0.15 in the first decade).
const std::vector<DistanceValue>& MetricDistanceSeries();
// 52 distances from 1 inch to 10000 feet on the same ladder, stored in metres.
const std::vector<DistanceValue>& ImperialDistanceSeries();
// The distance series of `units`.
const std::vector<DistanceValue>& DistanceSeries(UnitSystem units);

// Append the stretch of a series from the element nearest to `min` to the
// element nearest to `max` (ties go to the smaller element). Never empty: when
// `max` lies at or below the first element, that element alone.
// Apertures compare their nominal f-numbers; distances their metres, on the
// series of `units`.
void SelectApertureRange(double min, double max,
                         std::vector<ApertureValue>* out);
void SelectDistanceRange(double min, double max, UnitSystem units,
                         std::vector<DistanceValue>* out);

// The first element of the distance series of `units` at or beyond `metres`
// (binary noise apart): where the ladder of a lens that focuses no closer
// starts. The last element when every one lies closer.
const DistanceValue& DistanceAtOrBeyond(double metres, UnitSystem units);

// True when `metres` is two or more consecutive elements of the distance
// series of `unit_system`, in order: a list made from that series and not
// edited since (binary noise apart).
bool IsDistanceLadder(std::span<const double> metres, UnitSystem unit_system);

// Appends focal lengths from a to b (both included): the marked focal lengths
// (10, 12, 14 ... 200, 250, 300, 400, 500, 600, 800 mm) between them, as a
// zoom's ring shows them, when both bounds lie within that series and at
// least three of its values lie between them; otherwise evenly spaced
// values, the count (6 to 21) chosen so that the step comes out whole where
// it can. The marked values ignore the multiplier.
// The values are snapped so that value * multiplier is a whole millimetre
// when a multiplier is applied or both bounds are whole. A multiplier not
// above 0.001 is not applied (counts as 1.0), as on the main screen.
// b not above a gives a alone.
void GenerateFocalRange(double a, double b, std::vector<FocalValue>* out,
                        double multiplier);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_SERIES_H_
