// Fuzz input as a language file: every language selected, texts looked up.
#include <algorithm>
#include <string>

#include "fuzz_harness.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"

namespace zorvanel::fuzz {
namespace {

// Keys the program looks up, the special ones of the file among them.
constexpr const char* kKeys[] = {"Exit",
                                 "Options...",
                                 "%1 mm",
                                 "__licence__",
                                 "ANSI_CHARSET",
                                 "Tahoma",
                                 "__MainCharWidthRatio__",
                                 ""};

// Fonts are real Pango fonts; making them for a few languages is enough.
constexpr int kLanguagesWithFonts = 2;
constexpr int kMaxLanguagesChecked = 16;

void DefineFonts(FontTable& fonts) {
  fonts.Clear();
  fonts.DefineFont("Main", {.height = -25});
  fonts.DefineFont("Wheel", {.height = -14,
                             .weight = 700,
                             .italic = true,
                             .underline = true,
                             .strikeout = true});
}

std::string CheckLanguage(int language, FontTable& fonts) {
  SetLanguage(language);
  if (!IsValidUtf8(LanguageName(language)))
    return "a language name is not UTF-8";
  for (const char* key : kKeys) {
    const std::string text = Translate(key);
    if (!IsValidUtf8(text)) return "a translation is not UTF-8";
    if (!IsValidUtf8(ReplacePlaceholder(text, "%1", "35"))) {
      return "a filled-in translation is not UTF-8";
    }
  }
  for (const char* name : {"Main", "Wheel"}) {
    if (fonts.FontDescription(name).empty())
      return "a font lost its definition";
    if (language < kLanguagesWithFonts && fonts.GetFont(name) == nullptr) {
      return "a defined font could not be made";
    }
  }
  return {};
}

}  // namespace

std::string FeedLanguageFile(std::string_view bytes) {
  Translator& translator = GetTranslator();
  translator.LoadFromBytes(bytes);
  RetranslateAll();
  FontTable& fonts = GetFontTable();
  DefineFonts(fonts);

  const int count = translator.language_count();
  if (count < 0) return "a negative number of languages";
  std::string problem;
  // One past the end and -1 must fall back to language 0.
  for (int language = -1;
       problem.empty() && language <= std::min(count, kMaxLanguagesChecked);
       ++language) {
    problem = CheckLanguage(language, fonts);
    const int expected = language >= 0 && language < count ? language : 0;
    if (problem.empty() && GetLanguage() != expected) {
      problem = "an unknown language was not replaced by language 0";
    }
  }
  translator.Clear();
  RetranslateAll();
  fonts.Clear();
  return problem;
}

}  // namespace zorvanel::fuzz
