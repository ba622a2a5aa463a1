// What a window tells the driver's dump about itself: named values.
#ifndef ZORVANEL_PLATFORM_DESCRIPTION_H_
#define ZORVANEL_PLATFORM_DESCRIPTION_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/geometry.h"

namespace zorvanel {

class Description;
struct DescriptionField;

// A value of a description: null stands for "no value".
using DescriptionValue =
    std::variant<std::nullptr_t, bool, int, double, std::string,
                 std::vector<int>, Description, std::vector<Description>>;

// What a window tells about itself to whoever looks into the running program
// (the driver's dump): named values, some of them descriptions in turn.
// Plain data; the reader chooses how to print it.
class Description {
 public:
  // Adds the field, or replaces the value of the field of that name.
  void Set(std::string_view name, DescriptionValue value);
  const std::vector<DescriptionField>& fields() const { return fields_; }

 private:
  std::vector<DescriptionField> fields_;
};

struct DescriptionField {
  std::string name;
  DescriptionValue value;
};

// A rectangle as {left, top, width, height}.
std::vector<int> RectValue(const Rect& r);

// x rounded to 1 / per; null when it is not a number.
DescriptionValue RoundedValue(double x, double per);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_DESCRIPTION_H_
