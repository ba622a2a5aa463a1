// What a wheel picks from a lens's lists, and a handle that regenerates them.
#include "optics/lens_accessor.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include "optics/numeric.h"
#include "optics/series.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

// The wheels pick apertures in single precision: a stored 2.8 is picked as
// 2.8f, and its real f-number comes from that. Values beyond the float range
// become infinities (no value) instead of an undefined conversion.
double NarrowedAperture(double stored) {
  if (std::fabs(stored) > std::numeric_limits<float>::max()) {
    return std::isnan(stored) ? stored : std::copysign(HUGE_VAL, stored);
  }
  return static_cast<double>(static_cast<float>(stored));
}

// A new lens's distances run from the ladder's start (or the lens's nearest
// focus) to here.
constexpr double kFirstDistance = 0.1;
constexpr double kLastDistance = 100.0;
// A nearest focus past this is a damaged file, not a lens.
constexpr double kFarthestNearestFocus = 10.0;

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

int NearestIndex(const google::protobuf::RepeatedField<double>& list,
                 double value) {
  // Infinity is stored negative; as a huge number its ratios stay finite.
  auto log_key = [](double v) { return std::log(v < 0.0 ? 1.0e300 : v); };
  const double target = log_key(value);
  int nearest = -1;
  double nearest_gap = std::numeric_limits<double>::infinity();
  for (int i = 0; i < list.size(); ++i) {
    const double gap =
        list[i] == value ? 0.0 : std::abs(log_key(list[i]) - target);
    if (gap < nearest_gap) {
      nearest = i;
      nearest_gap = gap;
    }
  }
  return nearest;
}

ApertureValue WheelAperture(double stored) {
  return ApertureValue(NarrowedAperture(stored));
}

std::optional<FocalValue> FocalAt(const Lens& lens, float percent) {
  const int index = WheelIndex(lens.focals_size(), percent);
  if (index < 0) return std::nullopt;
  return FocalValue(lens.focals(index));
}

std::optional<ApertureValue> ApertureAt(const Lens& lens, float percent) {
  const int index = WheelIndex(lens.apertures_size(), percent);
  if (index < 0) return std::nullopt;
  return WheelAperture(lens.apertures(index));
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

void LensAccessor::SetDistanceRange(double min_metres, double max_metres,
                                    UnitSystem units) {
  if (lens_ == nullptr) return;
  std::vector<DistanceValue> range;
  SelectDistanceRange(min_metres, max_metres, units, &range);
  lens_->clear_distances();
  for (const DistanceValue& v : range) lens_->add_distances(v.GetValue());
}

void LensAccessor::SetLensDistances(UnitSystem units) {
  if (lens_ == nullptr) return;
  SetDistanceRange(std::max(kFirstDistance, NearestLadderDistance(units)),
                   kLastDistance, units);
}

double LensAccessor::NearestLadderDistance(UnitSystem units) const {
  const double nearest = lens_->nearest_focus();
  if (!(nearest > 0.0 && nearest <= kFarthestNearestFocus)) return 0.0;
  return DistanceAtOrBeyond(nearest, units).GetValue();
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

void LensAccessor::FollowUnitSystem(UnitSystem previous_units,
                                    UnitSystem units) {
  if (lens_ == nullptr || units == previous_units) return;
  const std::span<const double> distances(lens_->distances().data(),
                                          lens_->distances_size());
  if (!IsDistanceLadder(distances, previous_units)) return;
  // The element nearest to the old first one, unless the lens cannot focus
  // there.
  SetDistanceRange(std::max(distances.front(), NearestLadderDistance(units)),
                   distances.back(), units);
}

}  // namespace zorvanel
