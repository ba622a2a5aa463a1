// Tests of the font table: scaling, first definition, per-language fonts.
#include "i18n/font_table.h"

#include <gtest/gtest.h>

#include <string>

#include "i18n/translator.h"
#include "language_file_bytes.h"

namespace zorvanel {
namespace {

using testing::LanguageFile;

// English comes first, so language 0 has none of the font keys and
// language 1 has them all.
const char kFontLanguages[] =
    "[Exit]\n"
    "English;Exit\n"
    "[ANSI_CHARSET]\n"
    "Russian;RUSSIAN_CHARSET\n"
    "[Tahoma]\n"
    "Russian;PT Sans\n"
    "[__ButtonCharWidthRatio__]\n"
    "Russian;45\n"
    "[__TitleCharWidthRatio__]\n"
    "Russian;60 percent\n";

class FontTableTest : public ::testing::Test {
 protected:
  void TearDown() override {
    GetTranslator().Clear();
    RetranslateAll();
  }
  void LoadLanguages(int language) {
    GetTranslator().LoadFromBytes(LanguageFile(kFontLanguages));
    RetranslateAll();
    SetLanguage(language);
  }
  // The program's fonts as the screens and controls define them.
  void DefineProgramFonts(FontTable& table) {
    table.DefineFont("Main", {.height = -25});
    table.DefineFont("Wheel", {.height = -14});
    table.DefineFont("BigScreen", {.height = -65});
    table.DefineFont("Button", {.height = -25});
    table.DefineFont("Title", {.height = -38});
    table.DefineFont("Italic", {.height = 30, .italic = true});
  }
};

TEST_F(FontTableTest, HeightsScaleWithTheScreen) {
  FontTable table;
  table.set_scale(50);  // a 240 x 320 screen
  DefineProgramFonts(table);
  // -65 * 50 / 100 = -32.5, truncated toward zero.
  EXPECT_EQ(table.GetFont("BigScreen")->request().height, -32);
  EXPECT_EQ(table.GetFont("Italic")->request().height, 15);

  // Below 10 pixels a font is asked for antialiased (quality 4).
  const Font* wheel = table.GetFont("Wheel");
  ASSERT_NE(wheel, nullptr);
  EXPECT_EQ(wheel->request().height, -7);
  EXPECT_EQ(wheel->request().quality, 4);
  EXPECT_EQ(table.GetFont("Main")->request().quality, 0);  // -12

  // A window that grows gives larger fonts from then on; those handed out
  // before stay as they were.
  table.set_scale(200);
  EXPECT_EQ(table.GetFont("BigScreen")->request().height, -130);
  EXPECT_EQ(wheel->request().height, -7);
}

TEST_F(FontTableTest, TheFirstDefinitionWins) {
  FontTable table;
  EXPECT_EQ(table.DefineFont("Main", {.height = -25}), 1);
  EXPECT_EQ(table.DefineFont("Main", {.height = -40,
                                      .width = 10,
                                      .weight = 700,
                                      .italic = true,
                                      .underline = true,
                                      .strikeout = true,
                                      .face = "Arial"}),
            0);
  const FontTable::FontDef* main = table.Find("Main");
  EXPECT_EQ(main->request.height, -25);
  EXPECT_EQ(main->request.weight, 400);
  EXPECT_FALSE(main->request.italic);
  EXPECT_EQ(main->face.key(), "Tahoma");
  EXPECT_EQ(table.GetFont("Wheel"), nullptr);  // never defined
  EXPECT_EQ(table.FontDescription("Wheel"), "");
}

TEST_F(FontTableTest, DescriptionWithoutLanguageKeys) {
  FontTable table;
  DefineProgramFonts(table);
  // face-charset-height-width-weight-italic-underline-strikeout-
  // escapement-orientation
  EXPECT_EQ(table.FontDescription("Main"), "Tahoma-0--25-0-400-0-0-0-0-0");
  EXPECT_EQ(table.FontDescription("Italic"), "Tahoma-0-30-0-400-1-0-0-0-0");
}

TEST_F(FontTableTest, TheLanguageGivesFaceCharsetAndWidth) {
  LoadLanguages(1);
  FontTable table;
  DefineProgramFonts(table);
  EXPECT_EQ(table.CurrentCharset(), 204);
  // Width ratio 45 of height -25: 45 * -25 / 100 = -11.25, so -11.
  EXPECT_EQ(table.FontDescription("Button"),
            "PT Sans-204--25--11-400-0-0-0-0-0");
  // A ratio text with words after the number reads the number.
  EXPECT_EQ(table.FontDescription("Title"),
            "PT Sans-204--38--22-400-0-0-0-0-0");
  // No ratio for this font: the platform chooses the width.
  EXPECT_EQ(table.FontDescription("Main"), "PT Sans-204--25-0-400-0-0-0-0-0");
  const Font* button = table.GetFont("Button");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->request().charset, 204);
  EXPECT_EQ(button->request().width, -11);
  EXPECT_EQ(button->request().face, "PT Sans");
}

TEST_F(FontTableTest, FontsFollowALanguageChangeAndStayCached) {
  LoadLanguages(0);
  FontTable table;
  DefineProgramFonts(table);
  const Font* english = table.GetFont("Button");
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(english->request().charset, 0);
  EXPECT_EQ(english->request().face, "Tahoma");
  EXPECT_EQ(table.GetFont("Button"), english);  // cached

  SetLanguage(1);
  const Font* russian = table.GetFont("Button");
  ASSERT_NE(russian, nullptr);
  EXPECT_NE(russian, english);
  EXPECT_EQ(russian->request().charset, 204);

  SetLanguage(0);
  EXPECT_EQ(table.GetFont("Button"), english);
}

TEST_F(FontTableTest, CharsetNamesAndUnknownNames) {
  const struct {
    const char* name;
    int value;
  } kCases[] = {{"GREEK_CHARSET", 161}, {"SHIFTJIS_CHARSET", 128},
                {"OEM_CHARSET", 255},   {"DEFAULT_CHARSET", 1},
                {"russian_charset", 0}, {"KLINGON_CHARSET", 0}};
  for (const auto& c : kCases) {
    GetTranslator().LoadFromBytes(
        LanguageFile(std::string("[ANSI_CHARSET]\nX;") + c.name + "\n"));
    RetranslateAll();
    FontTable table;
    EXPECT_EQ(table.CurrentCharset(), c.value) << c.name;
  }
}

// Text squeezed to nothing or stretched past what can be drawn blanks the
// screen: ratios stay from 20 to 200 percent of the height.
TEST_F(FontTableTest, WidthRatiosStayWhereTextCanBeDrawn) {
  GetTranslator().LoadFromBytes(
      LanguageFile("[__MainCharWidthRatio__]\nX;3000\n"
                   "[__WheelCharWidthRatio__]\nX;99999999999999999999\n"
                   "[__ScreenCharWidthRatio__]\nX;1\n"
                   "[__TitleCharWidthRatio__]\nX;-45\n"));
  RetranslateAll();
  FontTable table;
  for (const char* name : {"Main", "Wheel", "Screen", "Title"}) {
    table.DefineFont(name, {.height = -25});
  }
  const auto width = [&](const char* name) {
    const Font* font = table.GetFont(name);
    return font == nullptr ? 1 : font->request().width;
  };
  EXPECT_EQ(width("Main"), -50);
  EXPECT_EQ(width("Wheel"), -50);
  EXPECT_EQ(width("Screen"), -5);
  EXPECT_EQ(width("Title"), 0);  // no width: the face's own
}

}  // namespace
}  // namespace zorvanel
