// An English text with its translation, redone when the language changes.
#ifndef ZORVANEL_I18N_TRANSLATED_STRING_H_
#define ZORVANEL_I18N_TRANSLATED_STRING_H_

#include <cstddef>
#include <string>

namespace zorvanel {

// Marks an English interface text in the source. It is the translation key;
// the translation check of the tests collects every UiText("...") of src/ and
// makes sure each language of the shipped language file translates it.
constexpr const char* UiText(const char* english) { return english; }

// An English key with its translation in the current language. Every live
// object is in a process-wide registry, so a change of language re-translates
// all of them at once (RetranslateAll).
class TranslatedString {
 public:
  TranslatedString();
  explicit TranslatedString(const std::string& key);
  TranslatedString(const TranslatedString& other);
  TranslatedString& operator=(const TranslatedString& other);
  ~TranslatedString();

  // Stores the key and translates it at once.
  void SetKey(const std::string& key);
  const std::string& key() const { return key_; }
  // The translation shown (the key itself where the language has none).
  const std::string& text() const { return text_; }
  // True when the current language has its own text for the key.
  bool HasTranslation() const { return text_ != key_; }

  // Sets text = Translate(key) again; called by RetranslateAll.
  void Retranslate();

 private:
  std::string text_;
  std::string key_;
};

// Number of live TranslatedString objects in the registry (for tests).
size_t TranslatedStringCount();

}  // namespace zorvanel

#endif  // ZORVANEL_I18N_TRANSLATED_STRING_H_
