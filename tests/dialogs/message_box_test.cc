#include "dialogs/message_box.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "dialog_test_support.h"

namespace zorvanel {
namespace {

using testing::DialogTest;

// A control of a dump by id.
const nlohmann::json& Control(const nlohmann::json& dump, int id) {
  for (const nlohmann::json& control : dump["controls"]) {
    if (control["id"] == id) return control;
  }
  static const nlohmann::json kNone;
  ADD_FAILURE() << "no control " << id;
  return kNone;
}

std::vector<int> RectOf(const nlohmann::json& control) {
  return control["rect"].get<std::vector<int>>();
}

class MessageBoxTest : public DialogTest {
 protected:
  // Runs the box with `script`; the first line of output is the dump.
  int Run(CMessageBox& box, const std::string& script) {
    script_.str(script);
    script_.clear();
    const int result = box.RunModal();
    std::string line;
    std::istringstream lines(out_.str());
    std::getline(lines, line);
    if (!line.empty()) dump_ = nlohmann::json::parse(line);
    return result;
  }

  nlohmann::json dump_;
};

TEST_F(MessageBoxTest, KindOkShowsOneCentredOk) {
  CMessageBox box(CMessageBox::Kind::kOk, "Error", "The name is empty.");
  EXPECT_EQ(Run(box, "dump\nclick 1\n"), 1);
  EXPECT_EQ(dump_["dialog"], "CMessageBox");
  EXPECT_EQ(dump_["title"], "Error");
  EXPECT_EQ(dump_["softkeys"], nlohmann::json::array({"", ""}));
  EXPECT_EQ(Control(dump_, 1007)["text"], "Error");
  EXPECT_EQ(RectOf(Control(dump_, 1007)), (std::vector<int>{0, 0, 480, 50}));
  const std::vector<int> message = RectOf(Control(dump_, 1022));
  EXPECT_EQ(message[1], 60);
  EXPECT_EQ(Control(dump_, 1022)["text"], "The name is empty.");
  const nlohmann::json& ok = Control(dump_, 1);
  EXPECT_EQ(ok["text"], "Ok");
  EXPECT_EQ(ok["kind"], "button");
  // W / 3 = 160 wide, centred, 10 below the message, 70 high.
  EXPECT_EQ(RectOf(ok),
            (std::vector<int>{160, message[1] + message[3] + 10, 160, 70}));
  EXPECT_FALSE(Control(dump_, 2)["visible"]);
}

TEST_F(MessageBoxTest, KindYesNoAnswersOneAndTwo) {
  CMessageBox box(CMessageBox::Kind::kYesNo, "Remove", "Remove this camera?");
  EXPECT_EQ(Run(box, "dump\nclick 2\n"), 2);
  const nlohmann::json& yes = Control(dump_, 1);
  const nlohmann::json& no = Control(dump_, 2);
  EXPECT_EQ(yes["text"], "Yes");
  EXPECT_EQ(no["text"], "No");
  EXPECT_TRUE(no["visible"]);
  // Gaps of (480 - 2 * 160) / 3 = 53.
  EXPECT_EQ(RectOf(yes)[0], 53);
  EXPECT_EQ(RectOf(no)[0], 266);

  CMessageBox again(CMessageBox::Kind::kYesNo, "Remove", "Remove this camera?");
  EXPECT_EQ(Run(again, "click 1\n"), 1);
}

TEST_F(MessageBoxTest, TextsAreTranslatedAndFilledInTextsShowAsGiven) {
  LoadLanguages("[Error]\nFrench;Erreur\n[Yes]\nFrench;Oui\n[No]\nFrench;Non\n",
                0);
  CMessageBox box(CMessageBox::Kind::kYesNo, "Error", "Lens 50mm f/1.8 exists");
  EXPECT_EQ(Run(box, "dump\nclick 1\n"), 1);
  EXPECT_EQ(dump_["title"], "Erreur");
  EXPECT_EQ(Control(dump_, 1022)["text"], "Lens 50mm f/1.8 exists");
  EXPECT_EQ(Control(dump_, 1)["text"], "Oui");
  EXPECT_EQ(Control(dump_, 2)["text"], "Non");
}

TEST_F(MessageBoxTest, ALineTooWideWrapsAtSpacesAndTheBoxGrows) {
  const std::string line = "Focal values must be greater than 0.01 mm.";
  CMessageBox one_line(CMessageBox::Kind::kOk, "Error", "Short.");
  Run(one_line, "dump\nclick 1\n");
  const int short_height = RectOf(Control(dump_, 1022))[3];

  CMessageBox box(CMessageBox::Kind::kOk, "Error", line + " " + line);
  out_.str("");
  Run(box, "dump\nclick 1\n");
  const std::string shown = Control(dump_, 1022)["text"];
  EXPECT_NE(shown.find("\r\n"), std::string::npos) << shown;
  // Nothing lost, broken at spaces only.
  EXPECT_EQ(zorvanel::testing::Unwrapped(shown), line + " " + line);
  const std::vector<int> message = RectOf(Control(dump_, 1022));
  EXPECT_GE(message[3], 2 * short_height);
  EXPECT_EQ(RectOf(Control(dump_, 1))[1], message[1] + message[3] + 10);
}

TEST_F(MessageBoxTest, EscapeCancels) {
  CMessageBox box(CMessageBox::Kind::kOkCancel, "Error", "Sure?");
  EXPECT_EQ(Run(box, "key escape\n"), 2);
}

}  // namespace
}  // namespace zorvanel
