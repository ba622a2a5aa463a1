#include "mainscreen/wheel_travel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/geometry.h"

namespace zorvanel {
namespace {

// Pixels per percent of the travel at scale 100: the exact travel the
// stored percentages use.
constexpr double kPixelsPerPercent = kReferenceWidth / 100.0;

int64_t WholePixelTravel(int scale) {
  return static_cast<int64_t>(scale) * kReferenceWidth / 100;
}

}  // namespace

float PercentAt(int position, int scale) {
  const int64_t travel = WholePixelTravel(scale);
  if (travel <= 0) return 0.0f;
  return static_cast<float>(static_cast<int64_t>(position) * 100) /
         static_cast<float>(travel);
}

int PositionOfIndex(int index, int count, int scale) {
  const int64_t travel = WholePixelTravel(scale);
  if (count <= 1 || index <= 0 || travel <= 0) return 0;
  if (index >= count - 1) return static_cast<int>(travel);
  return static_cast<int>((index * travel + (count - 1) / 2) / (count - 1));
}

double StoredPercent(int position, int scale) {
  if (scale <= 0) return 0.0;
  return static_cast<double>(position) * 100 /
         (static_cast<double>(scale) * kPixelsPerPercent);
}

int PositionOfStoredPercent(double percent, int scale) {
  if (!std::isfinite(percent)) return 0;
  const double position = percent * scale * kPixelsPerPercent / 100;
  return static_cast<int>(std::lround(std::clamp(position, -1.0e6, 1.0e6)));
}

}  // namespace zorvanel
