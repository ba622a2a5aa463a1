#include "optics/depth_of_field.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

constexpr int kDesignTravel = 480;
// Far limits from here on are shown as infinity.
constexpr double kInfiniteFarLimit = 5000.0;
constexpr double kMinimumMultiplier = 0.001;
// 2.44 x the wavelength of green light (0.00055 mm).
constexpr double kDiffractionDiscPerFNumber = 2.44 * 0.00055;

struct Results {
  double hyperfocal = kNoValue;
  double near_limit = kNoValue;
  double far_limit = kNoValue;
  double depth_of_field = kNoValue;
};

void SetIfChanged(std::string* stored, std::string text) {
  if (*stored != text) *stored = std::move(text);
}

// f in millimetres, n the real f-number, c the circle of confusion in
// millimetres, s the focus distance in metres. The order of the operations is
// fixed so that every platform prints the same digits.
// A focal length, f-number or circle of confusion that is not above 0 is
// undefined (a camera whose circle of confusion was never set holds -1):
// the formulas would turn it into "Infinity" or a made-up distance. Focused
// at or inside the focal length, no image is sharp at all; the hyperfocal
// distance still holds there.
Results Compute(double f, double n, double c, double s) {
  Results r;
  if (!(f > 0.0 && n > 0.0 && c > 0.0)) return r;
  const double h = f * f / (n * c) + f;
  r.hyperfocal = h * 0.001;
  const double s_mm = s * 1000.0;
  if (!(s_mm > f)) return r;
  const double near_mm = s_mm * (h - f) / (h + s_mm - 2.0 * f);
  const double far_mm = s_mm * (h - f) / (h - s_mm);
  r.near_limit = near_mm * 0.001;
  r.far_limit = far_mm * 0.001;
  if (r.far_limit >= kInfiniteFarLimit) r.far_limit = -1.0;
  r.depth_of_field = r.far_limit - r.near_limit;
  return r;
}

double DisplayedFocal(double f, const Camera& camera) {
  const double multiplier = camera.focal_multiplier();
  return multiplier > kMinimumMultiplier ? f * multiplier : f;
}

}  // namespace

float PositionToPercent(int position, int scale) {
  const int64_t travel = static_cast<int64_t>(scale) * kDesignTravel / 100;
  if (travel <= 0) return 0.0f;
  return static_cast<float>(static_cast<int64_t>(position) * 100) /
         static_cast<float>(travel);
}

double DiffractionLimit(double coc_mm) {
  if (!(coc_mm > 0.0) || std::isinf(coc_mm)) return kNoValue;
  return coc_mm / kDiffractionDiscPerFNumber;
}

int WheelPositionOfIndex(int index, int count, int scale) {
  const int64_t travel = static_cast<int64_t>(scale) * kDesignTravel / 100;
  if (count <= 1 || index <= 0 || travel <= 0) return 0;
  if (index >= count - 1) return static_cast<int>(travel);
  return static_cast<int>((index * travel + (count - 1) / 2) / (count - 1));
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

void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<int, 3>& positions, int scale,
                    DofState* state) {
  const std::optional<FocalValue> focal =
      FocalAt(lens, PositionToPercent(positions[0], scale));
  const std::optional<ApertureValue> aperture =
      ApertureAt(lens, PositionToPercent(positions[1], scale));
  const std::optional<DistanceValue> distance =
      DistanceAt(lens, PositionToPercent(positions[2], scale));

  SetIfChanged(
      &state->focal_text,
      focal ? FocalValue(DisplayedFocal(focal->GetValue(), camera)).Format()
            : kNoValueText);
  SetIfChanged(&state->aperture_text,
               aperture ? aperture->Format() : kNoValueText);
  SetIfChanged(&state->distance_text,
               distance ? distance->Format() : kNoValueText);

  state->focus.SetValue(distance ? distance->GetValue() : kNoValue);
  state->f_number = aperture ? aperture->GetValue() : kNoValue;
  if (!focal || !aperture || !distance) {
    state->hyperfocal.SetValue(kNoValue);
    state->near_limit.SetValue(kNoValue);
    state->far_limit.SetValue(kNoValue);
    state->depth_of_field.SetValue(kNoValue);
    return;
  }
  const Results r = Compute(focal->GetValue(), aperture->GetValue(),
                            camera.circle_of_confusion(), distance->GetValue());
  state->hyperfocal.SetValue(r.hyperfocal);
  state->near_limit.SetValue(r.near_limit);
  state->far_limit.SetValue(r.far_limit);
  state->depth_of_field.SetValue(r.depth_of_field);
}

}  // namespace zorvanel
