// Tests of the message box: buttons and answers, translation, wrapped lines.
#include "dialogs/message_box.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "dialog_test.h"
#include "message_text.h"

namespace zorvanel {
namespace {

using testing::DialogTest;

class MessageBoxTest : public DialogTest {
 protected:
  // Runs the box with `script`; its first dump is kept in dump_.
  std::optional<DialogResult> RunBox(CMessageBox& box,
                                     const std::string& script) {
    const std::optional<DialogResult> result = Run(box, script);
    const std::vector<nlohmann::json> dumps = Dumps();
    if (!dumps.empty()) dump_ = dumps.front();
    return result;
  }

  nlohmann::json dump_;
};

TEST_F(MessageBoxTest, KindOkShowsOneCentredOk) {
  CMessageBox box(CMessageBox::Kind::kOk, "Error", "The name is empty.");
  EXPECT_EQ(RunBox(box, "dump\nclick 1\n"), DialogResult::kOk);
  EXPECT_EQ(dump_["dialog"], "CMessageBox");
  EXPECT_EQ(dump_["title"], "Error");
  EXPECT_EQ(dump_["softkeys"], nlohmann::json::array({"", ""}));
  EXPECT_EQ(Control(dump_, 1007)["text"], "Error");
  EXPECT_EQ(Control(dump_, 1022)["text"], "The name is empty.");
  const nlohmann::json& ok = Control(dump_, 1);
  EXPECT_EQ(ok["text"], "Ok");
  EXPECT_EQ(ok["kind"], "button");
  EXPECT_FALSE(Control(dump_, 2)["visible"]);
  // Everything where the layout puts it for a message of that height.
  const Rect message = RectOf(Control(dump_, 1022));
  const MessageBoxLayout layout = CMessageBox::Layout(
      {480, 588}, 100, message.Height(), CMessageBox::Kind::kOk);
  EXPECT_EQ(RectOf(Control(dump_, 1007)), layout.title);
  EXPECT_EQ(message, layout.message);
  EXPECT_EQ(RectOf(ok), layout.first_button);
}

TEST_F(MessageBoxTest, KindYesNoAnswersOneAndTwo) {
  CMessageBox box(CMessageBox::Kind::kYesNo, "Remove", "Remove this camera?");
  EXPECT_EQ(RunBox(box, "dump\nclick 2\n"), DialogResult::kCancel);
  const nlohmann::json& yes = Control(dump_, 1);
  const nlohmann::json& no = Control(dump_, 2);
  EXPECT_EQ(yes["text"], "Yes");
  EXPECT_EQ(no["text"], "No");
  EXPECT_TRUE(no["visible"]);
  const MessageBoxLayout layout = CMessageBox::Layout(
      {480, 588}, 100, RectOf(Control(dump_, 1022)).Height(),
      CMessageBox::Kind::kYesNo);
  EXPECT_EQ(RectOf(yes), layout.first_button);
  EXPECT_EQ(RectOf(no), layout.second_button);

  CMessageBox again(CMessageBox::Kind::kYesNo, "Remove", "Remove this camera?");
  EXPECT_EQ(RunBox(again, "click 1\n"), DialogResult::kOk);
}

TEST_F(MessageBoxTest, TextsAreTranslatedAndFilledInTextsShowAsGiven) {
  LoadLanguages("[Error]\nFrench;Erreur\n[Yes]\nFrench;Oui\n[No]\nFrench;Non\n",
                0);
  CMessageBox box(CMessageBox::Kind::kYesNo, "Error", "Lens 50mm f/1.8 exists");
  EXPECT_EQ(RunBox(box, "dump\nclick 1\n"), DialogResult::kOk);
  EXPECT_EQ(dump_["title"], "Erreur");
  EXPECT_EQ(Control(dump_, 1022)["text"], "Lens 50mm f/1.8 exists");
  EXPECT_EQ(Control(dump_, 1)["text"], "Oui");
  EXPECT_EQ(Control(dump_, 2)["text"], "Non");
}

TEST_F(MessageBoxTest, ALineTooWideWrapsAtSpacesAndTheBoxGrows) {
  const std::string line = "Focal values must be greater than 0.01 mm.";
  CMessageBox one_line(CMessageBox::Kind::kOk, "Error", "Short.");
  RunBox(one_line, "dump\nclick 1\n");
  const int short_height = RectOf(Control(dump_, 1022)).Height();

  CMessageBox box(CMessageBox::Kind::kOk, "Error", line + " " + line);
  RunBox(box, "dump\nclick 1\n");
  const std::string shown = Control(dump_, 1022)["text"];
  EXPECT_NE(shown.find("\r\n"), std::string::npos) << shown;
  // Nothing lost, broken at spaces only.
  EXPECT_EQ(zorvanel::testing::Unwrapped(shown), line + " " + line);
  const Rect message = RectOf(Control(dump_, 1022));
  EXPECT_GE(message.Height(), 2 * short_height);
  EXPECT_GT(RectOf(Control(dump_, 1)).top, message.bottom);
}

TEST_F(MessageBoxTest, EscapeCancels) {
  CMessageBox box(CMessageBox::Kind::kOkCancel, "Error", "Sure?");
  EXPECT_EQ(RunBox(box, "key escape\n"), DialogResult::kCancel);
}

TEST_F(MessageBoxTest, QuestionMarksItsDefaultAndTabReachesBothAnswers) {
  CMessageBox box(CMessageBox::Kind::kYesNo, "Remove", "Remove this camera?");
  // Yes, No, Yes again; Right moves to No, which Enter presses.
  EXPECT_EQ(RunBox(box,
                   "dump\nkey tab\ndump\nkey tab\ndump\nkey right\n"
                   "key enter\n"),
            DialogResult::kCancel);
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(Control(dumps[i], i == 1 ? kIdCancel : kIdOk)["focused"]) << i;
  }
}

}  // namespace
}  // namespace zorvanel
