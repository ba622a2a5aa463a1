// The translation table of the language file and the current language.
#include "i18n/translator.h"

#include <string_view>
#include <utility>

#include "i18n/language_file.h"
#include "platform/regular_file.h"

namespace zorvanel {

Status Translator::Load(const std::string& path) {
  Clear();
  const Expected<std::string> bytes = ReadRegularFile(path);
  if (!bytes.ok()) return bytes.status();
  LoadFromBytes(*bytes);
  return {};
}

void Translator::LoadFromBytes(std::string_view bytes) {
  Clear();
  std::map<int, std::string>* entry = nullptr;
  for (const LanguageFileLine& line : ReadLanguageLines(bytes)) {
    if (line.kind == LanguageFileLine::Kind::kKey) {
      entry = &entries_[line.key];
      continue;
    }
    // Translation lines before the first key belong to nothing: skipped,
    // without giving their language a number.
    if (entry == nullptr) continue;
    (*entry)[NumberOf(line.language)] = line.text;
  }
}

void Translator::Clear() {
  names_.clear();
  numbers_.clear();
  entries_.clear();
  language_ = 0;
}

std::string Translator::Translate(const std::string& key) const {
  const auto entry = entries_.find(key);
  if (entry == entries_.end()) return key;
  const auto text = entry->second.find(language_);
  if (text == entry->second.end()) return key;
  return text->second;
}

bool Translator::HasText(const std::string& key, int language) const {
  const auto entry = entries_.find(key);
  return entry != entries_.end() && entry->second.count(language) > 0;
}

std::string Translator::LanguageName(int language) const {
  const auto name = names_.find(language);
  return name == names_.end() ? std::string() : name->second;
}

bool Translator::SelectLanguage(int language) {
  const int previous = language_;
  language_ = names_.count(language) > 0 ? language : 0;
  return language_ != previous;
}

int Translator::NumberOf(const std::string& name) {
  const auto known = numbers_.find(name);
  if (known != numbers_.end()) return known->second;
  const int number = static_cast<int>(names_.size());
  numbers_[name] = number;
  names_[number] = name;
  return number;
}

Translator& GetTranslator() {
  static Translator translator;
  return translator;
}

Status LoadTranslations(const std::string& path) {
  return GetTranslator().Load(path);
}

std::string Translate(const std::string& key) {
  return GetTranslator().Translate(key);
}

int GetLanguage() { return GetTranslator().language(); }

int GetLanguageCount() { return GetTranslator().language_count(); }

std::string LanguageName(int language) {
  return GetTranslator().LanguageName(language);
}

std::string OwnLanguageName(int language) {
  struct OwnName {
    std::string_view file_name, own_name;
  };
  static constexpr OwnName kOwnNames[] = {
      {"English", "English"},  {"French", "Français"},
      {"German", "Deutsch"},   {"Spanish", "Español"},
      {"Italian", "Italiano"}, {"Portuguese", "Português"},
      {"Dutch", "Nederlands"}, {"Russian", "Русский"},
  };
  const std::string name = LanguageName(language);
  for (const OwnName& known : kOwnNames) {
    if (known.file_name == name) return std::string(known.own_name);
  }
  return name;
}

void SetLanguage(int language) {
  if (GetTranslator().SelectLanguage(language)) RetranslateAll();
}

std::string ReplacePlaceholder(std::string text, const char* placeholder,
                               const std::string& value) {
  const std::string_view mark(placeholder);
  if (mark.empty()) return text;
  size_t at = 0;
  while ((at = text.find(mark, at)) != std::string::npos) {
    text.replace(at, mark.size(), value);
    at += value.size();
  }
  return text;
}

std::string FillPlaceholders(std::string text,
                             std::span<const std::string> values) {
  char placeholder[] = "%1";
  for (const std::string& value : values) {
    text = ReplacePlaceholder(std::move(text), placeholder, value);
    ++placeholder[1];
  }
  return text;
}

}  // namespace zorvanel
