// Renders the message box and the about box at both design screens and saves
// the frames for a look by eye: the PNGs go to $ZV_SHOT_DIR when set, else to
// the test's temporary folder. With the shipped language file built beside
// the programs the licence is the real one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialog_test_support.h"
#include "dialogs/about_dlg.h"
#include "dialogs/message_box.h"
#include "i18n/translator.h"

namespace zorvanel {
namespace {

class DialogShotsTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    static_cast<void>(
        LoadTranslations(std::string(ZV_BIN_DIR) + "/Translation.lang"));
    RetranslateAll();
  }
  // Shoots `dialog` and closes it with its Ok button.
  void Shoot(Dialog& dialog, const std::string& name) {
    const char* dir = std::getenv("ZV_SHOT_DIR");
    const std::string path =
        (dir != nullptr ? dir : ::testing::TempDir()) + "/" + name + ".png";
    script_.str("shot " + path + "\nclick 1\n");
    script_.clear();
    EXPECT_EQ(dialog.RunModal(), 1);
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
  }
};

TEST_F(DialogShotsTest, MessageAndAboutBoxes) {
  for (const Size screen : {Size{480, 640}, Size{240, 320}}) {
    MakeShell(screen);
    const std::string suffix = "_" + std::to_string(screen.width);
    CMessageBox ok(
        CMessageBox::Kind::kOk, "Error",
        "The circle of confusion must be\r\nbetween 0.001 and 1 mm.");
    Shoot(ok, "message_ok" + suffix);
    CMessageBox yes_no(CMessageBox::Kind::kYesNo, "Remove",
                       "Remove this camera?");
    Shoot(yes_no, "message_yesno" + suffix);
    CAboutDlg about;
    Shoot(about, "about" + suffix);
  }
}

}  // namespace
}  // namespace zorvanel
