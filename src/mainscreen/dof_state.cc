#include "mainscreen/dof_state.h"

#include <optional>
#include <utility>

#include "i18n/value_text.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/wheel_travel.h"
#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

template <typename V>
std::string TextOf(const std::optional<V>& value) {
  return value ? Format(*value) : kNoValueText;
}

void SetIfChanged(std::string* stored, std::string text) {
  if (*stored != text) *stored = std::move(text);
}

}  // namespace

std::string WheelValueText(const Lens& lens, int wheel, float percent,
                           double multiplier) {
  switch (wheel) {
    case kFocalWheel: {
      const std::optional<FocalValue> focal = FocalAt(lens, percent);
      if (!focal) return kNoValueText;
      return Format(FocalValue(DisplayedFocal(focal->GetValue(), multiplier)));
    }
    case kApertureWheel:
      return TextOf(ApertureAt(lens, percent));
    default:
      return TextOf(DistanceAt(lens, percent));
  }
}

void ComputeResults(const Lens& lens, const Camera& camera,
                    const std::array<int, 3>& positions, int scale,
                    DofState* state) {
  std::string* texts[kWheelCount] = {&state->focal_text, &state->aperture_text,
                                     &state->distance_text};
  std::array<float, kWheelCount> percents;
  for (int i = 0; i < kWheelCount; ++i) {
    percents[i] = PercentAt(positions[i], scale);
    SetIfChanged(texts[i], WheelValueText(lens, i, percents[i],
                                          camera.focal_multiplier()));
  }
  const std::optional<FocalValue> focal = FocalAt(lens, percents[0]);
  const std::optional<ApertureValue> aperture = ApertureAt(lens, percents[1]);
  const std::optional<DistanceValue> distance = DistanceAt(lens, percents[2]);
  state->focus.SetValue(distance ? distance->GetValue() : kNoValue);
  state->f_number = aperture ? aperture->GetValue() : kNoValue;
  DepthOfField& results = *state;
  results = focal && aperture && distance
                ? ComputeDepthOfField(focal->GetValue(), aperture->GetValue(),
                                      camera.circle_of_confusion(),
                                      distance->GetValue())
                : DepthOfField{};
}

}  // namespace zorvanel
