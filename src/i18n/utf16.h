// Converts UTF-16 to UTF-8, lone surrogates replaced.
#ifndef ZORVANEL_I18N_UTF16_H_
#define ZORVANEL_I18N_UTF16_H_

#include <string>
#include <string_view>

namespace zorvanel {

// UTF-16 code units to UTF-8. Surrogate pairs become one code point; a
// surrogate without its partner becomes U+FFFD, so the result is always
// valid UTF-8.
std::string Utf16ToUtf8(std::u16string_view units);

// Appends one code point (at most U+10FFFF) as UTF-8.
void AppendUtf8(char32_t cp, std::string* out);

}  // namespace zorvanel

#endif  // ZORVANEL_I18N_UTF16_H_
