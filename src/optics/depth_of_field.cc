// The depth-of-field formulas: hyperfocal distance, near and far limits.
#include "optics/depth_of_field.h"

#include <cmath>
#include <limits>

#include "optics/value_limits.h"

namespace zorvanel {
namespace {

// Far limits from here on are shown as infinity.
constexpr double kInfiniteFarLimit = 5000.0;
// 2.44 x the wavelength of green light (0.00055 mm).
constexpr double kDiffractionDiscPerFNumber = 2.44 * 0.00055;

}  // namespace

// The order of the operations is fixed so that every platform prints the
// same digits. A focal length, f-number or circle of confusion that is not
// above 0 is undefined (a camera whose circle of confusion was never set
// holds -1): the formulas would turn it into "Infinity" or a made-up
// distance. Focused at or inside the focal length, no image is sharp at all;
// the hyperfocal distance still holds there.
DepthOfField ComputeDepthOfField(double focal_mm, double f_number,
                                 double coc_mm, double focus_m) {
  const double f = focal_mm;
  DepthOfField r;
  if (!(f > 0.0 && f_number > 0.0 && coc_mm > 0.0)) return r;
  const double h = f * f / (f_number * coc_mm) + f;
  r.hyperfocal.SetValue(h * 0.001);
  if (focus_m < 0.0) {
    // Focused at infinity: the limits the formulas reach as the distance
    // grows without end.
    r.near_limit.SetValue((h - f) * 0.001);
    r.far_limit.SetValue(-1.0);
    r.depth_of_field.SetValue(-1.0);
    return r;
  }
  const double s_mm = focus_m * 1000.0;
  if (!(s_mm > f)) return r;
  const double near_mm = s_mm * (h - f) / (h + s_mm - 2.0 * f);
  const double far_mm = s_mm * (h - f) / (h - s_mm);
  r.near_limit.SetValue(near_mm * 0.001);
  r.far_limit.SetValue(far_mm * 0.001);
  if (r.far_limit.GetValue() >= kInfiniteFarLimit) r.far_limit.SetValue(-1.0);
  r.depth_of_field.SetValue(r.far_limit.GetValue() - r.near_limit.GetValue());
  return r;
}

double DisplayedFocal(double focal_mm, double multiplier) {
  return multiplier > kLeastMultiplier ? focal_mm * multiplier : focal_mm;
}

double DiffractionLimit(double coc_mm) {
  if (!(coc_mm > 0.0) || std::isinf(coc_mm)) return kNoValue;
  return coc_mm / kDiffractionDiscPerFNumber;
}

int HyperfocalDistanceIndex(const Lens& lens, double hyperfocal_m) {
  if (lens.distances_size() == 0 || !(hyperfocal_m > 0.0)) return -1;
  // Infinity is stored negative; it sorts after every distance.
  auto key = [](double d) {
    return d < 0.0 ? std::numeric_limits<double>::infinity() : d;
  };
  int at_or_beyond = -1;
  int largest = 0;
  for (int i = 0; i < lens.distances_size(); ++i) {
    const double d = key(lens.distances(i));
    if (d > key(lens.distances(largest))) largest = i;
    if (d >= hyperfocal_m &&
        (at_or_beyond < 0 || d < key(lens.distances(at_or_beyond)))) {
      at_or_beyond = i;
    }
  }
  return at_or_beyond >= 0 ? at_or_beyond : largest;
}

}  // namespace zorvanel
