// Converts the readable translation source into the UTF-16 language file.
#ifndef ZORVANEL_TOOLS_I18N_TRANSLATION_SOURCE_H_
#define ZORVANEL_TOOLS_I18N_TRANSLATION_SOURCE_H_

#include <optional>
#include <string>

namespace zorvanel {

// Turns the readable translation source (UTF-8, any line ends) into the
// bytes of Translation.lang: UTF-16LE with a byte-order mark, CR LF after
// every line.
//
// The source uses the language file's own grammar, one line each:
//   [English text]          a key; "\r\n" stands for a line break
//   Language;translated     a translation of the key above
// plus what the program's reader cannot afford and the source needs:
// lines starting with '#' are comments and blank lines are ignored (in the
// shipped file an empty line would start an entry with the empty key). The
// source is checked so that a mistake fails the build instead of silently
// losing texts: keys must stand in brackets and hold no ';', a translation
// needs a key above it, a language name and a non-empty text, a language may
// translate a key once, and the text must be valid UTF-8.
// Returns nothing and sets `error` (with the line number) on a bad line.
std::optional<std::string> ConvertTranslationSource(const std::string& utf8,
                                                    std::string* error);

// UTF-8 to UTF-16LE code units (surrogate pairs above U+FFFF). Returns
// nothing for malformed UTF-8 (overlong forms, surrogates, truncation).
std::optional<std::u16string> Utf8ToUtf16(const std::string& utf8);

}  // namespace zorvanel

#endif  // ZORVANEL_TOOLS_I18N_TRANSLATION_SOURCE_H_
