// Fits a comment into its label: italic, wrapped, or smaller when too wide.
#ifndef ZORVANEL_DIALOGS_LABEL_FITTING_H_
#define ZORVANEL_DIALOGS_LABEL_FITTING_H_

#include <string>

#include "controls/custom_static.h"
#include "platform/geometry.h"

namespace zorvanel {

// Gives an italic label `text` so that it fits `box` where it can. Labels do
// not wrap, and a comment in another language, or on a small screen, can be
// wider than the label. A line too wide is wrapped at spaces into even
// lines when they fit the box; failing that the smaller normal style is
// used, wrapped too, so that as much as possible shows.
void SetFittingText(CCustomStatic& label, const std::string& text, Size box);

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_LABEL_FITTING_H_
