// An independent reader of the language file, to check the shipped one.
#include "language_file_reader.h"

#include "i18n/utf16.h"

namespace zorvanel {
namespace {

std::string ToUtf8(const std::u16string& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t code = units[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < units.size() &&
        units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(code, &out);
  }
  return out;
}

std::string Unescape(const std::u16string& units) {
  std::string text = ToUtf8(units);
  const std::string escape = "\\r\\n";
  for (size_t at = text.find(escape); at != std::string::npos;
       at = text.find(escape, at + 2)) {
    text.replace(at, escape.size(), "\r\n");
  }
  return text;
}

std::string KeyOf(const std::u16string& line) {
  size_t begin = 0;
  size_t end = line.size();
  while (begin < end && line[begin] == u'[') ++begin;
  while (end > begin && line[end - 1] == u']') --end;
  return Unescape(line.substr(begin, end - begin));
}

}  // namespace

LanguageTable ParseLanguageFile(const std::string& bytes) {
  LanguageTable table;
  std::map<std::string, int> numbers;
  std::string key;
  int language = -1;
  enum { kKeyOrName, kText } state = kKeyOrName;
  std::u16string collected;

  const auto finish_text = [&] {
    if (language >= 0) table.entries[key][language] = Unescape(collected);
    collected.clear();
    state = kKeyOrName;
  };
  const auto finish_key = [&] {
    key = KeyOf(collected);
    table.entries[key];
    collected.clear();
  };

  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const char16_t unit =
        static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                              static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (unit == u'\r') {
      if (state == kText) {
        finish_text();
      } else {
        finish_key();
      }
      i += 2;  // the LF, not looked at
      continue;
    }
    if (state == kKeyOrName && unit == u';') {
      const std::string name = Unescape(collected);
      const auto [it, added] =
          numbers.emplace(name, static_cast<int>(table.languages.size()));
      if (added) table.languages.push_back(name);
      language = it->second;
      collected.clear();
      state = kText;
      continue;
    }
    collected.push_back(unit);
  }
  if (!collected.empty()) {
    if (state == kText) {
      finish_text();
    } else {
      finish_key();
    }
  }
  return table;
}

}  // namespace zorvanel
