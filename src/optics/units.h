// Metric or imperial units, and the one conversion between metres and feet.
#ifndef ZORVANEL_OPTICS_UNITS_H_
#define ZORVANEL_OPTICS_UNITS_H_

namespace zorvanel {

// How distances are shown and entered. Distances are always stored in metres.
enum UnitSystem { kMetric = 0, kImperial = 1 };

// The unit system a stored setting names. Any number other than kImperial
// selects kMetric: a damaged setting must not print metres labelled as feet.
UnitSystem ToUnitSystem(int stored);

// Metres to feet (x * 3.2808) or feet to metres (x * 0.30480370641307, the
// reciprocal to 14 digits). Every conversion between the two goes through
// here so that a value converted there and back prints as it was entered.
double ConvertLength(double x, bool to_feet);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_UNITS_H_
