// The zone strip's distance axis: logarithmic, then a segment to infinity.
#include "mainscreen/zone_axis.h"

#include <cmath>

namespace zorvanel {
namespace {

constexpr double kSmallestNearest = 0.01;

}  // namespace

ZoneAxis::ZoneAxis(double nearest_m, double log_end_m)
    : nearest_m_(nearest_m > 0.0 && std::isfinite(nearest_m)
                     ? nearest_m
                     : kSmallestNearest),
      log_end_m_(log_end_m > nearest_m_ && std::isfinite(log_end_m)
                     ? log_end_m
                     : nearest_m_ * 4.0),
      log_length_(std::log(log_end_m_ / nearest_m_)) {}

double ZoneAxis::Fraction(double distance_m) const {
  if (std::isnan(distance_m)) return distance_m;
  if (distance_m < 0.0 || std::isinf(distance_m)) return 1.0;
  if (distance_m <= nearest_m_) return 0.0;
  if (distance_m <= log_end_m_) {
    return kLogShare * std::log(distance_m / nearest_m_) / log_length_;
  }
  // 1 - end / d runs from 0 at the end of the logarithmic part towards 1 at
  // infinity, and joins it without a jump.
  return kLogShare + (1.0 - kLogShare) * (1.0 - log_end_m_ / distance_m);
}

}  // namespace zorvanel
