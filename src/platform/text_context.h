// The shared Pango context, cached line layouts and UTF-8 clean-up.
#ifndef ZORVANEL_PLATFORM_TEXT_CONTEXT_H_
#define ZORVANEL_PLATFORM_TEXT_CONTEXT_H_

#include <string>
#include <string_view>

typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace zorvanel {

class Font;

// The one Pango context every font and canvas of the process shares, set up
// for crisp screen text (grey antialiasing, slight hinting, whole-pixel
// metrics). Sharing it keeps font loading and metrics in one cache and makes
// a measured text exactly as wide as the drawn one.
PangoContext* SharedTextContext();

// One line of text laid out in a font, with its logical width and baseline
// in Pango units.
struct LineLayout {
  PangoLayout* layout;
  int width;
  int baseline;
};

// The layout of `line` (valid UTF-8, no line breaks) in `font`. Screens
// draw the same texts frame after frame, and shaping costs several times
// more than drawing, so recent lines are kept laid out. The answer stays
// valid until the next call.
const LineLayout& CachedLineLayout(const Font& font, std::string_view line);

// `text` when it is valid UTF-8; otherwise a copy with each bad sequence
// replaced, since Pango must never see invalid text. `storage` holds the
// copy when one is needed.
std::string_view ValidUtf8(std::string_view text, std::string* storage);

// The characters of `text`, each bad sequence one U+FFFD: what typing the
// text enters, one character at a time.
std::u32string TypedCharacters(std::string_view text);

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_TEXT_CONTEXT_H_
