// Metric or imperial units, and the one conversion between metres and feet.
#include "optics/units.h"

namespace zorvanel {
namespace {

constexpr double kFeetPerMetre = 3.2808;
constexpr double kMetresPerFoot = 0.30480370641307;

}  // namespace

UnitSystem ToUnitSystem(int stored) {
  return stored == kImperial ? kImperial : kMetric;
}

double ConvertLength(double x, bool to_feet) {
  return to_feet ? x * kFeetPerMetre : x * kMetresPerFoot;
}

}  // namespace zorvanel
