// What a wheel picks from a lens's lists, and a handle that regenerates them.
#ifndef ZORVANEL_OPTICS_LENS_ACCESSOR_H_
#define ZORVANEL_OPTICS_LENS_ACCESSOR_H_

#include <memory>
#include <optional>

#include "data/zorvanel.pb.h"
#include "optics/units.h"
#include "optics/value.h"

namespace zorvanel {

// The list index that a wheel at `percent` (0 to 100) picks among `count`
// entries: each entry owns an equal share of the travel, the first and the
// last half a share; out-of-range positions pick the nearest end. -1 when
// the list is empty.
int WheelIndex(int count, float percent);

// The entry of a lens list nearest to `value` by ratio, as photographers
// compare apertures and distances (in stops, not in millimetres): an equal
// entry when the list has one. Infinity, a negative distance, is nearest to
// infinity, else to the largest entry. The first of equally near entries; -1
// when the list is empty or holds nothing to compare with.
int NearestIndex(const google::protobuf::RepeatedField<double>& list,
                 double value);

// An entry of a lens's aperture list as a wheel picks it: the stored
// f-number narrowed to single precision, so that its real f-number comes
// from the nominal one every time.
ApertureValue WheelAperture(double stored);

// The entry of a lens list at a wheel position; std::nullopt when the list is
// empty. An aperture is rebuilt by WheelAperture.
std::optional<FocalValue> FocalAt(const Lens& lens, float percent);
std::optional<ApertureValue> ApertureAt(const Lens& lens, float percent);
std::optional<DistanceValue> DistanceAt(const Lens& lens, float percent);

// A handle on one lens: either a lens of the user's data (not owned), or a
// lens the handle created itself (owned, freed with the handle). Operations
// on a handle without a lens do nothing.
class LensAccessor {
 public:
  LensAccessor() = default;
  explicit LensAccessor(Lens* lens) : lens_(lens) {}
  LensAccessor(const LensAccessor&) = delete;
  LensAccessor& operator=(const LensAccessor&) = delete;
  ~LensAccessor();

  // Creates a fresh default lens owned by the handle (replacing any lens the
  // handle owned before) and returns it.
  Lens* CreateLens();
  Lens* lens() const { return lens_; }

  // Replace one list of the lens: apertures by the nominal f-numbers of the
  // standard series from min to max; distances by the metres of the series
  // of `units`; focals by a generated range.
  void SetApertureRange(double min, double max);
  // Apertures of a lens whose ends are known: `widest` and `narrowest` as
  // they are (a lens's own f/1.7 or f/3.3 is not a standard mark) and the
  // standard marks strictly between them.
  void SetLensApertures(double widest, double narrowest);
  void SetDistanceRange(double min_metres, double max_metres, UnitSystem units);
  // The distances of a new lens: the series of `units` from 0.1 m, or from
  // the first value at or beyond the lens's nearest focus when it has one,
  // to 100 m.
  void SetLensDistances(UnitSystem units);
  void SetFocalRange(double min, double max, double multiplier);
  // SetFocalRange over the lens's own min_focal..max_focal.
  void RegenerateFocals(double multiplier);
  // After the unit system changed from `previous_units` to `units`:
  // distances that are still a stretch of the previous system's series
  // become the same stretch of the new one (from the element nearest to the
  // first to the one nearest to the last, but never closer than the lens's
  // nearest focus), so a metric lens does not show 3.94 in. in feet. A list
  // the user edited is kept.
  void FollowUnitSystem(UnitSystem previous_units, UnitSystem units);

 private:
  // Where the lens's distance ladder may start in `units`: from the first
  // value at or beyond its nearest focus, or anywhere when it has none.
  double NearestLadderDistance(UnitSystem units) const;

  Lens* lens_ = nullptr;
  std::unique_ptr<Lens> owned_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_LENS_ACCESSOR_H_
