// Tests of the base dialog's soft keys: placeholders and translation.
#include "dialogs/base_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "dialog_test.h"

namespace zorvanel {
namespace {

using testing::DialogTest;
using Bar = std::tuple<std::string, int, std::string, int>;

Bar BarOf(const Dialog& dlg) {
  const SoftKeys& keys = dlg.soft_keys();
  return {keys.left_text, keys.left_command, keys.right_text,
          keys.right_command};
}

class CountingDlg : public CBaseDlg {
 public:
  int left_presses = 0;
  int right_presses = 0;

 protected:
  void OnLeftSoftKey() override { ++left_presses; }
  void OnRightSoftKey() override { ++right_presses; }
};

class BaseDlgTest : public DialogTest {};

TEST_F(BaseDlgTest, PlaceholderKeysDoNothing) {
  CountingDlg dlg;
  dlg.SetSoftKeys("", "Back", CBaseDlg::kIdLeftSoftKey, kIdCancel);
  dlg.OnCommand(dlg.soft_keys().left_command);
  dlg.OnCommand(CBaseDlg::kIdRightSoftKey);
  EXPECT_EQ(dlg.left_presses, 1);
  EXPECT_EQ(dlg.right_presses, 1);
  EXPECT_FALSE(dlg.ended());
  dlg.OnCommand(dlg.soft_keys().right_command);  // "Back" cancels
  EXPECT_TRUE(dlg.ended());
}

TEST_F(BaseDlgTest, LabelsAreTranslatedAndFollowALanguageChange) {
  LoadLanguages(
      "[Select]\nFrench;Choisir\nGerman;Wahl\n"
      "[Back]\nFrench;Retour\nGerman;Zurueck\n",
      0);
  CBaseDlg dlg;
  dlg.SetSoftKeys("Select", "Back", 1, 2);
  EXPECT_EQ(BarOf(dlg), Bar("Choisir", 1, "Retour", 2));
  SetLanguage(1);
  dlg.RebuildSoftKeyBar();
  EXPECT_EQ(BarOf(dlg), Bar("Wahl", 1, "Zurueck", 2));
}

}  // namespace
}  // namespace zorvanel
