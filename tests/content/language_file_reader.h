// An independent reader of the language file, to check the shipped one.
#ifndef ZORVANEL_TESTS_CONTENT_LANGUAGE_FILE_READER_H_
#define ZORVANEL_TESTS_CONTENT_LANGUAGE_FILE_READER_H_

#include <map>
#include <string>
#include <vector>

namespace zorvanel {

// What a reader of the language file gets out of it: the languages by
// number and, for each key, its texts by language number. Keys and texts
// are UTF-8 with the \r\n escape already turned into CR LF.
struct LanguageTable {
  std::vector<std::string> languages;
  std::map<std::string, std::map<int, std::string>> entries;
};

// Reads the bytes of a Translation.lang by the file's own rules (byte-order
// mark skipped, UTF-16LE units, lines ended by CR and one more unit, ';'
// after a language name, brackets stripped from keys). Written apart from
// the program's reader so that the shipped file is checked on its own.
LanguageTable ParseLanguageFile(const std::string& bytes);

}  // namespace zorvanel

#endif  // ZORVANEL_TESTS_CONTENT_LANGUAGE_FILE_READER_H_
