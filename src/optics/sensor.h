// A sensor's diagonal, focal multiplier and circles of confusion.
#ifndef ZORVANEL_OPTICS_SENSOR_H_
#define ZORVANEL_OPTICS_SENSOR_H_

#include "optics/value_limits.h"

namespace zorvanel {

// The diagonal of a 36 x 24 mm frame, in millimetres.
inline constexpr double kFullFrameDiagonal = 43.27;
// Sensors outside these diagonals (millimetres) are typing mistakes, not
// cameras. The crop factors are those of the same sensors, rounded inward
// to the figures a refusal shows.
inline constexpr ClosedRange kSensorDiagonalRange{4.0, 100.0};
inline constexpr ClosedRange kCropFactorRange{0.44, 10.8};

// What the circle of confusion is for: the sensor's diagonal divided by
// 1500 for a print viewed at a normal distance, by 3000 for a large print
// or one seen from close.
enum class PrintViewing { kStandard = 1500, kLarge = 3000 };

// The circle of confusion of a sensor for `viewing`, to the micrometre.
double CircleOfConfusion(double sensor_diagonal,
                         PrintViewing viewing = PrintViewing::kStandard);

// Displayed (35 mm equivalent) focal length over real focal length, to 0.01
// as photographers quote it; every full-frame sensor (within 2 % of the
// 36 x 24 diagonal: published sizes run from 35.6 x 23.8 to 36 x 24) is
// exactly 1.0.
double FocalMultiplier(double sensor_diagonal);

// The diagonal of the sensor a camera's focal multiplier stands for; a
// multiplier that counts as none stands for a full frame.
double SensorDiagonal(double focal_multiplier);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_SENSOR_H_
