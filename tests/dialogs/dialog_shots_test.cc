// Renders the message box and the about box at both design screens and saves
// the frames, so their look can be checked by eye: the PNGs go to
// $ZV_SHOT_DIR when set, else to the test's temporary folder. With the
// shipped language file built beside the programs, the licence is the real
// one. Every run also checks that the boxes' buttons and texts reach the
// frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "controls/custom_button.h"
#include "controls/custom_edit.h"
#include "controls/custom_static.h"
#include "dialog_test_support.h"
#include "dialogs/about_dlg.h"
#include "dialogs/base_dlg.h"
#include "dialogs/message_box.h"
#include "i18n/translator.h"

namespace zorvanel {
namespace {

using testing::DialogTest;

std::string ShotDir() {
  const char* dir = std::getenv("ZV_SHOT_DIR");
  return dir != nullptr ? dir : ::testing::TempDir();
}

struct Screen {
  Size size;
  const char* name;
};

constexpr Screen kScreens[] = {{{480, 640}, "480x640"},
                               {{240, 320}, "240x320"}};

class DialogShotsTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    LoadTranslations(std::string(ZV_BIN_DIR) + "/Translation.lang");
    RetranslateAll();
  }
  // Runs `dialog` with a script that shoots it and closes it with Ok.
  template <typename D>
  void Shoot(D& dialog, const std::string& name) {
    const std::string path = ShotDir() + "/" + name + ".png";
    script_.str("shot " + path + "\nclick 1\n");
    script_.clear();
    EXPECT_EQ(dialog.RunModal(), 1);
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    frame_bright_pixels_ = 0;
    const Image& frame = shell_->frame();
    for (int y = 0; y < frame.height(); ++y) {
      for (int x = 0; x < frame.width(); ++x) {
        frame_bright_pixels_ += frame.ColourAt(x, y).r > 200;
      }
    }
  }

  int frame_bright_pixels_ = 0;
};

TEST_F(DialogShotsTest, MessageBoxes) {
  for (const Screen& screen : kScreens) {
    MakeShell(screen.size);
    CMessageBox ok(
        CMessageBox::kOk, "Error",
        "The circle of confusion must be\r\nbetween 0.001 and 1 mm.");
    Shoot(ok, std::string("message_ok_") + screen.name);
    EXPECT_GT(frame_bright_pixels_, 0);
    CMessageBox yes_no(CMessageBox::kYesNo, "Remove", "Remove this camera?");
    Shoot(yes_no, std::string("message_yesno_") + screen.name);
    EXPECT_GT(frame_bright_pixels_, 0);
  }
}

TEST_F(DialogShotsTest, AboutBox) {
  for (const Screen& screen : kScreens) {
    MakeShell(screen.size);
    CAboutDlg about;
    Shoot(about, std::string("about_") + screen.name);
    EXPECT_GT(frame_bright_pixels_, 0);
  }
  // A language in another script.
  MakeShell(Size{480, 640});
  for (int language = 0; language < GetLanguageCount(); ++language) {
    if (LanguageName(language) != "Russian") continue;
    SetLanguage(language);
    CAboutDlg about;
    Shoot(about, "about_russian_480x640");
  }
}

// One of each control in each look, laid out at the screen's scale.
class ControlsDlg : public CBaseDlg {
 protected:
  bool OnInitDialog() override {
    const int s = Scale();
    auto r = [s](int x, int y, int w, int h) {
      return Rect::FromXYWH(s * x / 100, s * y / 100, s * w / 100, s * h / 100);
    };
    title_.set_style(CCustomStatic::kStyleTitle);
    title_.SetText("Title label");
    title_.Create(this, 10, r(0, 0, 480, 50));
    normal_.SetText("Normal label");
    normal_.Create(this, 11, r(0, 50, 240, 30));
    italic_.set_style(CCustomStatic::kStyleItalic);
    italic_.SetText("Italic label");
    italic_.Create(this, 12, r(240, 50, 240, 30));
    idle_.set_text("f/2.8");
    idle_.Create(this, 20, r(20, 100, 200, 54));
    focused_.set_text("1.25");
    focused_.Create(this, 21, r(260, 100, 200, 54));
    ok_.SetText("Ok");
    ok_.Create(this, 1, r(20, 180, 200, 70));
    disabled_.SetText("Disabled");
    disabled_.Enable(false);
    disabled_.Create(this, 31, r(260, 180, 200, 70));
    icon_.SetIcon(158, true);
    icon_.set_overlay(false);
    icon_.SetBackgroundBitmap(163);
    icon_.Create(this, 32, r(20, 270, 90, 90));
    icon_off_.SetIcon(158, true);
    icon_off_.set_overlay(false);
    icon_off_.SetBackgroundBitmap(163);
    icon_off_.Enable(false);
    icon_off_.Create(this, 33, r(130, 270, 90, 90));
    two_lines_.SetText("Two\r\nlines");
    two_lines_.Create(this, 34, r(260, 270, 200, 90));
    focused_.SetFocus();
    return true;
  }

 private:
  CCustomStatic title_, normal_, italic_;
  CCustomEdit idle_, focused_;
  CCustomButton ok_, disabled_, icon_, icon_off_, two_lines_;
};

TEST_F(DialogShotsTest, Controls) {
  for (const Screen& screen : kScreens) {
    MakeShell(screen.size);
    ControlsDlg dialog;
    Shoot(dialog, std::string("controls_") + screen.name);
  }
}

}  // namespace
}  // namespace zorvanel
