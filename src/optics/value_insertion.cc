#include "optics/value_insertion.h"

#include <algorithm>

#include "optics/decimal.h"
#include "optics/numeric.h"
#include "optics/units.h"
#include "optics/value.h"

namespace zorvanel {
namespace {

constexpr double kMaximumFocal = 10000.0;      // millimetres
constexpr double kMaximumAperture = 1000.0;    // f-number
constexpr double kMaximumDistance = 100000.0;  // metres

}  // namespace

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

double MaximumValue(ValueKind kind) {
  switch (kind) {
    case ValueKind::kFocal:
      return kMaximumFocal;
    case ValueKind::kAperture:
      return kMaximumAperture;
    case ValueKind::kDistance:
      return kMaximumDistance;
  }
  return kMaximumFocal;
}

bool IsAcceptableValue(ValueKind kind, double stored) {
  return IsFiniteNumber(stored) && stored > kMinimumValue &&
         stored <= MaximumValue(kind);
}

}  // namespace zorvanel
