#include "dialogs/base_dlg.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace zorvanel {
namespace {

using testing::DialogTest;

class CountingDlg : public CBaseDlg {
 public:
  int left_presses = 0;
  int right_presses = 0;
  int oks = 0;

 protected:
  void OnLeftSoftKey() override { ++left_presses; }
  void OnRightSoftKey() override { ++right_presses; }
  void OnOK() override { ++oks; }
};

class BaseDlgTest : public DialogTest {};

TEST_F(BaseDlgTest, TheSameModeAgainDoesNotRebuildTheBar) {
  CBaseDlg dlg;
  dlg.SetSoftKeyMode(0);  // stored mode is 0 already
  // A rebuilt bar would carry the placeholder commands.
  EXPECT_EQ(dlg.soft_keys().left_command, 0);
  EXPECT_EQ(dlg.soft_keys().right_command, 0);
}

TEST_F(BaseDlgTest, TheThreeModes) {
  CBaseDlg dlg;
  dlg.SetSoftKeyMode(1);
  EXPECT_EQ(dlg.soft_keys().left_text, "Select");
  EXPECT_EQ(dlg.soft_keys().left_command, 1);
  EXPECT_EQ(dlg.soft_keys().right_text, "Back");
  EXPECT_EQ(dlg.soft_keys().right_command, 2);

  dlg.SetSoftKeyMode(2);
  EXPECT_EQ(dlg.soft_keys().left_text, "");
  EXPECT_EQ(dlg.soft_keys().left_command, CBaseDlg::kIdLeftSoftKey);
  EXPECT_EQ(dlg.soft_keys().right_text, "Back");
  EXPECT_EQ(dlg.soft_keys().right_command, 2);

  dlg.SetSoftKeyMode(0);
  EXPECT_EQ(dlg.soft_keys().left_text, "");
  EXPECT_EQ(dlg.soft_keys().right_text, "");
  EXPECT_EQ(dlg.soft_keys().left_command, 32778);
  EXPECT_EQ(dlg.soft_keys().right_command, 32779);
}

TEST_F(BaseDlgTest, AnUnknownModeIsStoredButLeavesTheBar) {
  CBaseDlg dlg;
  dlg.SetSoftKeyMode(1);
  dlg.SetSoftKeyMode(5);
  EXPECT_EQ(dlg.soft_key_mode(), 5);
  EXPECT_EQ(dlg.soft_keys().left_text, "Select");
  dlg.SetSoftKeyMode(2);
  EXPECT_EQ(dlg.soft_keys().left_text, "");
  EXPECT_EQ(dlg.soft_keys().right_text, "Back");
}

TEST_F(BaseDlgTest, PlaceholderKeysDoNothing) {
  CountingDlg dlg;
  dlg.SetSoftKeyMode(2);
  dlg.OnCommand(dlg.soft_keys().left_command);
  EXPECT_EQ(dlg.left_presses, 1);
  dlg.OnCommand(CBaseDlg::kIdRightSoftKey);
  EXPECT_EQ(dlg.right_presses, 1);
  EXPECT_FALSE(dlg.ended());
  EXPECT_EQ(dlg.oks, 0);
  // The right key of mode 2 cancels.
  CBaseDlg plain;
  plain.SetSoftKeyMode(2);
  plain.OnCommand(plain.soft_keys().right_command);
  EXPECT_TRUE(plain.ended());
}

TEST_F(BaseDlgTest, LabelsAreTranslatedAndFollowALanguageChange) {
  LoadLanguages(
      "[Select]\nFrench;Choisir\nGerman;Wahl\n"
      "[Back]\nFrench;Retour\nGerman;Zurueck\n",
      0);
  CBaseDlg dlg;
  dlg.SetSoftKeys("Select", "Back", 1, 2);
  EXPECT_EQ(dlg.soft_keys().left_text, "Choisir");
  EXPECT_EQ(dlg.soft_keys().right_text, "Retour");
  SetLanguage(1);
  dlg.RebuildSoftKeyBar();
  EXPECT_EQ(dlg.soft_keys().left_text, "Wahl");
  EXPECT_EQ(dlg.soft_keys().left_command, 1);
}

TEST_F(BaseDlgTest, ScaleComesFromTheScreen) {
  CBaseDlg dlg;
  EXPECT_EQ(dlg.Scale(), 100);
  MakeShell(Size{240, 320});
  EXPECT_EQ(dlg.Scale(), 50);
}

}  // namespace
}  // namespace zorvanel
