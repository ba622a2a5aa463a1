// Tests of the camera editor: its button texts, its name, and refused values.
#include "dialogs/edit_camera_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "dialog_test.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/message_box.h"
#include "i18n/translated_string.h"
#include "message_text.h"

namespace zorvanel {
namespace {

constexpr int kMessage = CMessageBox::kIdMessage;
constexpr int kField1 = CEditValueDlg::kIdField1;

class EditCameraRun : public testing::DialogTest {
 protected:
  // Runs an editor on camera_ with `script`.
  std::optional<DialogResult> RunEditor(const std::string& script) {
    CEditCameraDlg editor;
    editor.SetCamera(&camera_);
    return Run(editor, script);
  }
  std::string TextOf(size_t dump, int id) const {
    return Control(Dumps().at(dump), id)["text"];
  }

  Camera camera_;
};

// The editor's texts, its messages and the entry that comes back with a
// refused text are the e2e script camera_rejections'; here what is stored.
TEST_F(EditCameraRun, ANewCameraCannotBeConfirmedWithoutCircleOfConfusion) {
  CEditCameraDlg editor;
  EXPECT_EQ(Run(editor, "soft left\ndump\nkey enter\nsoft right\n"),
            DialogResult::kCancel);
  EXPECT_EQ(Dumps()[0]["title"], "Mandatory value");
  ASSERT_NE(editor.camera(), nullptr);
  EXPECT_FALSE(editor.camera()->has_circle_of_confusion());
}

TEST_F(EditCameraRun, CircleOfConfusionIsRefusedOutsideItsRange) {
  camera_.set_circle_of_confusion(0.03);
  // Enter closes each refusal's message and the entry reopens; cancelling
  // it then keeps the old value.
  EXPECT_EQ(
      RunEditor("click 1000\nrow 4\nkey enter\ndump\ntype 0.0005\nkey enter\n"
                "key enter\ntype 0.31\nkey enter\nkey enter\n"
                "type 0\nkey enter\nkey enter\ntype abc\nkey enter\n"
                "key enter\nkey escape\nsoft left\n"),
      DialogResult::kOk);
  EXPECT_EQ(TextOf(0, kField1), "0.030");
  EXPECT_EQ(camera_.circle_of_confusion(), 0.03);

  // Both bounds are valid.
  RunEditor(
      "click 1000\nrow 4\nkey enter\ntype 0.3\nkey enter\ndump\nsoft left\n");
  EXPECT_EQ(camera_.circle_of_confusion(), 0.3);
  EXPECT_EQ(TextOf(0, CEditCameraDlg::kIdCocButton), "0.300 mm");
  RunEditor("click 1000\nrow 4\nkey enter\ntype 0.001\nkey enter\nsoft left\n");
  EXPECT_EQ(camera_.circle_of_confusion(), 0.001);
}

// Offered from the sensor: its size or crop factor sets the multiplier and
// the circle for a standard print, which may then be the large print's.
TEST_F(EditCameraRun, CircleOfConfusionFollowsTheSensor) {
  const struct {
    const char* script;
    double multiplier;
    double coc;
  } kCases[] = {
      {"row 0\nkey enter\n", 0.0, 0.029},  // a full frame until told
      {"row 3\nkey enter\ntype 1.5\nkey enter\nrow 1\nkey enter\n", 1.5, 0.01},
      {"row 2\nkey enter\ntype 23.5\nkey tab\ntype 15.6 mm\nkey enter\n"
       "key escape\n",
       1.53, 0.019},
      {"row 2\nkey enter\ntype 80\nkey tab\ntype 80\nkey enter\nkey enter\n"
       "key escape\nkey escape\n",
       0.0, -1.0},
      {"row 3\nkey enter\ntype 11\nkey enter\nkey enter\nkey escape\n"
       "key escape\n",
       0.0, -1.0},
  };
  for (const auto& c : kCases) {
    camera_ = Camera();
    RunEditor(std::string("click 1000\n") + c.script + "soft right\n");
    EXPECT_DOUBLE_EQ(camera_.focal_multiplier(), c.multiplier) << c.script;
    EXPECT_DOUBLE_EQ(camera_.circle_of_confusion(), c.coc) << c.script;
  }
}

TEST_F(EditCameraRun, FocalEquivalenceStoresTheRatioAndShowsItBack) {
  camera_.set_circle_of_confusion(0.02);
  // The second field has the focus; a tap into the first selects its text.
  EXPECT_EQ(RunEditor("click 1001\ndump\ntype 35\nclick 1021\ntype 23.3\n"
                      "key enter\ndump\nsoft left\n"),
            DialogResult::kOk);
  EXPECT_EQ(TextOf(0, kField1), "35 mm");
  EXPECT_EQ(Control(Dumps()[0], CEditValueDlg::kIdField2)["focused"], true);
  EXPECT_DOUBLE_EQ(camera_.focal_multiplier(), 35.0 / 23.3);
  EXPECT_EQ(camera_.displayed_focal(), 35.0);
  EXPECT_EQ(TextOf(1, CEditCameraDlg::kIdFocalButton),
            "Real 23.3 mm is displayed 35 mm");
}

TEST_F(EditCameraRun, FocalValuesOutsideTheBoundsAreRefused) {
  camera_.set_circle_of_confusion(0.02);
  // 0.005 is too small; 1e308 would make the ratio overflow; "inf" is no
  // number at all; 0.01 and 10000 are the bounds and pass.
  EXPECT_EQ(RunEditor("click 1001\nclick 1021\ntype 0.005\nkey enter\ndump\n"
                      "key enter\ndump\nclick 1021\ntype 10\nclick 1022\n"
                      "type 1e308\nkey enter\ndump\nkey enter\n"
                      "type inf\nkey enter\ndump\nkey enter\nclick 1021\n"
                      "type 0.01\nclick 1022\ntype 10000\nkey enter\n"
                      "soft left\n"),
            DialogResult::kOk);
  EXPECT_EQ(TextOf(2, kMessage),
            "Focal values must be between\r\n0.01 mm and 10000 mm.");
  EXPECT_EQ(zorvanel::testing::Unwrapped(TextOf(3, kMessage)),
            "Please enter a number.");
  EXPECT_EQ(camera_.displayed_focal(), 10000.0);
  EXPECT_DOUBLE_EQ(camera_.focal_multiplier(), 1e6);
}

TEST_F(EditCameraRun, RefusalIsTranslatedBeforeTheValueGoesIn) {
  GetTranslator().LoadFromBytes(testing::LanguageFileUnits(
      u"[Focal values must be greater than %1.]\r\n"
      u"French;Les focales doivent d\u00E9passer %1.\r\n"));
  RunEditor("click 1001\nclick 1021\ntype 0.005\nkey enter\ndump\n");
  GetTranslator().Clear();
  RetranslateAll();
  EXPECT_EQ(zorvanel::testing::Unwrapped(TextOf(0, kMessage)),
            "Les focales doivent dépasser 0.01 mm.");
  EXPECT_FALSE(camera_.has_focal_multiplier());
}

TEST_F(EditCameraRun, NameIsSplitAtTheEscapedLineBreak) {
  camera_.set_circle_of_confusion(0.02);
  RunEditor(
      "click 1009\ntype Acme\\nZ100\nkey enter\ndump\nclick 1009\n"
      "dump\nkey escape\nsoft left\n");
  EXPECT_EQ(camera_.maker(), "Acme");
  EXPECT_EQ(camera_.model(), "Z100");
  EXPECT_EQ(TextOf(0, CEditCameraDlg::kIdNameButton), "Acme Z100");
  // The entry shows the name with the two characters back.
  EXPECT_EQ(TextOf(1, kField1), "Acme\\nZ100");
  // Without them it all becomes the model; empty clears both parts.
  RunEditor("click 1009\ntype Z200\nkey enter\nsoft left\n");
  EXPECT_EQ(camera_.maker(), "");
  EXPECT_EQ(camera_.model(), "Z200");
  RunEditor("click 1009\nkey backspace\nkey enter\nsoft left\n");
  EXPECT_EQ(camera_.model(), "");
}

}  // namespace
}  // namespace zorvanel
