// Splits the UTF-16 language file into key lines and translation lines.
#ifndef ZORVANEL_I18N_LANGUAGE_FILE_H_
#define ZORVANEL_I18N_LANGUAGE_FILE_H_

#include <string>
#include <string_view>
#include <vector>

namespace zorvanel {

// One line of the language file, already decoded to UTF-8 with the escape
// "\r\n" (backslash r backslash n) turned into a real line break.
struct LanguageFileLine {
  enum class Kind { kKey, kTranslation };
  Kind kind = Kind::kKey;
  std::string key;  // kKey: brackets removed ("[Min focal]" -> "Min focal")
  std::string language;  // kTranslation: the text before the first ';'
  std::string text;      // kTranslation: the rest, ';' included
};

// Splits the bytes of a language file (UTF-16 little-endian after a 2-byte
// byte-order mark that is not examined) into key and translation lines.
// A line ends at CR, and the unit after the CR (the LF) is skipped unread.
// A line holding a ';' is a translation line; any other line, an empty one
// too, is a key line. A last line without CR LF counts; an odd final byte is
// ignored.
std::vector<LanguageFileLine> ReadLanguageLines(std::string_view bytes);

}  // namespace zorvanel

#endif  // ZORVANEL_I18N_LANGUAGE_FILE_H_
