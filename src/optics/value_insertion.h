// The rule that keeps a lens list sorted and free of duplicates.
#ifndef ZORVANEL_OPTICS_VALUE_INSERTION_H_
#define ZORVANEL_OPTICS_VALUE_INSERTION_H_

#include <optional>
#include <span>

namespace zorvanel {

// Which list of a lens a value belongs to.
enum class ValueKind {
  kFocal,     // millimetres
  kAperture,  // nominal f-numbers (f/N stored as N)
  kDistance,  // metres
};

// The rule that keeps a lens list sorted and free of duplicates, apart from
// any window. A list is compared by keys: the real f-number for apertures
// (so two typed numbers that fall on the same sixth of a stop are the same
// aperture), the stored number itself otherwise.

// The key a stored value is compared by. An aperture is narrowed to single
// precision first, as the wheels and the list rows do, so the key is the
// real f-number the row shows.
double ValueKey(ValueKind kind, double stored);

// What a typed number stores: a distance typed while imperial units are in
// force is in feet and is stored in metres; everything else as typed.
double StoredFromTyped(ValueKind kind, double typed, int unit_system);

// Where a value with `key` goes among rows with `keys` (in row order): before
// the first row with a greater key, or at the end (keys.size()). Nothing
// (std::nullopt) when any row already has that key (IsSameValue: binary
// noise apart, as in a focal length computed through a multiplier): a list
// loaded out of order could otherwise take a second copy behind a greater
// value.
std::optional<int> InsertionIndex(std::span<const double> keys, double key);

}  // namespace zorvanel

#endif  // ZORVANEL_OPTICS_VALUE_INSERTION_H_
