// A message box text as the one line it was written as, for comparisons.
#ifndef ZORVANEL_TESTS_SUPPORT_MESSAGE_TEXT_H_
#define ZORVANEL_TESTS_SUPPORT_MESSAGE_TEXT_H_

#include <string>

namespace zorvanel::testing {

// A message as the one line it was written as: the message box breaks a
// line too wide for the screen at its spaces.
inline std::string Unwrapped(std::string text) {
  for (size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", at)) {
    text.replace(at, 2, " ");
  }
  return text;
}

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_MESSAGE_TEXT_H_
