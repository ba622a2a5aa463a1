// Tests of reading language file lines, and of UTF-16 to UTF-8 conversion.
#include "i18n/language_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/utf16.h"
#include "language_file_bytes.h"

namespace zorvanel {
namespace {

std::string FileOf(std::u16string_view text) {
  return testing::LanguageFileUnits(text);
}

// "K:key" or "T:language=text", to compare whole files at a glance.
std::vector<std::string> Read(std::u16string_view text) {
  std::vector<std::string> out;
  for (const LanguageFileLine& line : ReadLanguageLines(FileOf(text))) {
    out.push_back(line.kind == LanguageFileLine::Kind::kKey
                      ? "K:" + line.key
                      : "T:" + line.language + "=" + line.text);
  }
  return out;
}

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(LanguageFileTest, KeyAndTranslationLines) {
  EXPECT_THAT(Read(u"[Min focal]\r\nFrench;Focale min\r\n"
                   u"German;Min. Brennweite\r\n"),
              ElementsAre("K:Min focal", "T:French=Focale min",
                          "T:German=Min. Brennweite"));
}

TEST(LanguageFileTest, BracketsAreOptionalAndAllStripped) {
  EXPECT_THAT(Read(u"Exit\r\n[[x]]\r\n[a]b]\r\n"),
              ElementsAre("K:Exit", "K:x", "K:a]b"));
}

TEST(LanguageFileTest, OnlyTheFirstSemicolonSeparates) {
  EXPECT_THAT(Read(u"German;a;b\r\n"), ElementsAre("T:German=a;b"));
  // A bracketed line with a ';' is a translation line, not a key.
  EXPECT_THAT(Read(u"[A;B]\r\n"), ElementsAre("T:[A=B]"));
}

TEST(LanguageFileTest, EmptyLineIsTheEmptyKey) {
  EXPECT_THAT(Read(u"[k]\r\n\r\nFrench;x\r\n"),
              ElementsAre("K:k", "K:", "T:French=x"));
}

TEST(LanguageFileTest, EscapedLineBreakInEveryPart) {
  EXPECT_THAT(Read(u"[One\\r\\nTwo]\r\nFr\\r\\n;Un\\r\\nDeux\r\n"),
              ElementsAre("K:One\r\nTwo", "T:Fr\r\n=Un\r\nDeux"));
  // A backslash and 'n' alone stays as it is.
  EXPECT_THAT(Read(u"[a\\nb]\r\n"), ElementsAre("K:a\\nb"));
}

TEST(LanguageFileTest, LastLineWithoutLineEnd) {
  EXPECT_THAT(Read(u"[k]\r\nFrench;x"), ElementsAre("K:k", "T:French=x"));
  EXPECT_THAT(Read(u"[k]"), ElementsAre("K:k"));
  EXPECT_THAT(Read(u"French;"), ElementsAre("T:French="));
}

TEST(LanguageFileTest, TheUnitAfterCarriageReturnIsSkippedUnread) {
  EXPECT_THAT(Read(u"[a]\rX[b]\r\n"), ElementsAre("K:a", "K:b"));
  // A bare line feed is an ordinary character.
  EXPECT_THAT(Read(u"[a\nb]\r\n"), ElementsAre("K:a\nb"));
}

TEST(LanguageFileTest, ShortAndOddFiles) {
  EXPECT_THAT(ReadLanguageLines(""), IsEmpty());
  EXPECT_THAT(ReadLanguageLines("\xFF\xFE"), IsEmpty());
  EXPECT_THAT(ReadLanguageLines("\xFF"), IsEmpty());
  // The byte-order mark is not examined, and an odd last byte is dropped.
  std::string bytes = "ZZ";
  bytes += std::string("k\0", 2);
  bytes += "\x41";
  const std::vector<LanguageFileLine> lines = ReadLanguageLines(bytes);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].key, "k");
}

TEST(LanguageFileTest, TextIsDecodedToUtf8) {
  // é (U+00E9), ж (U+0436), € (U+20AC), 😀 (U+1F600 as a surrogate pair).
  EXPECT_THAT(Read(u"[k]\r\nX;\u00E9\u0436\u20AC\U0001F600\r\n"),
              ElementsAre("K:k",
                          "T:X=\xC3\xA9\xD0\xB6\xE2\x82\xAC"
                          "\xF0\x9F\x98\x80"));
}

TEST(Utf16Test, UnpairedSurrogatesBecomeReplacementCharacters) {
  const std::string kReplacement = "\xEF\xBF\xBD";
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD83D})), kReplacement);
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDE00})), kReplacement);
  // A high surrogate followed by a letter, then a low one out of order.
  const std::u16string mixed = {0xD83D, u'a', 0xDE00, 0xD83D};
  EXPECT_EQ(Utf16ToUtf8(mixed),
            kReplacement + "a" + kReplacement + kReplacement);
  const std::u16string reversed = {0xDE00, 0xD83D, 0xDE00};
  EXPECT_EQ(Utf16ToUtf8(reversed), kReplacement + "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace zorvanel
