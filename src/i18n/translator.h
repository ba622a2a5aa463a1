// The translation table of the language file and the current language.
#ifndef ZORVANEL_I18N_TRANSLATOR_H_
#define ZORVANEL_I18N_TRANSLATOR_H_

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace zorvanel {

// The translation table read from the language file: languages numbered in
// the order their names first appear, and for each English key its text per
// language. Keys and names compare exactly (case included).
class Translator {
 public:
  Translator() = default;
  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;

  // Replaces the tables by the content of the file; the current language
  // becomes 0. A file that cannot be read (ReadRegularFile, with its
  // failures) leaves the tables empty.
  Status Load(const std::string& path);
  // Same from the file's bytes.
  void LoadFromBytes(std::string_view bytes);
  // Empty tables, language 0.
  void Clear();

  // The key's text in the current language, or the key itself.
  std::string Translate(const std::string& key) const;
  bool HasText(const std::string& key, int language) const;

  int language() const { return language_; }
  int language_count() const { return static_cast<int>(names_.size()); }
  // The name of a language as written in the file; empty when unknown.
  std::string LanguageName(int language) const;
  // Selects the language, or language 0 when no such language was read.
  // Returns true when the current language changed.
  bool SelectLanguage(int language);

 private:
  int NumberOf(const std::string& name);

  std::map<int, std::string> names_;
  std::map<std::string, int> numbers_;
  std::map<std::string, std::map<int, std::string>> entries_;
  int language_ = 0;
};

// The process-wide table.
Translator& GetTranslator();

// Shorthands on GetTranslator() used across the program.
Status LoadTranslations(const std::string& path);
std::string Translate(const std::string& key);
int GetLanguage();
int GetLanguageCount();
std::string LanguageName(int language);
// The language's name as its speakers write it ("Français" for "French");
// the file's name for a language the program does not know.
std::string OwnLanguageName(int language);
// Selects the language (0 when unknown) and re-translates every
// TranslatedString when the selection changed.
void SetLanguage(int language);
// Every live TranslatedString takes the text of its key in the current
// language again.
void RetranslateAll();

// Replaces every `placeholder` ("%1", "%2") in an already translated text.
std::string ReplacePlaceholder(std::string text, const char* placeholder,
                               const std::string& value);

// Fills "%1" with the first value, then "%2" with the second, and so on
// (at most nine).
std::string FillPlaceholders(std::string text,
                             std::span<const std::string> values);

// The key's text in the current language with its placeholders filled:
// Tr(UiText("%1 camera(s)"), "3").
template <typename... Values>
std::string Tr(const std::string& key, const Values&... values) {
  const std::array<std::string, sizeof...(Values)> filled{
      std::string(values)...};
  return FillPlaceholders(Translate(key), filled);
}

}  // namespace zorvanel

#endif  // ZORVANEL_I18N_TRANSLATOR_H_
