// Builds language file bytes in memory: UTF-16LE after the byte-order mark.
#ifndef ZORVANEL_TESTS_SUPPORT_LANGUAGE_FILE_BYTES_H_
#define ZORVANEL_TESTS_SUPPORT_LANGUAGE_FILE_BYTES_H_

#include <string>
#include <string_view>

// Language files in memory, as the program reads them: UTF-16LE after the
// byte-order mark FF FE.
namespace zorvanel::testing {

// The code units as given, each little-endian.
inline std::string LanguageFileUnits(std::u16string_view units) {
  std::string bytes = "\xFF\xFE";
  for (char16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

// ASCII lines ended by '\n', written with CR LF line ends.
inline std::string LanguageFile(std::string_view ascii_lines) {
  std::u16string units;
  for (char c : ascii_lines) {
    if (c == '\n') units += u'\r';
    units += static_cast<char16_t>(static_cast<unsigned char>(c));
  }
  return LanguageFileUnits(units);
}

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_LANGUAGE_FILE_BYTES_H_
