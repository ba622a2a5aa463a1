#include "optics/lens_accessor.h"

#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include "optics/numeric.h"
#include "optics/series.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

// Stored apertures are read at single precision, as the wheels take them.
// Values beyond the float range become infinities (no value) instead of an
// undefined conversion.
double NarrowedAperture(double stored) {
  if (std::fabs(stored) > std::numeric_limits<float>::max()) {
    return std::isnan(stored) ? stored : std::copysign(HUGE_VAL, stored);
  }
  return static_cast<double>(static_cast<float>(stored));
}

}  // namespace

int WheelIndex(int count, float percent) {
  if (count <= 0) return -1;
  // The product is formed in single precision, then widened.
  const float share = static_cast<float>(count - 1) * percent;
  const int index = TruncateToInt32(static_cast<double>(share) * 0.01 + 0.5);
  if (index < 0) return 0;
  if (index >= count) return count - 1;
  return index;
}

std::optional<FocalValue> FocalAt(const Lens& lens, float percent) {
  const int index = WheelIndex(lens.focals_size(), percent);
  if (index < 0) return std::nullopt;
  return FocalValue(lens.focals(index));
}

std::optional<ApertureValue> ApertureAt(const Lens& lens, float percent) {
  const int index = WheelIndex(lens.apertures_size(), percent);
  if (index < 0) return std::nullopt;
  return ApertureValue(NarrowedAperture(lens.apertures(index)));
}

std::optional<DistanceValue> DistanceAt(const Lens& lens, float percent) {
  const int index = WheelIndex(lens.distances_size(), percent);
  if (index < 0) return std::nullopt;
  return DistanceValue(lens.distances(index));
}

LensAccessor::~LensAccessor() = default;

Lens* LensAccessor::CreateLens() {
  owned_ = std::make_unique<Lens>();
  lens_ = owned_.get();
  return lens_;
}

std::optional<FocalValue> LensAccessor::FocalAt(float percent) const {
  if (lens_ == nullptr) return std::nullopt;
  return zorvanel::FocalAt(*lens_, percent);
}

std::optional<ApertureValue> LensAccessor::ApertureAt(float percent) const {
  if (lens_ == nullptr) return std::nullopt;
  return zorvanel::ApertureAt(*lens_, percent);
}

std::optional<DistanceValue> LensAccessor::DistanceAt(float percent) const {
  if (lens_ == nullptr) return std::nullopt;
  return zorvanel::DistanceAt(*lens_, percent);
}

void LensAccessor::SetApertureRange(double min, double max) {
  if (lens_ == nullptr) return;
  std::vector<ApertureValue> range;
  SelectApertureRange(min, max, &range);
  lens_->clear_apertures();
  for (const ApertureValue& v : range) lens_->add_apertures(v.GetNominal());
}

void LensAccessor::SetLensApertures(double widest, double narrowest) {
  if (lens_ == nullptr) return;
  lens_->clear_apertures();
  lens_->add_apertures(widest);
  for (const ApertureValue& mark : ApertureSeries()) {
    if (mark.GetNominal() > widest && mark.GetNominal() < narrowest)
      lens_->add_apertures(mark.GetNominal());
  }
  if (narrowest > widest) lens_->add_apertures(narrowest);
}

void LensAccessor::SetDistanceRange(double min_metres, double max_metres) {
  if (lens_ == nullptr) return;
  std::vector<DistanceValue> range;
  SelectDistanceRange(min_metres, max_metres, &range);
  lens_->clear_distances();
  for (const DistanceValue& v : range) lens_->add_distances(v.GetValue());
}

void LensAccessor::SetFocalRange(double min, double max, double multiplier) {
  if (lens_ == nullptr) return;
  std::vector<FocalValue> range;
  GenerateFocalRange(min, max, &range, multiplier);
  lens_->clear_focals();
  for (const FocalValue& v : range) lens_->add_focals(v.GetValue());
}

void LensAccessor::RegenerateFocals(double multiplier) {
  if (lens_ == nullptr) return;
  SetFocalRange(lens_->min_focal(), lens_->max_focal(), multiplier);
}

void LensAccessor::FollowUnitSystem(int previous_units) {
  if (lens_ == nullptr || GetUnitSystem() == previous_units) return;
  const std::span<const double> distances(lens_->distances().data(),
                                          lens_->distances_size());
  if (!IsDistanceLadder(distances, previous_units)) return;
  SetDistanceRange(distances.front(), distances.back());
}

std::string LensAccessor::FocalRangeLabel() const {
  if (lens_ == nullptr) return "";
  std::string label = FocalValue(lens_->min_focal()).Format();
  if (lens_->max_focal() > 0.0) {
    label += " - " + FocalValue(lens_->max_focal()).Format();
  }
  return label;
}

std::string LensAccessor::ApertureRangeLabel() const {
  if (lens_ == nullptr || lens_->apertures_size() == 0) return "";
  const auto& apertures = lens_->apertures();
  std::string label = ApertureValue(NarrowedAperture(apertures[0])).Format();
  if (apertures.size() >= 2) {
    label +=
        " - " + ApertureValue(NarrowedAperture(apertures[apertures.size() - 1]))
                    .Format();
  }
  return label;
}

}  // namespace zorvanel
