// The shipped language file: its encoding, its languages, and a complete
// translation of every text the program shows.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "file_bytes.h"
#include "i18n/translation_source.h"
#include "i18n/translator.h"
#include "language_file_reader.h"
#include "ui_text_scanner.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const char* const kLanguages[] = {"English", "French",     "German", "Spanish",
                                  "Italian", "Portuguese", "Dutch",  "Russian"};

std::string ShippedFileBytes() {
  return testing::ReadFile(std::string(ZV_BIN_DIR) + "/Translation.lang");
}

// Keys that tune fonts rather than name a text: only the languages that
// need them carry them.
bool IsFontKey(const std::string& key) {
  return key == "ANSI_CHARSET" || key == "Tahoma" ||
         std::regex_match(key, std::regex("__[A-Za-z]+CharWidthRatio__"));
}

// "%1", "%2"... in the order they appear.
std::multiset<std::string> Placeholders(const std::string& text) {
  std::multiset<std::string> found;
  static const std::regex kPlaceholder("%[0-9]");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kPlaceholder);
       it != std::sregex_iterator(); ++it)
    found.insert(it->str());
  return found;
}

size_t LineBreaks(const std::string& text) {
  size_t count = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", at + 2))
    ++count;
  return count;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, at - start));
    start = at + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

size_t CodePoints(const std::string& utf8) {
  size_t count = 0;
  for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
  return count;
}

class ShippedLanguageFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    bytes_ = ShippedFileBytes();
    table_ = ParseLanguageFile(bytes_);
  }
  static std::string bytes_;
  static LanguageTable table_;
};
std::string ShippedLanguageFileTest::bytes_;
LanguageTable ShippedLanguageFileTest::table_;

TEST_F(ShippedLanguageFileTest, IsUtf16WithByteOrderMarkAndCrLf) {
  ASSERT_GE(bytes_.size(), 4u) << "Translation.lang was not built";
  EXPECT_EQ(bytes_.size() % 2, 0u);
  EXPECT_EQ(static_cast<unsigned char>(bytes_[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes_[1]), 0xFE);
  // Every CR is followed by LF and every LF follows a CR; the last line is
  // ended too; no empty line (it would start an entry with the empty key).
  size_t lines = 0;
  char16_t previous = 0;
  for (size_t i = 2; i + 1 < bytes_.size(); i += 2) {
    const char16_t unit =
        static_cast<char16_t>(static_cast<unsigned char>(bytes_[i]) |
                              static_cast<unsigned char>(bytes_[i + 1]) << 8);
    if (unit == u'\n') {
      ASSERT_EQ(previous, u'\r') << "bare LF at byte " << i;
      ++lines;
    } else {
      ASSERT_NE(previous, u'\r') << "bare CR at byte " << i - 2;
    }
    ASSERT_FALSE(unit == u'\r' && (previous == u'\n' || i == 2))
        << "empty line at byte " << i;
    previous = unit;
  }
  EXPECT_EQ(previous, u'\n');
  EXPECT_GT(lines, 500u);
}

// The program's own reader must see the same table as the checks here.
TEST_F(ShippedLanguageFileTest, TheProgramReadsEveryTextAsWritten) {
  Translator translator;
  ASSERT_TRUE(
      translator.Load(std::string(ZV_BIN_DIR) + "/Translation.lang").ok());
  ASSERT_EQ(translator.language_count(), 8);
  for (int language = 0; language < 8; ++language) {
    translator.SelectLanguage(language);
    EXPECT_EQ(translator.LanguageName(language), kLanguages[language]);
    for (const auto& [key, texts] : table_.entries) {
      const auto text = texts.find(language);
      EXPECT_EQ(translator.Translate(key),
                text == texts.end() ? key : text->second)
          << kLanguages[language] << ": " << key;
    }
  }
}

TEST_F(ShippedLanguageFileTest, LanguagesComeInTheFlagStripOrder) {
  EXPECT_THAT(table_.languages,
              ElementsAre("English", "French", "German", "Spanish", "Italian",
                          "Portuguese", "Dutch", "Russian"));
}

// English is the program's own language: its only texts are the licence
// and the corrected spelling of one key that keeps its old spelling; every
// other key shows as it is.
TEST_F(ShippedLanguageFileTest, EnglishCarriesOnlyTheLicenceAndOneCorrection) {
  const std::string misspelt =
      "Some values where already existing,\r\nthey have not been added.";
  for (const auto& [key, texts] : table_.entries) {
    if (key == "__licence__") continue;
    if (key == misspelt) {
      ASSERT_EQ(texts.count(0), 1u);
      EXPECT_EQ(texts.at(0),
                "Some values were already existing,\r\nthey have not been "
                "added.");
      continue;
    }
    EXPECT_EQ(texts.count(0), 0u) << "English translates \"" << key << "\"";
  }
}

// The about box draws the licence centred, without wrapping: short lines.
TEST_F(ShippedLanguageFileTest, EveryLanguageHasAShortLicence) {
  const auto& licence = table_.entries["__licence__"];
  for (int language = 0; language < 8; ++language) {
    ASSERT_EQ(licence.count(language), 1u) << kLanguages[language];
    const auto lines = Lines(licence.at(language));
    EXPECT_GE(lines.size(), 3u) << kLanguages[language];
    EXPECT_LE(lines.size(), 8u) << kLanguages[language];
    for (const std::string& line : lines)
      EXPECT_LE(CodePoints(line), 40u) << kLanguages[language] << ": " << line;
  }
  EXPECT_THAT(licence.at(0), HasSubstr("MIT"));
}

TEST_F(ShippedLanguageFileTest, RussianFontsUseTheCyrillicCharacterSet) {
  const auto& charset = table_.entries["ANSI_CHARSET"];
  ASSERT_EQ(charset.count(7), 1u);
  EXPECT_EQ(charset.at(7), "RUSSIAN_CHARSET");
  EXPECT_EQ(charset.size(), 1u) << "only Russian changes the character set";
}

// Every text the program marks with UiText, and every key of the file,
// is translated by every language but English.
TEST_F(ShippedLanguageFileTest, EveryLanguageTranslatesEveryText) {
  std::map<std::string, std::string> wanted =
      CollectUiTexts(std::filesystem::path(ZV_SOURCE_DIR) / "src");
  for (const auto& [key, texts] : table_.entries) {
    if (!IsFontKey(key)) wanted.emplace(key, "Translation.txt");
  }
  EXPECT_GT(wanted.size(), 100u);
  for (const auto& [key, where] : wanted) {
    const auto entry = table_.entries.find(key);
    for (int language = 1; language < 8; ++language) {
      const bool has = entry != table_.entries.end() &&
                       entry->second.count(language) == 1 &&
                       !entry->second.at(language).empty();
      EXPECT_TRUE(has) << kLanguages[language] << " lacks a translation of \""
                       << key << "\" (used in " << where << ")";
    }
  }
}

// A lost "%1" would drop a number from a message; an added line break
// would push a message box's text under its buttons.
TEST_F(ShippedLanguageFileTest, TranslationsKeepPlaceholdersAndLineBreaks) {
  for (const auto& [key, texts] : table_.entries) {
    if (IsFontKey(key) || key == "__licence__") continue;
    for (const auto& [language, text] : texts) {
      EXPECT_EQ(Placeholders(text), Placeholders(key))
          << kLanguages[language] << ": \"" << text << "\" for \"" << key
          << "\"";
      EXPECT_EQ(LineBreaks(text), LineBreaks(key))
          << kLanguages[language] << ": \"" << text << "\" for \"" << key
          << "\"";
    }
  }
}

TEST(UiTextScannerTest, FindsMarkedTextsAsTheProgramSpellsThem) {
  const std::string source = R"cc(
    // UiText("in a comment") is not a text of the program
    /* nor UiText("in a block comment") */
    const char* kTitle = UiText("Remove lens?");
    std::string message = UiText(
        "Do you want to remove also\r\n"
        "the associated lens\r\n%1?");
    auto quote = UiText("Say \"cheese\" \\ now");
    char c = '"';
    auto tail = UiText("after a quote character");
    auto not_a_literal = UiText(english);
    auto other = NotUiText("no");
  )cc";
  EXPECT_THAT(FindUiTexts(source),
              ElementsAre("Remove lens?",
                          "Do you want to remove also\r\nthe associated "
                          "lens\r\n%1?",
                          "Say \"cheese\" \\ now", "after a quote character"));
}

TEST(TranslationSourceTest, BuildsUtf16LinesAndDropsCommentsAndBlanks) {
  std::string error;
  const auto bytes = ConvertTranslationSource(
      "\xEF\xBB\xBF# comment\n\n[Min focal]\r\nFrench;Focale min\n"
      "Russian;\xD0\x9C\xD0\xB8\xD0\xBD;\xF0\x9F\x93\xB7",
      &error);
  ASSERT_TRUE(bytes) << error;
  // BOM, then each line in UTF-16LE with CR LF; the camera emoji (U+1F4F7)
  // becomes the surrogate pair D83D DCF7.
  const char kExpected[] =
      "\xFF\xFE"
      "[\0M\0i\0n\0 \0f\0o\0c\0a\0l\0]\0\r\0\n\0"
      "F\0r\0e\0n\0c\0h\0;\0F\0o\0c\0a\0l\0e\0 \0m\0i\0n\0\r\0\n\0"
      "R\0u\0s\0s\0i\0a\0n\0;\0\x1C\x04\x38\x04\x3D\x04;\0"
      "\x3D\xD8\xF7\xDC\r\0\n\0";
  const std::string expected(kExpected, sizeof kExpected - 1);
  EXPECT_EQ(*bytes, expected);
}

TEST(TranslationSourceTest, RejectsLinesThatWouldLoseTexts) {
  const struct {
    const char* source;
    const char* message;
  } kBad[] = {
      {"French;Focale\n", "before the first key"},
      {"[Min focal\nFrench;Focale min\n", "must end with ']'"},
      {"[Min;focal]\n", "cannot hold ';'"},
      {"[Min focal]\nFrench Focale min\n", "expected [key]"},
      {"[Min focal]\n;Focale min\n", "language name"},
      {"[Min focal]\nFrench;\n", "empty"},
      {"[Min focal]\nFrench;a\nFrench;b\n", "twice"},
      {"[Min focal]\nFrench;\xC3\x28\n", "UTF-8"},
      {"[Min focal]\nFrench;\xE0\x80\xAF\n", "UTF-8"},
      {"[Min focal]\nFrench;\xED\xA0\x80\n", "UTF-8"},
      {"[Min focal]\nFrench;\xE2\x82\n", "UTF-8"},
  };
  for (const auto& bad : kBad) {
    std::string error;
    EXPECT_FALSE(ConvertTranslationSource(bad.source, &error)) << bad.source;
    EXPECT_THAT(error, HasSubstr(bad.message)) << bad.source;
    EXPECT_THAT(error, HasSubstr("line ")) << bad.source;
  }
}

}  // namespace
}  // namespace zorvanel
