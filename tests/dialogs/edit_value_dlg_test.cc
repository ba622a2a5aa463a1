// Tests of the value entry: focus and keyboard, and its texts across runs.
#include "dialogs/edit_value_dlg.h"

#include <gtest/gtest.h>

#include "dialog_test.h"
#include "dialogs/label_fitting.h"

namespace zorvanel {
namespace {

// Notes whether the keyboard was up right after the dialog opened.
class ObservedEntry : public CEditValueDlg {
 public:
  using CEditValueDlg::CEditValueDlg;
  bool keyboard_at_open = false;

 protected:
  void OnInitDialog() override {
    CEditValueDlg::OnInitDialog();
    keyboard_at_open = Shell::Get().keyboard_shown();
  }
};

using EditValueRun = testing::DialogTest;
constexpr int kField1 = CEditValueDlg::kIdField1;
constexpr int kField2 = CEditValueDlg::kIdField2;

TEST_F(EditValueRun, EmptyFieldOpensFocusedWithTheKeyboard) {
  ObservedEntry entry(EntryLayout::kSingleText);
  entry.SetTitle("Camera name");
  EXPECT_EQ(Run(entry, "dump\ntype Acme\nkey enter\n"), DialogResult::kOk);
  EXPECT_TRUE(entry.keyboard_at_open);
  EXPECT_FALSE(shell_->keyboard_shown());  // handed back on closing
  EXPECT_EQ(entry.text1(), "Acme");
  const auto dump = Dumps().at(0);
  EXPECT_EQ(dump["title"], "Camera name");
  EXPECT_EQ(Control(dump, kField1)["focused"], true);
  EXPECT_EQ(Control(dump, kField2)["visible"], false);
  EXPECT_EQ(Control(dump, kIdOk)["text"], "Ok");
}

TEST_F(EditValueRun, CancelKeepsTheTextsAndASecondRunShowsTheAcceptedOnes) {
  CEditValueDlg entry(EntryLayout::kTwoFields);
  entry.set_text1("35 mm");
  entry.set_text2("50 mm");
  EXPECT_EQ(Run(entry, "type 99\nkey escape\n"), DialogResult::kCancel);
  EXPECT_EQ(entry.text1(), "35 mm");
  EXPECT_EQ(entry.text2(), "50 mm");
  // Typing replaces the selected text of the focused field.
  EXPECT_EQ(Run(entry, "type 24\nclick 1\n"), DialogResult::kOk);
  EXPECT_EQ(entry.text1(), "24");
  EXPECT_EQ(entry.text2(), "50 mm");
  Run(entry, "dump\nclick 2\n");
  EXPECT_EQ(Control(Dumps().at(0), kField1)["text"], "24");
}

TEST_F(EditValueRun, FocusFieldCountsOnlyWhereThereAreTwoFields) {
  CEditValueDlg two(EntryLayout::kCommentTwoCaptioned);
  two.set_text1("35 mm");
  two.set_text2("35 mm");
  two.SetFocusField(2);
  EXPECT_EQ(Run(two, "dump\ntype 52.5\nkey enter\n"), DialogResult::kOk);
  EXPECT_EQ(Control(Dumps().at(0), kField2)["focused"], true);
  EXPECT_EQ(two.text1(), "35 mm");
  EXPECT_EQ(two.text2(), "52.5");

  // One field: it takes the focus, and text 2 comes back empty.
  CEditValueDlg one(EntryLayout::kSingleNumber);
  one.set_text1("0.030");
  one.set_text2("left over");
  one.SetFocusField(2);
  EXPECT_EQ(Run(one, "type 1\nkey enter\n"), DialogResult::kOk);
  EXPECT_EQ(one.text1(), "1");
  EXPECT_EQ(one.text2(), "");
}

}  // namespace
}  // namespace zorvanel
