// Tests of the value list dialog: values added, refused, removed and shown.
#include "dialogs/edit_value_list_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/message_box.h"
#include "platform/image.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;

class EditValueListRun : public testing::DialogTest {
 protected:
  // The first dump whose dialog is `name`.
  nlohmann::json DumpOf(const std::string& name, int nth = 0) const {
    for (const auto& dump : Dumps()) {
      if (dump["dialog"] == name && nth-- == 0) return dump;
    }
    ADD_FAILURE() << "no dump of " << name;
    return nlohmann::json::object();
  }
};

TEST_F(EditValueListRun, ImperialDistanceIsTypedInFeetAndStoredInMetres) {
  CEditValueListDlg dlg(ValueKind::kDistance, kImperial);
  Run(dlg, "click 1000\ndump\ntype 10\nkey enter\ndump\nsoft left\n");
  ASSERT_EQ(dlg.Values().size(), 1u);
  EXPECT_DOUBLE_EQ(dlg.Values()[0], 3.0480370641307);
  EXPECT_EQ(Control(DumpOf("CEditValueDlg"), CEditValueDlg::kIdComment)["text"],
            "Please enter a new focusing distance\r\nfor your lens (ft.).");
  EXPECT_EQ(DumpOf("CEditValueListDlg")["rows"][0]["text"], "10 ft.");
}

TEST_F(EditValueListRun, InvalidEntriesReopenWithTheRejectedText) {
  CEditValueListDlg dlg(ValueKind::kFocal, kMetric);
  dlg.AppendValue(50.0);
  Run(dlg,
      "click 1000\ntype 0\nkey enter\ndump\nkey enter\n"
      "dump\nkey backspace\nkey enter\ndump\nkey enter\n"
      "type -5\nkey enter\nkey enter\n"
      "type 20000\nkey enter\ndump\nkey enter\n"
      "dump\nkey escape\n"
      "click 1001\ntype 0\nclick 1022\ntype 10\nkey enter\ndump\nkey enter\n"
      "key escape\nsoft left\n");
  EXPECT_THAT(dlg.Values(), ElementsAre(50.0));

  const auto zero = DumpOf("CMessageBox", 0);
  EXPECT_EQ(zero["title"], "Invalid value");
  EXPECT_EQ(Control(zero, CMessageBox::kIdMessage)["text"],
            "You must enter a positive and\r\nnon null value.");
  EXPECT_EQ(
      Control(DumpOf("CEditValueDlg", 0), CEditValueDlg::kIdField1)["text"],
      "0");
  // An emptied field is refused the same way.
  EXPECT_EQ(DumpOf("CMessageBox", 1)["title"], "Invalid value");
  const auto too_large = DumpOf("CMessageBox", 2);
  EXPECT_EQ(too_large["title"], "Invalid value");
  EXPECT_EQ(Control(too_large, CMessageBox::kIdMessage)["text"],
            "No value may be\r\ngreater than 10000 mm.");
  EXPECT_EQ(
      Control(DumpOf("CEditValueDlg", 1), CEditValueDlg::kIdField1)["text"],
      "20000");
  // A range with a bound at 0.
  EXPECT_EQ(Control(DumpOf("CMessageBox", 3), CMessageBox::kIdMessage)["text"],
            "You must enter positive and\r\nnon null values.");
}

TEST_F(EditValueListRun, AddRangeInsertsAroundPresentValues) {
  CEditValueListDlg dlg(ValueKind::kFocal, kMetric);
  dlg.AppendValue(30.0);
  // 24 to 70: the marked focal lengths; none of them is 30.
  Run(dlg,
      "click 1001\ndump\ntype 24\nclick 1022\ntype 70\nkey enter\ndump\n"
      "soft left\n");
  EXPECT_THAT(dlg.Values(), ElementsAre(24, 28, 30, 35, 40, 50, 55, 60, 70));
  const auto entry = DumpOf("CEditValueDlg");
  EXPECT_EQ(entry["title"], "New focal values");
  EXPECT_EQ(Control(entry, CEditValueDlg::kIdCaption1)["text"], "Min focal");
  EXPECT_EQ(Control(entry, CEditValueDlg::kIdCaption2)["text"], "Max focal");
  // No message box came between the entry and the list.
  EXPECT_EQ(Dumps().size(), 2u);
}

TEST_F(EditValueListRun, SelectionFollowsItsValueAndRemoveOneAsksFirst) {
  CEditValueListDlg dlg(ValueKind::kFocal, kMetric);
  for (double v : {24.0, 35.0, 85.0}) dlg.AppendValue(v);
  // 35 is selected; 10 goes in before it, and 35 must stay the one chosen.
  // The Delete key asks as "Remove one" does.
  Run(dlg,
      "dump\nrow 1\ndump\nclick 1000\ntype 10\nkey enter\n"
      "click 1002\ndump\nclick 2\nkey delete\nclick 1\ndump\nsoft left\n");
  EXPECT_THAT(dlg.Values(), ElementsAre(10.0, 24.0, 85.0));

  EXPECT_EQ(Control(DumpOf("CEditValueListDlg", 0),
                    CEditValueListDlg::kIdRemoveOne)["enabled"],
            false);
  EXPECT_EQ(Control(DumpOf("CEditValueListDlg", 1),
                    CEditValueListDlg::kIdRemoveOne)["enabled"],
            true);
  const auto question = DumpOf("CMessageBox");
  EXPECT_EQ(question["title"], "Delete value?");
  EXPECT_EQ(Control(question, CMessageBox::kIdMessage)["text"],
            "Do you want to delete\r\nthe value 35 mm?");
  // After the removal nothing is selected and "Remove one" rests.
  const auto after = DumpOf("CEditValueListDlg", 2);
  for (const auto& row : after["rows"]) EXPECT_EQ(row["selected"], false);
  EXPECT_EQ(Control(after, CEditValueListDlg::kIdRemoveOne)["enabled"], false);
}

// Height of the band of light text pixels (the rows' text is RGB(230, 230,
// 230)) between `top` and `bottom` in the columns from `left` to `right`.
int TextHeight(const Image& image, int left, int top, int right, int bottom) {
  int first = -1;
  int last = -1;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const uint32_t p = image.PixelAt(x, y);
      if (((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 200 &&
          (p & 0xFF) > 200) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return first < 0 ? 0 : last - first + 1;
}

TEST_F(EditValueListRun, LongValuesShrinkToFitTheNarrowList) {
  // The list is 180 pixels wide from x = 10: "100 mm" fits in the row font,
  // "1000000 mm" does not and is drawn smaller rather than cut at the frame.
  CEditValueListDlg dlg(ValueKind::kFocal, kMetric);
  dlg.AppendValue(100.0);
  dlg.AppendValue(1000000.0);
  const testing::ScratchFolder folder;
  const std::string path = folder / "value_list_fit.png";
  Run(dlg, "shot " + path + "\nsoft right\n");
  const std::unique_ptr<Image> shot = Image::LoadPng(path);
  ASSERT_NE(shot, nullptr);
  // Rows of 60 pixels from y = 70.
  const int fitting = TextHeight(*shot, 12, 70, 186, 130);
  const int shrunk = TextHeight(*shot, 12, 130, 186, 190);
  EXPECT_GT(fitting, 20);
  EXPECT_GT(shrunk, 10);
  EXPECT_LT(shrunk, fitting * 9 / 10);
}

TEST_F(EditValueListRun, ListLoadedOutOfOrderKeepsItsOrder) {
  CEditValueListDlg dlg(ValueKind::kFocal, kMetric);
  for (double v : {50.0, 35.0, 85.0}) dlg.AppendValue(v);
  Run(dlg, "click 1000\ntype 40\nkey enter\nsoft left\n");
  EXPECT_THAT(dlg.Values(), ElementsAre(40.0, 50.0, 35.0, 85.0));
}

}  // namespace
}  // namespace zorvanel
