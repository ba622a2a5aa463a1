#include "dialogs/about_dlg.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "dialog_test_support.h"

namespace zorvanel {
namespace {

using testing::DialogTest;

class AboutDlgTest : public DialogTest {
 protected:
  void RunAndDump() {
    script_.str("dump\nclick 1\n");
    script_.clear();
    CAboutDlg about;
    EXPECT_EQ(about.RunModal(), 1);
    dump_ = nlohmann::json::parse(out_.str().substr(0, out_.str().find('\n')));
    for (const nlohmann::json& control : dump_["controls"]) {
      rects_[control["id"].get<int>()] =
          control["rect"].get<std::vector<int>>();
      texts_[control["id"].get<int>()] = control["text"].get<std::string>();
    }
  }

  nlohmann::json dump_;
  std::map<int, std::vector<int>> rects_;
  std::map<int, std::string> texts_;
};

TEST_F(AboutDlgTest, LayoutAtFullScale) {
  RunAndDump();
  EXPECT_EQ(dump_["dialog"], "CAboutDlg");
  EXPECT_EQ(texts_[1007], "Zorvanel");
  EXPECT_EQ(texts_[1039], "Version: 1.6");
  EXPECT_EQ(texts_[1040], "__licence__");
  EXPECT_EQ(texts_[1], "Ok");

  // The title is as wide as its text; logo (100), gap (10) and title are
  // centred together, so the title starts at (480 - tw - 110) / 2 + 110.
  const std::vector<int>& title = rects_[1007];
  const int tw = title[2];
  EXPECT_EQ(title, (std::vector<int>{(480 - tw - 110) / 2 + 110, 25, tw, 50}));
  EXPECT_EQ(rects_[1039], (std::vector<int>{title[0], 75, tw, 20}));
  EXPECT_EQ(rects_[1040], (std::vector<int>{0, 120, 480, 378}));
  EXPECT_EQ(rects_[1], (std::vector<int>{165, 508, 150, 70}));
}

TEST_F(AboutDlgTest, TheVersionGoesIntoTheTranslatedLine) {
  LoadLanguages(
      "[Version: %1]\nItalian;Versione %1 (%1)\n"
      "[__licence__]\nItalian;Licenza libera\n",
      0);
  RunAndDump();
  EXPECT_EQ(texts_[1039], "Versione 1.6 (1.6)");
  EXPECT_EQ(texts_[1040], "Licenza libera");
}

}  // namespace
}  // namespace zorvanel
