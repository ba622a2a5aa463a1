#include "mainscreen/wheel_readings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "i18n/value_text.h"
#include "mainscreen/main_layout.h"
#include "optics/lens_accessor.h"
#include "platform/geometry.h"

namespace zorvanel {
namespace {

// Pixels per percent of the travel at scale 100: the exact travel the
// stored percentages use.
constexpr double kPixelsPerPercent = kReferenceWidth / 100.0;

int64_t WholePixelTravel(int scale) {
  return static_cast<int64_t>(scale) * kReferenceWidth / 100;
}

template <typename V, typename... Units>
std::string TextOf(const std::optional<V>& value, Units... units) {
  return value ? Format(*value, units...) : kNoValueText;
}

// The focal length a camera with focal display `multiplier` shows.
std::string FocalText(const std::optional<FocalValue>& focal,
                      double multiplier) {
  if (!focal) return kNoValueText;
  return Format(FocalValue(DisplayedFocal(focal->GetValue(), multiplier)));
}

void SetIfChanged(std::string* stored, std::string text) {
  if (*stored != text) *stored = std::move(text);
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

std::string WheelValueText(const Lens& lens, int wheel, float percent,
                           double multiplier, UnitSystem units) {
  switch (wheel) {
    case kFocalWheel:
      return FocalText(FocalAt(lens, percent), multiplier);
    case kApertureWheel:
      return TextOf(ApertureAt(lens, percent));
    default:
      return TextOf(DistanceAt(lens, percent), units);
  }
}

void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<int, 3>& positions, int scale,
                    UnitSystem units, DofState* state) {
  auto percent = [&](int wheel) { return PercentAt(positions[wheel], scale); };
  const std::optional<FocalValue> focal = FocalAt(lens, percent(kFocalWheel));
  const std::optional<ApertureValue> aperture =
      ApertureAt(lens, percent(kApertureWheel));
  const std::optional<DistanceValue> distance =
      DistanceAt(lens, percent(kDistanceWheel));
  SetIfChanged(&state->focal_text, FocalText(focal, camera.focal_multiplier()));
  SetIfChanged(&state->aperture_text, TextOf(aperture));
  SetIfChanged(&state->distance_text, TextOf(distance, units));
  state->focus.SetValue(distance ? distance->GetValue() : kNoValue);
  state->f_number = aperture ? aperture->GetValue() : kNoValue;
  state->dof = focal && aperture && distance
                   ? ComputeDepthOfField(
                         focal->GetValue(), aperture->GetValue(),
                         camera.circle_of_confusion(), distance->GetValue())
                   : DepthOfField{};
}

}  // namespace zorvanel
