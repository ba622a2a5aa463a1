// What a window tells the driver's dump about itself: named values.
#include "platform/description.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zorvanel {

void Description::Set(std::string_view name, DescriptionValue value) {
  const auto it = std::find_if(
      fields_.begin(), fields_.end(),
      [name](const DescriptionField& field) { return field.name == name; });
  if (it != fields_.end()) {
    it->value = std::move(value);
  } else {
    fields_.push_back(DescriptionField{std::string(name), std::move(value)});
  }
}

std::vector<int> RectValue(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

DescriptionValue RoundedValue(double x, double per) {
  if (!std::isfinite(x)) return nullptr;
  return std::round(x * per) / per;
}

}  // namespace zorvanel
