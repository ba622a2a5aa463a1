// Splits the UTF-16 language file into key lines and translation lines.
#include "i18n/language_file.h"

#include <utility>

#include "i18n/utf16.h"

namespace zorvanel {
namespace {

constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kSemicolon = u';';
constexpr size_t kByteOrderMarkSize = 2;

// The file's only escape: lets keys carry the program's line breaks.
std::string Unescape(std::string text) {
  static constexpr std::string_view kEscape = "\\r\\n";
  size_t at = 0;
  while ((at = text.find(kEscape, at)) != std::string::npos) {
    text.replace(at, kEscape.size(), "\r\n");
    at += 2;
  }
  return text;
}

std::string KeyFrom(std::u16string_view units) {
  while (!units.empty() && units.front() == u'[') units.remove_prefix(1);
  while (!units.empty() && units.back() == u']') units.remove_suffix(1);
  return Unescape(Utf16ToUtf8(units));
}

class LineSplitter {
 public:
  explicit LineSplitter(std::vector<LanguageFileLine>* lines) : lines_(lines) {}

  // Returns true when the unit ended a line (the caller skips the LF).
  bool Take(char16_t unit) {
    if (unit == kCarriageReturn) {
      EndLine();
      return true;
    }
    if (!in_text_ && unit == kSemicolon) {
      language_ = Unescape(Utf16ToUtf8(collected_));
      collected_.clear();
      in_text_ = true;
      return false;
    }
    collected_.push_back(unit);
    return false;
  }

  // A last line without CR LF counts when it holds anything.
  void Finish() {
    if (in_text_ || !collected_.empty()) EndLine();
  }

 private:
  void EndLine() {
    LanguageFileLine line;
    if (in_text_) {
      line.kind = LanguageFileLine::Kind::kTranslation;
      line.language = std::move(language_);
      line.text = Unescape(Utf16ToUtf8(collected_));
    } else {
      line.kind = LanguageFileLine::Kind::kKey;
      line.key = KeyFrom(collected_);
    }
    lines_->push_back(std::move(line));
    collected_.clear();
    language_.clear();
    in_text_ = false;
  }

  std::vector<LanguageFileLine>* lines_;
  std::u16string collected_;
  std::string language_;
  bool in_text_ = false;  // after the language name's ';'
};

}  // namespace

std::vector<LanguageFileLine> ReadLanguageLines(std::string_view bytes) {
  std::vector<LanguageFileLine> lines;
  LineSplitter splitter(&lines);
  bool skip_next = false;
  for (size_t at = kByteOrderMarkSize; at + 1 < bytes.size(); at += 2) {
    const char16_t unit =
        static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                              (static_cast<unsigned char>(bytes[at + 1]) << 8));
    if (skip_next) {
      skip_next = false;
      continue;
    }
    skip_next = splitter.Take(unit);
  }
  splitter.Finish();
  return lines;
}

}  // namespace zorvanel
