// A sensor's diagonal, focal multiplier and circles of confusion.
#include "optics/sensor.h"

#include <cmath>

namespace zorvanel {
namespace {

constexpr double kFullFrameTolerance = 0.02;

}  // namespace

double CircleOfConfusion(double sensor_diagonal, PrintViewing viewing) {
  const double divisor = static_cast<double>(viewing);
  return std::round(sensor_diagonal / divisor * 1000.0) / 1000.0;
}

double FocalMultiplier(double sensor_diagonal) {
  const double multiplier = kFullFrameDiagonal / sensor_diagonal;
  if (std::abs(multiplier - 1.0) <= kFullFrameTolerance) return 1.0;
  return std::round(multiplier * 100.0) / 100.0;
}

double SensorDiagonal(double focal_multiplier) {
  if (!(focal_multiplier > kLeastMultiplier) ||
      !std::isfinite(focal_multiplier))
    return kFullFrameDiagonal;
  return kFullFrameDiagonal / focal_multiplier;
}

}  // namespace zorvanel
