// The camera editor: its layout, the texts of its buttons, and the entry
// loops that refuse what is out of range and reopen with the rejected text.
#include "dialogs/edit_camera_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "dialog_harness.h"
#include "dialogs/edit_value_dlg.h"
#include "i18n/translated_string.h"

namespace zorvanel {
namespace {

using nlohmann::json;

TEST(EditCameraLayout, RowsOfCaptionAndButton) {
  // Rows start at 50 + 20 + 10 = 80 and are 10 + 25 + 20 + 90 = 145 apart;
  // each button sits 10 + 25 below its caption's top.
  const EditCameraLayout full = CEditCameraDlg::Layout({480, 588}, 100);
  EXPECT_EQ(full.title, Rect::FromXYWH(0, 0, 480, 50));
  EXPECT_EQ(full.captions[0], Rect::FromXYWH(0, 80, 480, 25));
  EXPECT_EQ(full.buttons[0], Rect::FromXYWH(10, 115, 460, 90));
  EXPECT_EQ(full.captions[2], Rect::FromXYWH(0, 370, 480, 25));
  EXPECT_EQ(full.buttons[2], Rect::FromXYWH(10, 405, 460, 90));

  // S = 50: 25 + 10 + 5 = 40, rows 5 + 12 + 10 + 45 = 72 apart.
  const EditCameraLayout half = CEditCameraDlg::Layout({240, 294}, 50);
  EXPECT_EQ(half.captions[1], Rect::FromXYWH(0, 112, 240, 12));
  EXPECT_EQ(half.buttons[1], Rect::FromXYWH(5, 129, 230, 45));
}

TEST(EditCameraTexts, FromTheCamera) {
  Camera camera;
  EXPECT_EQ(CEditCameraDlg::NameText(camera), "Click to define...");
  EXPECT_EQ(CEditCameraDlg::CircleOfConfusionText(camera),
            "Click to define...");
  EXPECT_EQ(CEditCameraDlg::FocalEquivalenceText(camera),
            "Real 35 mm is displayed 35 mm");

  camera.set_maker("Acme");
  camera.set_model("Z100");
  camera.set_circle_of_confusion(0.02);
  // 50 mm displayed with a multiplier of 1.5: 33.33 mm real.
  camera.set_displayed_focal(50.0);
  camera.set_focal_multiplier(1.5);
  EXPECT_EQ(CEditCameraDlg::NameText(camera), "Acme Z100");
  EXPECT_EQ(CEditCameraDlg::CircleOfConfusionText(camera), "0.020 mm");
  EXPECT_EQ(CEditCameraDlg::FocalEquivalenceText(camera),
            "Real 33.3 mm is displayed 50 mm");
}

class EditCameraRun : public DialogHarness {
 protected:
  // The texts of the dumped control `id`, one per dump.
  std::vector<std::string> TextsOf(int id) const {
    std::vector<std::string> texts;
    for (const json& dump : Dumps()) {
      const json control = Control(dump, id);
      texts.push_back(control == nullptr ? "-" : control["text"]);
    }
    return texts;
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const json& dump : Dumps()) titles.push_back(dump["title"]);
    return titles;
  }
};

TEST_F(EditCameraRun, ANewCameraCannotBeConfirmedWithoutCircleOfConfusion) {
  CEditCameraDlg editor;
  editor.SetTitle("Add a new camera");
  EXPECT_EQ(Run(editor, "dump\nsoft left\ndump\nkey enter\ndump\nsoft right\n"),
            kIdCancel);
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_EQ(dumps[0]["title"], "Add a new camera");
  EXPECT_EQ(dumps[0]["softkeys"], json({"Ok", "Cancel"}));
  EXPECT_EQ(Control(dumps[0], CEditCameraDlg::kIdNameButton)["text"],
            "Click to define...");
  EXPECT_EQ(Control(dumps[0], CEditCameraDlg::kIdCocButton)["text"],
            "Click to define...");
  EXPECT_EQ(Control(dumps[0], CEditCameraDlg::kIdFocalButton)["text"],
            "Real 35 mm is displayed 35 mm");
  EXPECT_EQ(dumps[1]["title"], "Mandatory value");
  EXPECT_EQ(Control(dumps[1], 1022)["text"],
            "The circle of confusion is mandatory.");
  // The message went away and the editor stayed.
  EXPECT_EQ(dumps[2]["dialog"], "CEditCameraDlg");
  ASSERT_NE(editor.camera(), nullptr);
  EXPECT_FALSE(editor.camera()->has_circle_of_confusion());
}

TEST_F(EditCameraRun, CircleOfConfusionOutOfRangeIsRefusedUntilCorrected) {
  Camera camera;
  CEditCameraDlg editor;
  editor.SetCamera(&camera);
  // Each refusal shows the message; Enter closes it and the entry reopens
  // with the refused text, all of it selected.
  const std::string script =
      "click 1000\ndump\n"
      "type 0.0005\nkey enter\ndump\nkey enter\ndump\n"
      "type 0.31\nkey enter\nkey enter\n"
      "type 0\nkey enter\nkey enter\n"
      "type abc\nkey enter\nkey enter\n"
      "type 0.3\nkey enter\ndump\nsoft left\n";
  EXPECT_EQ(Run(editor, script), kIdOk);
  EXPECT_EQ(Titles(),
            (std::vector<std::string>{"Circle of confusion", "Invalid value",
                                      "Circle of confusion", ""}));
  const auto dumps = Dumps();
  EXPECT_EQ(Control(dumps[0], CEditValueDlg::kIdField1)["text"], "");
  EXPECT_EQ(
      Control(dumps[1], 1022)["text"],
      "The circle of confusion must be\r\nbetween 0.001 mm and 0.300 mm.");
  EXPECT_EQ(Control(dumps[2], CEditValueDlg::kIdField1)["text"], "0.0005");
  EXPECT_EQ(Control(dumps[3], CEditCameraDlg::kIdCocButton)["text"],
            "0.300 mm");
  EXPECT_EQ(camera.circle_of_confusion(), 0.3);
}

TEST_F(EditCameraRun, CircleOfConfusionEntryShowsTheValueAndCancelKeepsIt) {
  Camera camera;
  camera.set_circle_of_confusion(0.03);
  CEditCameraDlg editor;
  editor.SetCamera(&camera);
  EXPECT_EQ(Run(editor,
                "click 1000\ndump\ntype 0.001\nkey escape\n"
                "click 1000\ntype 0.001\nkey enter\ndump\nsoft left\n"),
            kIdOk);
  const auto dumps = Dumps();
  EXPECT_EQ(Control(dumps[0], CEditValueDlg::kIdField1)["text"], "0.030");
  // The lower bound itself is a valid entry.
  EXPECT_EQ(camera.circle_of_confusion(), 0.001);
  EXPECT_EQ(Control(dumps[1], CEditCameraDlg::kIdCocButton)["text"],
            "0.001 mm");
}

TEST_F(EditCameraRun, FocalEquivalenceStoresTheRatioAndShowsItBack) {
  Camera camera;
  camera.set_circle_of_confusion(0.02);
  CEditCameraDlg editor;
  editor.SetCamera(&camera);
  // The second field has the focus; a tap into the first selects its text.
  const std::string script =
      "click 1001\ndump\n"
      "type 35\nclick 1021\ntype 23.3\nkey enter\ndump\nsoft left\n";
  EXPECT_EQ(Run(editor, script), kIdOk);
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["title"], "Focal multiplier");
  EXPECT_EQ(Control(dumps[0], CEditValueDlg::kIdField1)["text"], "35 mm");
  EXPECT_EQ(Control(dumps[0], CEditValueDlg::kIdField2)["text"], "35 mm");
  EXPECT_EQ(Control(dumps[0], CEditValueDlg::kIdField2)["focused"], true);
  EXPECT_DOUBLE_EQ(camera.focal_multiplier(), 35.0 / 23.3);
  EXPECT_EQ(camera.displayed_focal(), 35.0);
  EXPECT_EQ(Control(dumps[1], CEditCameraDlg::kIdFocalButton)["text"],
            "Real 23.3 mm is displayed 35 mm");
}

TEST_F(EditCameraRun, FocalValuesOutsideTheBoundsAreRefused) {
  Camera camera;
  camera.set_circle_of_confusion(0.02);
  CEditCameraDlg editor;
  editor.SetCamera(&camera);
  // 0.005 is too small; 1e308 would make the ratio overflow; "inf" is no
  // number at all (0); 0.01 and 10000 are the bounds and pass.
  const std::string script =
      "click 1001\nclick 1021\ntype 0.005\nkey enter\ndump\nkey enter\n"
      "dump\nclick 1021\ntype 10\nclick 1022\ntype 1e308\nkey enter\ndump\n"
      "key enter\n"
      "type inf\nkey enter\ndump\nkey enter\n"
      "click 1021\ntype 0.01\nclick 1022\ntype 10000\nkey enter\n"
      "soft left\n";
  EXPECT_EQ(Run(editor, script), kIdOk);
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_EQ(Control(dumps[0], 1022)["text"],
            "Focal values must be greater than 0.01 mm.");
  EXPECT_EQ(Control(dumps[1], CEditValueDlg::kIdField1)["text"], "0.005");
  EXPECT_EQ(Control(dumps[2], 1022)["text"],
            "Focal values must be between\r\n0.01 mm and 10000 mm.");
  EXPECT_EQ(Control(dumps[3], 1022)["text"],
            "Focal values must be greater than 0.01 mm.");
  EXPECT_EQ(camera.displayed_focal(), 10000.0);
  EXPECT_DOUBLE_EQ(camera.focal_multiplier(), 1e6);
}

TEST_F(EditCameraRun, RefusalMessageIsTranslatedBeforeTheValueGoesIn) {
  const std::u16string file =
      u"\uFEFF[Focal values must be greater than %1.]\r\n"
      u"French;Les focales doivent d\u00E9passer %1.\r\n";
  std::string bytes;
  for (char16_t u : file) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  GetTranslator().LoadFromBytes(bytes);
  RetranslateAll();
  Camera camera;
  CEditCameraDlg editor;
  editor.SetCamera(&camera);
  Run(editor, "click 1001\nclick 1021\ntype 0.005\nkey enter\ndump\n");
  EXPECT_EQ(Control(Dumps().at(0), 1022)["text"],
            "Les focales doivent dépasser 0.01 mm.");
  EXPECT_FALSE(camera.has_focal_multiplier());
  GetTranslator().Clear();
  RetranslateAll();
}

TEST_F(EditCameraRun, NameIsSplitAtTheEscapedLineBreak) {
  Camera camera;
  camera.set_circle_of_confusion(0.02);
  CEditCameraDlg editor;
  editor.SetCamera(&camera);
  EXPECT_EQ(Run(editor,
                "click 1009\ntype Acme\\nZ100\nkey enter\ndump\n"
                "click 1009\ndump\nkey escape\nsoft left\n"),
            kIdOk);
  EXPECT_EQ(camera.maker(), "Acme");
  EXPECT_EQ(camera.model(), "Z100");
  const auto dumps = Dumps();
  EXPECT_EQ(Control(dumps[0], CEditCameraDlg::kIdNameButton)["text"],
            "Acme Z100");
  // The entry shows the name with the two characters back.
  EXPECT_EQ(Control(dumps[1], CEditValueDlg::kIdField1)["text"], "Acme\\nZ100");

  // Without them it all becomes the model; empty clears both parts.
  Run(editor, "click 1009\ntype Z200\nkey enter\nsoft left\n");
  EXPECT_EQ(camera.maker(), "");
  EXPECT_EQ(camera.model(), "Z200");
  Run(editor, "click 1009\nkey backspace\nkey enter\nsoft left\n");
  EXPECT_EQ(camera.model(), "");
}

}  // namespace
}  // namespace zorvanel
