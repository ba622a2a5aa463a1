// A PNG sheet of every skin picture and the pictures in use, for review.
#ifndef ZORVANEL_TOOLS_SKINS_CONTACT_SHEET_H_
#define ZORVANEL_TOOLS_SKINS_CONTACT_SHEET_H_

#include <memory>
#include <string>
#include <vector>

#include "picture.h"

namespace zorvanel::skingen {

// One PNG that shows every picture at its own size, then the pictures in
// use: the wheel and the panel stretched, a mock main screen, the nine-slice
// skins at typical control sizes with their icons in every state.
bool WriteContactSheet(const std::vector<std::unique_ptr<Picture>>& pictures,
                       const std::string& path);

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_CONTACT_SHEET_H_
