// Collects the UiText("...") texts marked in the program's sources.
#include "ui_text_scanner.h"

#include <cctype>
#include <optional>

#include "file_bytes.h"
#include "language_file_reader.h"

namespace zorvanel {
namespace {

constexpr std::string_view kMarker = "UiText";

class Scanner {
 public:
  explicit Scanner(const std::string& source) : text_(source) {}

  std::vector<std::string> Run() {
    std::vector<std::string> found;
    while (pos_ < text_.size()) {
      if (SkipComment()) continue;
      const char c = text_[pos_];
      if (c == '"') {
        ReadLiteral();
      } else if (c == '\'') {
        SkipCharLiteral();
      } else if (IsIdentifierStart(c)) {
        const std::string_view word = ReadIdentifier();
        if (word == kMarker) {
          if (auto key = ReadMarkedText()) found.push_back(*key);
        }
      } else {
        ++pos_;
      }
    }
    return found;
  }

 private:
  static bool IsIdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
  }
  static bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  }

  bool SkipComment() {
    if (text_.compare(pos_, 2, "//") == 0) {
      const size_t end = text_.find('\n', pos_);
      pos_ = end == std::string::npos ? text_.size() : end + 1;
      return true;
    }
    if (text_.compare(pos_, 2, "/*") == 0) {
      const size_t end = text_.find("*/", pos_ + 2);
      pos_ = end == std::string::npos ? text_.size() : end + 2;
      return true;
    }
    return false;
  }

  void SkipBlanksAndComments() {
    while (pos_ < text_.size()) {
      if (SkipComment()) continue;
      if (!std::isspace(static_cast<unsigned char>(text_[pos_]))) return;
      ++pos_;
    }
  }

  std::string_view ReadIdentifier() {
    const size_t start = pos_;
    while (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) ++pos_;
    return std::string_view(text_).substr(start, pos_ - start);
  }

  // After the marker: '(' and one or more adjacent string literals.
  std::optional<std::string> ReadMarkedText() {
    SkipBlanksAndComments();
    if (pos_ >= text_.size() || text_[pos_] != '(') return std::nullopt;
    ++pos_;
    SkipBlanksAndComments();
    if (pos_ >= text_.size() || text_[pos_] != '"') return std::nullopt;
    std::string key;
    while (pos_ < text_.size() && text_[pos_] == '"') {
      key += ReadLiteral();
      SkipBlanksAndComments();
    }
    return key;
  }

  // Reads "..." at pos_ and returns its decoded content.
  std::string ReadLiteral() {
    std::string value;
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      char c = text_[pos_++];
      if (c == '\\' && pos_ < text_.size()) c = Decode(text_[pos_++]);
      value.push_back(c);
    }
    ++pos_;
    return value;
  }

  void SkipCharLiteral() {
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '\'') {
      if (text_[pos_] == '\\') ++pos_;
      ++pos_;
    }
    ++pos_;
  }

  static char Decode(char escaped) {
    switch (escaped) {
      case 'r':
        return '\r';
      case 'n':
        return '\n';
      case 't':
        return '\t';
      case '0':
        return '\0';
      default:
        return escaped;  // \" \' \\ and anything unusual stand for themselves
    }
  }

  const std::string& text_;
  size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> FindUiTexts(const std::string& source) {
  return Scanner(source).Run();
}

std::map<std::string, std::string> CollectUiTexts(
    const std::filesystem::path& root) {
  std::map<std::string, std::string> texts;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    const auto extension = item.path().extension();
    if (!item.is_regular_file() || (extension != ".cc" && extension != ".h"))
      continue;
    const std::string file =
        std::filesystem::relative(item.path(), root).string();
    for (const std::string& key : FindUiTexts(testing::ReadFile(item.path())))
      texts.emplace(key, file);
  }
  return texts;
}

}  // namespace zorvanel
