// Tests of the equipment screen: what it shows and stores as it is used.
#include "dialogs/equipment_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "dialog_test.h"
#include "dialogs/camera_creation_mode_dlg.h"
#include "i18n/translated_string.h"

namespace zorvanel {
namespace {

using nlohmann::json;

class EquipmentRun : public testing::DialogTest {
 protected:
  Equipment* Stored() { return data_.mutable_equipment(); }

  // A selected camera and lens, the camera paired with lens 1 ("Wide").
  void StoreSelectedPair() {
    Camera* camera = Stored()->add_cameras();
    camera->set_maker("Acme");
    camera->set_model("Z100");
    camera->set_circle_of_confusion(0.02);
    Lens* lens = Stored()->add_lenses();
    lens->set_model("Fifty");
    Lens* wide = Stored()->add_lenses();
    wide->set_model("Wide");
    camera->set_lens_index(1);
    wide->set_camera_index(0);
    Stored()->set_current_camera(0);
    Stored()->set_current_lens(0);
  }

  // Three languages, English first; "Exit" and "Main screen" translated.
  static void LoadThreeLanguages() {
    GetTranslator().LoadFromBytes(testing::LanguageFile(
        "[Exit]\nEnglish;Exit\nFrench;Quitter\nGerman;Beenden\n"
        "[Main screen]\nGerman;Hauptbildschirm\n"));
    RetranslateAll();
  }
};

TEST_F(EquipmentRun, EmptyEquipmentOffersOnlyExit) {
  CEquipmentDlg equipment(&data_, "");
  EXPECT_EQ(Run(equipment, "dump\nkey enter\ndump\nsoft right\n"),
            DialogResult::kCancel);
  const auto dumps = Dumps();
  const json& dump = dumps.at(0);
  EXPECT_EQ(dump["dialog"], "CEquipmentDlg");
  EXPECT_EQ(dump["softkeys"], json({"", "Exit"}));
  EXPECT_EQ(Control(dump, CEquipmentDlg::kIdCameraButton)["text"],
            "Select the camera...");
  EXPECT_EQ(Control(dump, CEquipmentDlg::kIdLensButton)["text"],
            "Select the lens...");
  // The platform's OK did not close it.
  EXPECT_EQ(dumps.at(1)["dialog"], "CEquipmentDlg");
  // Nothing was invented to fill the empty lists.
  EXPECT_EQ(Stored()->cameras_size(), 0);
  EXPECT_EQ(Stored()->lenses_size(), 0);
}

TEST_F(EquipmentRun, NamesStandOnTwoLinesAndMainScreenIsOffered) {
  StoreSelectedPair();
  CEquipmentDlg equipment(&data_, "");
  EXPECT_EQ(Run(equipment, "dump\nkey enter\n"), DialogResult::kOk);
  const json dump = Dumps().at(0);
  EXPECT_EQ(dump["softkeys"], json({"", "Main screen"}));
  EXPECT_EQ(Control(dump, CEquipmentDlg::kIdCameraButton)["text"],
            "Acme\r\nZ100");
  // No maker: the model alone, on one line.
  EXPECT_EQ(Control(dump, CEquipmentDlg::kIdLensButton)["text"], "Fifty");
}

TEST_F(EquipmentRun, ChoosingAPairedCameraChangesBothButtons) {
  StoreSelectedPair();
  Stored()->set_current_camera(-1);
  CEquipmentDlg equipment(&data_, "");
  EXPECT_EQ(Run(equipment,
                "dump\nclick 1000\nrow 0\nsoft left\ndump\n"
                "soft right\n"),
            DialogResult::kOk);
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["softkeys"], json({"", "Exit"}));
  EXPECT_EQ(Control(dumps[1], CEquipmentDlg::kIdCameraButton)["text"],
            "Acme\r\nZ100");
  EXPECT_EQ(Control(dumps[1], CEquipmentDlg::kIdLensButton)["text"], "Wide");
  EXPECT_EQ(dumps[1]["softkeys"], json({"", "Main screen"}));
}

TEST_F(EquipmentRun, RemovingTheCurrentCameraTurnsBackToExit) {
  StoreSelectedPair();
  CEquipmentDlg equipment(&data_, "");
  // Remove camera 0: yes to it, no to its lens; then Back.
  EXPECT_EQ(Run(equipment,
                "click 1000\nrow 0\nclick 1003\nclick 1\nclick 2\n"
                "soft right\ndump\nkey enter\nsoft right\n"),
            DialogResult::kCancel);
  const json dump = Dumps().at(0);
  EXPECT_EQ(Control(dump, CEquipmentDlg::kIdCameraButton)["text"],
            "Select the camera...");
  EXPECT_EQ(dump["softkeys"], json({"", "Exit"}));
}

TEST_F(EquipmentRun, UnitsToggleAndAreStored) {
  CEquipmentDlg equipment(&data_, "");
  EXPECT_EQ(Run(equipment,
                "click 1006\ndump\nclick 1006\ndump\nclick 1006\n"
                "soft right\n"),
            DialogResult::kCancel);
  const auto dumps = Dumps();
  EXPECT_EQ(Control(dumps[0], CEquipmentDlg::kIdUnitsButton)["text"],
            "ft./in.");
  EXPECT_EQ(Control(dumps[1], CEquipmentDlg::kIdUnitsButton)["text"], "m/cm");
  EXPECT_TRUE(data_.options().has_units());
  EXPECT_EQ(data_.options().units(), kImperial);
}

TEST_F(EquipmentRun, LanguageListAppliesTheChoiceAtOnceAndEscapeKeepsIt) {
  LoadThreeLanguages();
  SetLanguage(1);
  CEquipmentDlg equipment(&data_, "");
  EXPECT_EQ(Run(equipment,
                "click 1005\ndump\nkey down\nkey enter\ndump\n"
                "click 1005\nkey up\nkey escape\ndump\nsoft right\n"),
            DialogResult::kCancel);
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["rows"],
            json::parse(R"([{"title":"English","left":"","right":"",
                             "selected":false},
                            {"title":"Français","left":"","right":"",
                             "selected":true},
                            {"title":"Deutsch","left":"","right":"",
                             "selected":false}])"));
  EXPECT_EQ(dumps[1]["softkeys"], json({"", "Beenden"}));
  EXPECT_EQ(dumps[2]["softkeys"], json({"", "Beenden"}));
  EXPECT_EQ(data_.options().language(), 2);
}

TEST_F(EquipmentRun, TabReachesEveryButtonInTurnAndSpacePressesIt) {
  StoreSelectedPair();
  CEquipmentDlg equipment(&data_, "");
  Run(equipment,
      "key tab\ndump\nkey tab\ndump\nkey tab\ndump\nkey tab\ndump\n"
      "key tab\ndump\nkey tab\ntype  \ndump\n");
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 6u);
  int i = 0;
  for (int id :
       {CEquipmentDlg::kIdCameraButton, CEquipmentDlg::kIdLensButton,
        CEquipmentDlg::kIdLanguageButton, CEquipmentDlg::kIdUnitsButton,
        CEquipmentDlg::kIdAboutButton}) {
    EXPECT_TRUE(Control(dumps[i++], id)["focused"]) << id;
  }
  EXPECT_EQ(dumps[5]["dialog"], "CameraListDlg");  // Space pressed "Camera"
}

}  // namespace
}  // namespace zorvanel
