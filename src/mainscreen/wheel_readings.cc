// What the wheels pick from the current lens, and the results they give.
#include "mainscreen/wheel_readings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "i18n/value_text.h"
#include "mainscreen/main_layout.h"
#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

template <typename V, typename... Units>
std::string TextOf(const std::optional<V>& value, Units... units) {
  return value ? Format(*value, units...) : kNoValueText;
}

// The focal length with the 35 mm equivalent a camera with focal display
// `multiplier` gives it.
std::string FocalText(const std::optional<FocalValue>& focal,
                      double multiplier) {
  if (!focal) return kNoValueText;
  return FormatWithEquivalent(*focal, multiplier);
}

void SetIfChanged(std::string* stored, std::string text) {
  if (*stored != text) *stored = std::move(text);
}

}  // namespace

double PercentOfPosition(int position, int travel) {
  if (travel <= 0) return 0.0;
  return static_cast<double>(position) * 100 / travel;
}

int PositionOfPercent(double percent, int travel) {
  if (travel <= 0) return 0;
  return static_cast<int>(
      std::lround(std::clamp(percent, 0.0, 100.0) * travel / 100));
}

double PercentOfIndex(int index, int count) {
  if (count <= 1) return 0.0;
  return static_cast<double>(std::clamp(index, 0, count - 1)) * 100 /
         (count - 1);
}

int SteppedIndex(int index, int steps, int count) {
  if (count <= 0) return -1;
  return static_cast<int>(
      std::clamp<int64_t>(int64_t{index} + steps, 0, count - 1));
}

double StoredWheelPercent(double percent) {
  return std::isnan(percent) ? 0.0 : std::clamp(percent, 0.0, 100.0);
}

const google::protobuf::RepeatedField<double>& WheelList(const Lens& lens,
                                                         int wheel) {
  switch (wheel) {
    case kFocalWheel:
      return lens.focals();
    case kApertureWheel:
      return lens.apertures();
    default:
      return lens.distances();
  }
}

int PickedIndex(const Lens& lens, int wheel, double percent) {
  return WheelIndex(WheelList(lens, wheel).size(), static_cast<float>(percent));
}

std::string WheelValueText(const Lens& lens, int wheel, float percent,
                           UnitSystem units) {
  switch (wheel) {
    case kFocalWheel:
      return TextOf(FocalAt(lens, percent));
    case kApertureWheel:
      return TextOf(ApertureAt(lens, percent));
    default:
      return TextOf(DistanceAt(lens, percent), units);
  }
}

void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<double, 3>& percents, UnitSystem units,
                    DofState* state) {
  auto percent = [&](int wheel) { return static_cast<float>(percents[wheel]); };
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
