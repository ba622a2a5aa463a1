// Prints a screen size as 480x640 in failures and test names.
#ifndef ZORVANEL_TESTS_SUPPORT_PRINT_SIZE_H_
#define ZORVANEL_TESTS_SUPPORT_PRINT_SIZE_H_

#include <ostream>

#include "platform/geometry.h"

namespace zorvanel {

// Failures and the names of tests over screen sizes
// (::testing::PrintToStringParamName()) show a size as "480x640".
inline void PrintTo(const Size& size, std::ostream* out) {
  *out << size.width << "x" << size.height;
}

}  // namespace zorvanel

#endif  // ZORVANEL_TESTS_SUPPORT_PRINT_SIZE_H_
