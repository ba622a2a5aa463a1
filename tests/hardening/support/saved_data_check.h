// Checks a saved data file: parses, finite numbers, sound links and selection.
#ifndef ZORVANEL_TESTS_HARDENING_SUPPORT_SAVED_DATA_CHECK_H_
#define ZORVANEL_TESTS_HARDENING_SUPPORT_SAVED_DATA_CHECK_H_

#include <filesystem>
#include <string>

#include "data/zorvanel.pb.h"

namespace zorvanel::hardening {

// What a saved data file must be whatever the user did: it parses with both
// required parts, every number in it is finite, every pairing link is -1 or
// names an element that links back, and the selection is -1 or names an
// element. Returns an empty string, or what is wrong.
std::string CheckSavedData(const std::filesystem::path& file);
std::string CheckSavedData(const Zorvanel& data);

}  // namespace zorvanel::hardening

#endif  // ZORVANEL_TESTS_HARDENING_SUPPORT_SAVED_DATA_CHECK_H_
