// The value entry: its five layouts (numbers worked out by hand from the
// design sizes: title 50, rows 70, margin 10, half comment 35) and how its
// texts travel across runs.
#include "dialogs/edit_value_dlg.h"

#include <gtest/gtest.h>

#include "dialog_harness.h"
#include "dialogs/label_fitting.h"

namespace zorvanel {
namespace {

TEST(EditValueLayout, OneFieldLayoutsAtFullScale) {
  // 480 wide: n = 160; buttons at (480 - 320) / 3 = 53 and 160 + 106 = 266,
  // y = 50 + 140 + 10 = 200.
  const EditValueLayout number =
      CEditValueDlg::Layout(EntryLayout::kSingleNumber, {480, 588}, 100);
  EXPECT_EQ(number.title, Rect::FromXYWH(0, 0, 480, 50));
  EXPECT_EQ(number.comment, Rect::FromXYWH(0, 50, 480, 70));
  EXPECT_TRUE(number.comment_visible);
  EXPECT_FALSE(number.captions_visible);
  EXPECT_EQ(number.field1, Rect::FromXYWH(160, 120, 160, 70));
  EXPECT_FALSE(number.field2_visible);
  EXPECT_EQ(number.ok_button, Rect::FromXYWH(53, 200, 160, 70));
  EXPECT_EQ(number.cancel_button, Rect::FromXYWH(266, 200, 160, 70));

  const EditValueLayout text =
      CEditValueDlg::Layout(EntryLayout::kSingleText, {480, 588}, 100);
  EXPECT_EQ(text.field1, Rect::FromXYWH(10, 120, 460, 70));
  EXPECT_EQ(text.ok_button.top, 200);
}

TEST(EditValueLayout, TwoFieldLayoutsAtFullScale) {
  // c = 192, x0 = (480 - 384) / 3 = 32; the second field at 192 + 64.
  const EditValueLayout two =
      CEditValueDlg::Layout(EntryLayout::kTwoFields, {480, 588}, 100);
  EXPECT_TRUE(two.comment_visible);
  EXPECT_FALSE(two.captions_visible);
  EXPECT_EQ(two.field1, Rect::FromXYWH(32, 120, 192, 70));
  EXPECT_EQ(two.field2, Rect::FromXYWH(256, 120, 192, 70));
  EXPECT_TRUE(two.field2_visible);

  const EditValueLayout captioned =
      CEditValueDlg::Layout(EntryLayout::kTwoCaptioned, {480, 588}, 100);
  EXPECT_FALSE(captioned.comment_visible);
  EXPECT_EQ(captioned.caption1, Rect::FromXYWH(0, 50, 240, 70));
  EXPECT_EQ(captioned.caption2, Rect::FromXYWH(240, 50, 240, 70));
  EXPECT_EQ(captioned.field2, Rect::FromXYWH(256, 120, 192, 70));
  EXPECT_EQ(captioned.ok_button.top, 200);

  // Half-height rows of 35: comment 50..85, captions 85..120, fields from
  // 120, buttons at 50 + 70 + 10 + 70 = 200.
  const EditValueLayout half =
      CEditValueDlg::Layout(EntryLayout::kCommentTwoCaptioned, {480, 588}, 100);
  EXPECT_EQ(half.comment, Rect::FromXYWH(0, 50, 480, 35));
  EXPECT_EQ(half.caption1, Rect::FromXYWH(0, 85, 240, 35));
  EXPECT_EQ(half.caption2, Rect::FromXYWH(240, 85, 240, 35));
  EXPECT_EQ(half.field1, Rect::FromXYWH(32, 120, 192, 70));
  EXPECT_EQ(half.field2, Rect::FromXYWH(256, 120, 192, 70));
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

TEST(LabelFitting, BreaksAtTheSpaceNearestTheMiddle) {
  // 37 characters, middle 18: the spaces at 16 and 21 are 2 and 3 away.
  EXPECT_EQ(BrokenNearMiddle("Please enter the name of your camera."),
            "Please enter the\r\nname of your camera.");
  EXPECT_EQ(BrokenNearMiddle("a b"), "a\r\nb");
  EXPECT_EQ(BrokenNearMiddle("Manufacturer"), "");
}

// Notes what the dialog looked like right after it opened.
class ObservedEntry : public CEditValueDlg {
 public:
  using CEditValueDlg::CEditValueDlg;
  bool keyboard_at_open = false;
  int focused_id_at_open = 0;

 protected:
  bool OnInitDialog() override {
    const bool result = CEditValueDlg::OnInitDialog();
    keyboard_at_open = Shell::Get().keyboard_shown();
    const Window* focus = Shell::Get().focus();
    focused_id_at_open = focus != nullptr ? focus->id() : 0;
    return result;
  }
};

using EditValueRun = DialogHarness;

TEST_F(EditValueRun, EmptyFieldOpensFocusedWithTheKeyboard) {
  ObservedEntry entry(EntryLayout::kSingleText);
  entry.SetTitle("Camera name");
  EXPECT_EQ(Run(entry, "dump\ntype Acme\nkey enter\n"), kIdOk);
  EXPECT_TRUE(entry.keyboard_at_open);
  EXPECT_EQ(entry.focused_id_at_open, CEditValueDlg::kIdField1);
  EXPECT_EQ(entry.text1(), "Acme");
  EXPECT_EQ(entry.text2(), "");

  const auto dump = Dumps().at(0);
  EXPECT_EQ(dump["dialog"], "CEditValueDlg");
  EXPECT_EQ(dump["title"], "Camera name");
  EXPECT_EQ(Control(dump, CEditValueDlg::kIdField1)["text"], "");
  EXPECT_EQ(Control(dump, CEditValueDlg::kIdField2)["visible"], false);
  EXPECT_EQ(Control(dump, CEditValueDlg::kIdCaption1)["visible"], false);
  EXPECT_EQ(Control(dump, kIdOk)["text"], "Ok");
  EXPECT_EQ(Control(dump, kIdCancel)["text"], "Cancel");
  // Closing hands the keyboard back.
  EXPECT_FALSE(shell_->keyboard_shown());
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

  EXPECT_EQ(Run(entry, "dump\nclick 2\n"), kIdCancel);
  const auto dump = Dumps().at(0);
  EXPECT_EQ(Control(dump, CEditValueDlg::kIdField1)["text"], "24");
  EXPECT_EQ(Control(dump, CEditValueDlg::kIdField2)["text"], "50 mm");
}

TEST_F(EditValueRun, SecondFieldTakesTheFocusWhenAsked) {
  ObservedEntry entry(EntryLayout::kCommentTwoCaptioned);
  entry.SetCaptions("Real focal:", "Displayed focal:");
  entry.set_text1("35 mm");
  entry.set_text2("35 mm");
  entry.SetFocusField(2);
  EXPECT_EQ(Run(entry, "dump\ntype 52.5\nkey enter\n"), kIdOk);
  EXPECT_EQ(entry.focused_id_at_open, CEditValueDlg::kIdField2);
  EXPECT_EQ(entry.text1(), "35 mm");
  EXPECT_EQ(entry.text2(), "52.5");
  const auto dump = Dumps().at(0);
  EXPECT_EQ(Control(dump, CEditValueDlg::kIdCaption2)["text"],
            "Displayed focal:");
  EXPECT_EQ(Control(dump, CEditValueDlg::kIdField2)["focused"], true);
}

TEST_F(EditValueRun, OneFieldLayoutsIgnoreTheSecondFieldAndFocus) {
  ObservedEntry entry(EntryLayout::kSingleNumber);
  entry.set_text1("0.030");
  entry.set_text2("left over");
  entry.SetFocusField(2);
  EXPECT_EQ(Run(entry, "key enter\n"), kIdOk);
  EXPECT_EQ(entry.focused_id_at_open, CEditValueDlg::kIdField1);
  EXPECT_EQ(entry.text1(), "0.030");
  EXPECT_EQ(entry.text2(), "");
}

}  // namespace
}  // namespace zorvanel
