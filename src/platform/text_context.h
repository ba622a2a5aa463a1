#ifndef ZORVANEL_PLATFORM_TEXT_CONTEXT_H_
#define ZORVANEL_PLATFORM_TEXT_CONTEXT_H_

#include <string>
#include <string_view>

typedef struct _PangoContext PangoContext;

namespace zorvanel {

// The one Pango context every font and canvas of the process shares, set up
// for crisp screen text (grey antialiasing, slight hinting, whole-pixel
// metrics). Sharing it keeps font loading and metrics in one cache and makes
// a measured text exactly as wide as the drawn one.
PangoContext* SharedTextContext();

// `text` when it is valid UTF-8; otherwise a copy with each bad sequence
// replaced, since Pango must never see invalid text. `storage` holds the
// copy when one is needed.
std::string_view ValidUtf8(std::string_view text, std::string* storage);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_TEXT_CONTEXT_H_
