// Converts the readable translation source into the UTF-16 language file.
#include "i18n/translation_source.h"

#include <set>
#include <string_view>
#include <vector>

namespace zorvanel {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Decodes one code point starting at `i`; advances `i`. Returns -1 when the
// bytes there are not well-formed UTF-8.
long DecodeCodePoint(const std::string& text, size_t& i) {
  const auto byte = [&](size_t k) {
    return static_cast<unsigned char>(text[k]);
  };
  const unsigned lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int extra = 0;
  long code = 0;
  long minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
    minimum = 0x10000;
  } else {
    return -1;
  }
  if (i + extra >= text.size()) return -1;
  for (int k = 1; k <= extra; ++k) {
    const unsigned next = byte(i + k);
    if ((next & 0xC0) != 0x80) return -1;
    code = (code << 6) | (next & 0x3F);
  }
  i += extra + 1;
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return -1;
  return code;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool IsBlank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

// Checks one significant line against the entry state; returns an error
// text or "".
class SourceChecker {
 public:
  std::string Check(const std::string& line) {
    if (line.front() == '[') return CheckKey(line);
    return CheckTranslation(line);
  }

 private:
  std::string CheckKey(const std::string& line) {
    if (line.back() != ']') return "a key line must end with ']'";
    if (line.find(';') != std::string::npos)
      return "a key cannot hold ';' (the reader takes it for a language name)";
    have_key_ = true;
    languages_seen_.clear();
    return "";
  }

  std::string CheckTranslation(const std::string& line) {
    const size_t semicolon = line.find(';');
    if (semicolon == std::string::npos)
      return "expected [key] or Language;text";
    if (!have_key_) return "a translation before the first key";
    const std::string language = line.substr(0, semicolon);
    if (language.empty()) return "the language name is missing";
    if (semicolon + 1 == line.size()) return "the translated text is empty";
    if (!languages_seen_.insert(language).second)
      return language + " translates this key twice";
    return "";
  }

  bool have_key_ = false;
  std::set<std::string> languages_seen_;
};

void AppendUnit(char16_t unit, std::string* out) {
  out->push_back(static_cast<char>(unit & 0xFF));
  out->push_back(static_cast<char>(unit >> 8));
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(const std::string& utf8) {
  std::u16string units;
  size_t i = 0;
  while (i < utf8.size()) {
    const long code = DecodeCodePoint(utf8, i);
    if (code < 0) return std::nullopt;
    if (code < 0x10000) {
      units.push_back(static_cast<char16_t>(code));
    } else {
      const long offset = code - 0x10000;
      units.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    }
  }
  return units;
}

std::optional<std::string> ConvertTranslationSource(const std::string& utf8,
                                                    std::string* error) {
  std::string text = utf8;
  if (text.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0)
    text.erase(0, kUtf8Bom.size());

  std::string out;
  AppendUnit(0xFEFF, &out);
  SourceChecker checker;
  int number = 0;
  for (const std::string& line : SplitLines(text)) {
    ++number;
    if (IsBlank(line) || line.front() == '#') continue;
    std::string problem = checker.Check(line);
    const auto units = Utf8ToUtf16(line);
    if (problem.empty() && !units) problem = "not valid UTF-8";
    if (!problem.empty()) {
      *error = "line " + std::to_string(number) + ": " + problem;
      return std::nullopt;
    }
    for (char16_t unit : *units) AppendUnit(unit, &out);
    AppendUnit(u'\r', &out);
    AppendUnit(u'\n', &out);
  }
  return out;
}

}  // namespace zorvanel
