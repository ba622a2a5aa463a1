// The names of cameras and lenses: joined for display, split from entry.
#ifndef ZORVANEL_DATA_NAMES_H_
#define ZORVANEL_DATA_NAMES_H_

#include <string>

#include "data/zorvanel.pb.h"

namespace zorvanel {

// How the two parts of a name are joined, by where the name is shown.
enum class NameSeparator {
  kSpace,      // " ": lists, titles, the main screen
  kLineBreak,  // "\r\n": the two-line buttons of the equipment screen
  kEscaped,    // backslash + 'n' (two characters): the name entry field
};

// maker, separator, model; either part alone when the other is empty.
std::string DisplayName(const Camera& camera, NameSeparator separator);
std::string DisplayName(const Lens& lens, NameSeparator separator);

// The name as lists, buttons and questions show it: DisplayName, or the
// translation of "(no name)" when it holds nothing but blanks, so that a
// nameless camera still has a row to tap and a question still names it.
std::string ShownName(const Camera& camera, NameSeparator separator);
std::string ShownName(const Lens& lens, NameSeparator separator);

// Splits an entered name at the first backslash + 'n': the text before it is
// the maker, the text after it the model. Without one, the maker is emptied
// and the whole text is the model.
void SplitName(Camera* camera, const std::string& text);
void SplitName(Lens* lens, const std::string& text);

}  // namespace zorvanel

#endif  // ZORVANEL_DATA_NAMES_H_
