// Tests of the translator: languages, lookups, retranslation, placeholders.
#include "i18n/translator.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>

#include "i18n/translated_string.h"
#include "language_file_bytes.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

std::string FileOf(std::u16string_view text) {
  return testing::LanguageFileUnits(text);
}

// French is language 0, German language 1.
constexpr char16_t kTwoLanguages[] =
    u"[Exit]\r\nFrench;Quitter\r\nGerman;Beenden\r\n"
    u"[Distance]\r\nGerman;Entfernung\r\n"
    u"[Already there.\\r\\nNot added.]\r\nFrench;D\u00E9j\u00E0 l\u00E0.\r\n"
    u"[Version: %1]\r\nFrench;Version : %1\r\n";

class TranslatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GetTranslator().LoadFromBytes(FileOf(kTwoLanguages));
  }
  void TearDown() override {
    GetTranslator().Clear();
    RetranslateAll();
  }
};

TEST_F(TranslatorTest, LanguagesNumberedInOrderOfAppearance) {
  EXPECT_EQ(GetLanguageCount(), 2);
  EXPECT_EQ(LanguageName(0), "French");
  EXPECT_EQ(LanguageName(1), "German");
  EXPECT_EQ(LanguageName(2), "");
  EXPECT_EQ(GetLanguage(), 0);
}

TEST_F(TranslatorTest, LookupFallsBackToTheKey) {
  EXPECT_EQ(Translate("Exit"), "Quitter");
  EXPECT_EQ(Translate("Distance"), "Distance");  // no French text
  EXPECT_EQ(Translate("exit"), "exit");          // case counts
  EXPECT_EQ(Translate("Unknown"), "Unknown");
  SetLanguage(1);
  EXPECT_EQ(Translate("Exit"), "Beenden");
  EXPECT_EQ(Translate("Distance"), "Entfernung");
}

TEST_F(TranslatorTest, LineBreakKeysMatchTheEscapedFileKey) {
  EXPECT_EQ(Translate("Already there.\r\nNot added."),
            "D\xC3\xA9j\xC3\xA0 l\xC3\xA0.");
  EXPECT_EQ(Translate("Already there.\\r\\nNot added."),
            "Already there.\\r\\nNot added.");
}

TEST_F(TranslatorTest, UnknownLanguageSelectsTheFirst) {
  SetLanguage(1);
  SetLanguage(2);
  EXPECT_EQ(GetLanguage(), 0);
  SetLanguage(-1);
  EXPECT_EQ(GetLanguage(), 0);
}

TEST_F(TranslatorTest, StringsFollowTheLanguage) {
  TranslatedString exit_text("Exit");
  TranslatedString distance("Distance");
  EXPECT_EQ(exit_text.text(), "Quitter");
  EXPECT_TRUE(exit_text.HasTranslation());
  EXPECT_EQ(distance.text(), "Distance");
  EXPECT_FALSE(distance.HasTranslation());

  SetLanguage(1);
  EXPECT_EQ(exit_text.text(), "Beenden");
  EXPECT_EQ(distance.text(), "Entfernung");
  EXPECT_EQ(distance.key(), "Distance");
  SetLanguage(0);
  EXPECT_EQ(distance.text(), "Distance");

  TranslatedString later;
  EXPECT_EQ(later.text(), "");
  later.SetKey("Exit");
  EXPECT_EQ(later.text(), "Quitter");
}

TEST_F(TranslatorTest, RetranslationOnlyWhenTheLanguageChanges) {
  TranslatedString exit_text("Exit");
  // New tables without retranslating: the string keeps its old text until
  // the language really changes.
  GetTranslator().LoadFromBytes(
      FileOf(u"[Exit]\r\nFrench;Sortir\r\nGerman;Ende\r\n"));
  SetLanguage(0);
  EXPECT_EQ(exit_text.text(), "Quitter");
  SetLanguage(1);
  EXPECT_EQ(exit_text.text(), "Ende");
}

TEST_F(TranslatorTest, CopiesAreRegisteredAndDestroyedOnesForgotten) {
  const size_t before = TranslatedStringCount();
  TranslatedString copy_target;
  {
    TranslatedString original("Exit");
    auto copy = std::make_unique<TranslatedString>(original);
    EXPECT_EQ(TranslatedStringCount(), before + 3);
    copy_target = *copy;
    copy.reset();
    EXPECT_EQ(TranslatedStringCount(), before + 2);
  }
  EXPECT_EQ(TranslatedStringCount(), before + 1);
  // The assigned-to string keeps its own registration and follows changes.
  SetLanguage(1);
  EXPECT_EQ(copy_target.key(), "Exit");
  EXPECT_EQ(copy_target.text(), "Beenden");
}

TEST_F(TranslatorTest, PlaceholdersAreReplacedInTheTranslation) {
  TranslatedString version("Version: %1");
  EXPECT_EQ(ReplacePlaceholder(version.text(), "%1", "1.6"), "Version : 1.6");
  EXPECT_EQ(ReplacePlaceholder("Real %1 is displayed %2", "%2", "35 mm"),
            "Real %1 is displayed 35 mm");
  EXPECT_EQ(ReplacePlaceholder("%1-%1", "%1", "%1x"), "%1x-%1x");
  EXPECT_EQ(ReplacePlaceholder("abc", "", "x"), "abc");
  // Tr translates, then fills %1, %2 in order.
  EXPECT_EQ(Tr("Version: %1", "1.6"), "Version : 1.6");
  EXPECT_EQ(Tr("Real %1 is displayed %2", "50 mm", "75 mm"),
            "Real 50 mm is displayed 75 mm");
}

TEST(TranslatorFileTest, GrammarCornersOfTheTable) {
  Translator translator;
  translator.LoadFromBytes(
      FileOf(u"Early;ignored\r\n"  // before any key: no language
             u"[k]\r\nFrench;one\r\nFrench;two\r\n"  // later line replaces
             u"[other]\r\nGerman;x\r\n"
             u"[k]\r\nGerman;zwei\r\n"));  // repeated key continues
  EXPECT_EQ(translator.language_count(), 2);
  EXPECT_EQ(translator.LanguageName(0), "French");
  EXPECT_EQ(translator.Translate("k"), "two");
  translator.SelectLanguage(1);
  EXPECT_EQ(translator.Translate("k"), "zwei");
  EXPECT_FALSE(translator.HasText("other", 0));
}

TEST(TranslatorFileTest, MissingFileLeavesEverythingEnglish) {
  Translator translator;
  translator.LoadFromBytes(FileOf(u"[k]\r\nFrench;x\r\n"));
  EXPECT_EQ(translator.Load("/nonexistent/Translation.lang").error(), ENOENT);
  EXPECT_EQ(translator.language_count(), 0);
  EXPECT_EQ(translator.Translate("k"), "k");
  EXPECT_FALSE(translator.SelectLanguage(3));
  EXPECT_EQ(translator.language(), 0);
}

TEST(TranslatorFileTest, LoadsTheFileFromDisk) {
  const testing::ScratchFolder folder;
  const std::string path = (folder / "Translation.lang").string();
  testing::WriteFile(path, FileOf(kTwoLanguages));
  EXPECT_TRUE(LoadTranslations(path).ok());
  EXPECT_EQ(GetLanguageCount(), 2);
  EXPECT_EQ(Translate("Exit"), "Quitter");
  GetTranslator().Clear();
}

}  // namespace
}  // namespace zorvanel
