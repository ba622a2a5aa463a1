#ifndef ZORVANEL_DIALOGS_VALUE_INSERTION_H_
#define ZORVANEL_DIALOGS_VALUE_INSERTION_H_

#include <optional>
#include <span>

namespace zorvanel {

// Which list of a lens a value belongs to.
enum class ValueKind : int {
  kFocal = 0,     // millimetres
  kAperture = 1,  // nominal f-numbers (f/N stored as N)
  kDistance = 2,  // metres
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

// Every value a user enters must be above kMinimumValue and finite; the
// upper bounds keep typing slips (an extra digit, "1e300") out of the data:
// 10000 mm for focal lengths, f/1000 for apertures, 100 km for distances.
inline constexpr double kMinimumValue = 0.001;
double MaximumValue(ValueKind kind);
bool IsAcceptableValue(ValueKind kind, double stored);

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_VALUE_INSERTION_H_
