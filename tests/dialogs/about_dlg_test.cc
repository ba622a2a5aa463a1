// Tests of the about box: its texts, where they stand, the translated version.
#include "dialogs/about_dlg.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "dialog_test.h"

namespace zorvanel {
namespace {

using testing::DialogTest;

class AboutDlgTest : public DialogTest {
 protected:
  void RunAndDump() {
    CAboutDlg about;
    EXPECT_EQ(Run(about, "dump\nclick 1\n"), DialogResult::kOk);
    dump_ = Dumps().at(0);
  }
  std::string TextOf(int id) const { return Control(dump_, id)["text"]; }

  nlohmann::json dump_;
};

TEST_F(AboutDlgTest, ShowsNameVersionLicenceAndOkWhereTheLayoutSays) {
  RunAndDump();
  EXPECT_EQ(dump_["dialog"], "CAboutDlg");
  EXPECT_EQ(TextOf(1007), "Zorvanel");
  EXPECT_EQ(TextOf(1039), "Version: 1.6");
  EXPECT_EQ(TextOf(1040), "__licence__");
  EXPECT_EQ(TextOf(1), "Ok");

  // The controls stand where the layout puts them for a title as wide as
  // its text.
  const Rect title = RectOf(Control(dump_, 1007));
  const AboutLayout layout =
      CAboutDlg::Layout({480, 588}, 100, CAboutDlg::kLogoSize, title.Width());
  EXPECT_EQ(title, layout.title);
  EXPECT_EQ(RectOf(Control(dump_, 1039)), layout.version);
  EXPECT_EQ(RectOf(Control(dump_, 1040)), layout.licence);
  EXPECT_EQ(RectOf(Control(dump_, 1)), layout.ok_button);
}

TEST_F(AboutDlgTest, TheVersionGoesIntoTheTranslatedLine) {
  LoadLanguages(
      "[Version: %1]\nItalian;Versione %1 (%1)\n"
      "[__licence__]\nItalian;Licenza libera\n",
      0);
  RunAndDump();
  EXPECT_EQ(TextOf(1039), "Versione 1.6 (1.6)");
  EXPECT_EQ(TextOf(1040), "Licenza libera");
}

}  // namespace
}  // namespace zorvanel
