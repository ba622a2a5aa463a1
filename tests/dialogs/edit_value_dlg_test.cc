// The value entry: its five layouts (numbers worked out by hand from the
// design sizes: title 50, rows 70, margin 10, half comment 35) and how its
// texts travel across runs.
#include "dialogs/edit_value_dlg.h"

#include <gtest/gtest.h>

#include "dialog_harness.h"
#include "dialogs/label_fitting.h"

namespace zorvanel {
namespace {

TEST(EditValueLayout, FiveLayoutsAtFullScale) {
  // 480 wide: n = 160, c = 192, x0 = (480 - 384) / 3 = 32; buttons at
  // (480 - 320) / 3 = 53 and 160 + 106 = 266, y = 50 + 140 + 10 = 200.
  const Size client{480, 588};
  const EditValueLayout number =
      CEditValueDlg::Layout(EntryLayout::kSingleNumber, client, 100);
  EXPECT_EQ(number.comment, Rect::FromXYWH(0, 50, 480, 70));
  EXPECT_FALSE(number.captions_visible);
  EXPECT_EQ(number.field1, Rect::FromXYWH(160, 120, 160, 70));
  EXPECT_FALSE(number.field2_visible);
  EXPECT_EQ(number.ok_button, Rect::FromXYWH(53, 200, 160, 70));
  EXPECT_EQ(number.cancel_button, Rect::FromXYWH(266, 200, 160, 70));

  EXPECT_EQ(CEditValueDlg::Layout(EntryLayout::kSingleText, client, 100).field1,
            Rect::FromXYWH(10, 120, 460, 70));

  const EditValueLayout two =
      CEditValueDlg::Layout(EntryLayout::kTwoFields, client, 100);
  EXPECT_TRUE(two.comment_visible);
  EXPECT_FALSE(two.captions_visible);
  EXPECT_EQ(two.field1, Rect::FromXYWH(32, 120, 192, 70));
  EXPECT_EQ(two.field2, Rect::FromXYWH(256, 120, 192, 70));

  const EditValueLayout captioned =
      CEditValueDlg::Layout(EntryLayout::kTwoCaptioned, client, 100);
  EXPECT_FALSE(captioned.comment_visible);
  EXPECT_EQ(captioned.caption2, Rect::FromXYWH(240, 50, 240, 70));
  EXPECT_EQ(captioned.field2, Rect::FromXYWH(256, 120, 192, 70));
  EXPECT_EQ(captioned.ok_button.top, 200);

  // Half-height rows of 35: comment 50..85, captions 85..120, fields from
  // 120, buttons at 50 + 70 + 10 + 70 = 200.
  const EditValueLayout half =
      CEditValueDlg::Layout(EntryLayout::kCommentTwoCaptioned, client, 100);
  EXPECT_EQ(half.comment, Rect::FromXYWH(0, 50, 480, 35));
  EXPECT_EQ(half.caption1, Rect::FromXYWH(0, 85, 240, 35));
  EXPECT_EQ(half.field1, Rect::FromXYWH(32, 120, 192, 70));
  EXPECT_EQ(half.ok_button, Rect::FromXYWH(53, 200, 160, 70));
}

TEST(EditValueLayout, HalfScaleRoundsEachNumberDown) {
  // S = 50 on 240 x 294: t 25, g 35, m 5, d = 3500 / 200 = 17, n 80, c 96,
  // x0 = 16.
  const EditValueLayout half =
      CEditValueDlg::Layout(EntryLayout::kCommentTwoCaptioned, {240, 294}, 50);
  EXPECT_EQ(half.comment, Rect::FromXYWH(0, 25, 240, 17));
  EXPECT_EQ(half.caption2, Rect::FromXYWH(120, 42, 120, 17));
  EXPECT_EQ(half.field1, Rect::FromXYWH(16, 59, 96, 35));
  EXPECT_EQ(half.field2, Rect::FromXYWH(128, 59, 96, 35));
  // 25 + 34 + 5 + 35 = 99; buttons at 80 / 3 = 26 and 80 + 53 = 133.
  EXPECT_EQ(half.ok_button, Rect::FromXYWH(26, 99, 80, 35));
  EXPECT_EQ(half.cancel_button, Rect::FromXYWH(133, 99, 80, 35));
}

// Notes whether the keyboard was up right after the dialog opened.
class ObservedEntry : public CEditValueDlg {
 public:
  using CEditValueDlg::CEditValueDlg;
  bool keyboard_at_open = false;

 protected:
  bool OnInitDialog() override {
    const bool result = CEditValueDlg::OnInitDialog();
    keyboard_at_open = Shell::Get().keyboard_shown();
    return result;
  }
};

using EditValueRun = DialogHarness;
constexpr int kField1 = CEditValueDlg::kIdField1;
constexpr int kField2 = CEditValueDlg::kIdField2;

TEST_F(EditValueRun, EmptyFieldOpensFocusedWithTheKeyboard) {
  ObservedEntry entry(EntryLayout::kSingleText);
  entry.SetTitle("Camera name");
  EXPECT_EQ(Run(entry, "dump\ntype Acme\nkey enter\n"), kIdOk);
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
  EXPECT_EQ(Run(entry, "type 99\nkey escape\n"), kIdCancel);
  EXPECT_EQ(entry.text1(), "35 mm");
  EXPECT_EQ(entry.text2(), "50 mm");
  // Typing replaces the selected text of the focused field.
  EXPECT_EQ(Run(entry, "type 24\nclick 1\n"), kIdOk);
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
  EXPECT_EQ(Run(two, "dump\ntype 52.5\nkey enter\n"), kIdOk);
  EXPECT_EQ(Control(Dumps().at(0), kField2)["focused"], true);
  EXPECT_EQ(two.text1(), "35 mm");
  EXPECT_EQ(two.text2(), "52.5");

  // One field: it takes the focus, and text 2 comes back empty.
  CEditValueDlg one(EntryLayout::kSingleNumber);
  one.set_text1("0.030");
  one.set_text2("left over");
  one.SetFocusField(2);
  EXPECT_EQ(Run(one, "type 1\nkey enter\n"), kIdOk);
  EXPECT_EQ(one.text1(), "1");
  EXPECT_EQ(one.text2(), "");
}

}  // namespace
}  // namespace zorvanel
