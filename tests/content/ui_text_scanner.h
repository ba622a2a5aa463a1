// Collects the UiText("...") texts marked in the program's sources.
#ifndef ZORVANEL_TESTS_CONTENT_UI_TEXT_SCANNER_H_
#define ZORVANEL_TESTS_CONTENT_UI_TEXT_SCANNER_H_

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zorvanel {

// The English texts marked UiText("...") in one C++ source text, in order.
// Comments are skipped; adjacent literals are joined; the escapes \r \n \t
// \" \' \\ and \0 are decoded, so a key reads exactly as the program
// passes it to the translator.
std::vector<std::string> FindUiTexts(const std::string& source);

// Every UiText of the .cc and .h files under `root`, each with the first
// file that uses it (for messages).
std::map<std::string, std::string> CollectUiTexts(
    const std::filesystem::path& root);

}  // namespace zorvanel

#endif  // ZORVANEL_TESTS_CONTENT_UI_TEXT_SCANNER_H_
