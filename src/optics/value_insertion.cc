// The rule that keeps a lens list sorted and free of duplicates.
#include "optics/value_insertion.h"

#include <algorithm>

#include "optics/numeric.h"
#include "optics/units.h"
#include "optics/value.h"

namespace zorvanel {

double ValueKey(ValueKind kind, double stored) {
  if (kind != ValueKind::kAperture) return stored;
  return ApertureValue(static_cast<double>(static_cast<float>(stored)))
      .GetValue();
}

double StoredFromTyped(ValueKind kind, double typed, int unit_system) {
  if (kind == ValueKind::kDistance && unit_system == kImperial) {
    return ConvertLength(typed, /*to_feet=*/false);
  }
  return typed;
}

std::optional<int> InsertionIndex(std::span<const double> keys, double key) {
  if (std::any_of(keys.begin(), keys.end(),
                  [key](double k) { return IsSameValue(k, key); })) {
    return std::nullopt;
  }
  const auto greater = std::find_if(keys.begin(), keys.end(),
                                    [key](double k) { return k > key; });
  return static_cast<int>(greater - keys.begin());
}

}  // namespace zorvanel
