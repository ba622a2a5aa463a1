// The camera list and the camera creation: every change reaches the stored
// equipment at once, the pairing stays symmetric, and the database pick
// brings the camera with its lens.
#include "dialogs/camera_list_dlg.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/data_root.h"
#include "data/equipment.h"
#include "dialog_harness.h"
#include "dialogs/camera_creation_mode_dlg.h"
#include "dialogs/message_box.h"

namespace zorvanel {
namespace {

using nlohmann::json;

// Screen centre of the Move up button at 480 x 640: the buttons are 96
// square along the bottom of the 588-pixel dialog, Move up the fourth.
constexpr const char* kDoubleTapMoveUp = "dbltap 336 540\n";

Equipment* Stored() { return GetData()->mutable_equipment(); }

Camera* AddStoredCamera(const std::string& model, double coc = 0.03) {
  Camera* camera = Stored()->add_cameras();
  camera->set_maker("Acme");
  camera->set_model(model);
  camera->set_circle_of_confusion(coc);
  return camera;
}

Lens* AddStoredLens(const std::string& model) {
  Lens* lens = Stored()->add_lenses();
  lens->set_maker("Lumo");
  lens->set_model(model);
  return lens;
}

void Pair(int camera, int lens) {
  Stored()->mutable_cameras(camera)->set_lens_index(lens);
  Stored()->mutable_lenses(lens)->set_camera_index(camera);
}

std::vector<std::string> StoredModels() {
  std::vector<std::string> models;
  for (const Camera& camera : Stored()->cameras()) {
    models.push_back(camera.model());
  }
  return models;
}

std::vector<std::string> RowTitles(const json& dump) {
  std::vector<std::string> titles;
  for (const json& row : dump["rows"]) titles.push_back(row["title"]);
  return titles;
}

int SelectedRow(const json& dump) {
  for (size_t i = 0; i < dump["rows"].size(); ++i) {
    if (dump["rows"][i]["selected"] == true) return static_cast<int>(i);
  }
  return -1;
}

using CameraListRun = DialogHarness;

TEST_F(CameraListRun, OpensOnTheStoredCamerasWithTheCurrentOneSelected) {
  AddStoredCamera("One");
  AddStoredCamera("Two", -1.0);
  AddStoredCamera("Three");
  Stored()->set_current_camera(1);
  CameraListDlg cameras;
  EXPECT_EQ(Run(cameras, "dump\nsoft right\n"), kIdCancel);
  const json dump = Dumps().at(0);
  EXPECT_EQ(dump["title"], "My cameras");
  EXPECT_EQ(RowTitles(dump),
            (std::vector<std::string>{"Acme One", "Acme Two", "Acme Three"}));
  EXPECT_EQ(dump["rows"][1]["left"], "-1.000 mm");
  EXPECT_EQ(SelectedRow(dump), 1);
  EXPECT_EQ(dump["softkeys"], json({"Select", "Back"}));
}

TEST_F(CameraListRun, SelectBringsThePairedLensAndBackChangesNothing) {
  AddStoredCamera("One");
  AddStoredCamera("Two");
  for (const char* model : {"L0", "L1", "L2", "L3"}) AddStoredLens(model);
  Pair(1, 3);
  Stored()->set_current_camera(0);
  Stored()->set_current_lens(1);

  CameraListDlg back;
  EXPECT_EQ(Run(back, "row 1\nsoft right\n"), kIdCancel);
  EXPECT_EQ(Stored()->current_camera(), 0);
  EXPECT_EQ(Stored()->current_lens(), 1);

  CameraListDlg paired;
  EXPECT_EQ(Run(paired, "row 1\nsoft left\n"), kIdOk);
  EXPECT_EQ(Stored()->current_camera(), 1);
  EXPECT_EQ(Stored()->current_lens(), 3);

  // An unpaired camera leaves the lens alone.
  CameraListDlg unpaired;
  EXPECT_EQ(Run(unpaired, "row 0\nsoft left\n"), kIdOk);
  EXPECT_EQ(Stored()->current_camera(), 0);
  EXPECT_EQ(Stored()->current_lens(), 3);
}

TEST_F(CameraListRun, SelectIgnoresALinkToALensThatIsNotThere) {
  AddStoredCamera("One")->set_lens_index(4);
  AddStoredLens("L0");
  Stored()->set_current_lens(0);
  CameraListDlg cameras;
  EXPECT_EQ(Run(cameras, "row 0\nsoft left\n"), kIdOk);
  EXPECT_EQ(Stored()->current_camera(), 0);
  EXPECT_EQ(Stored()->current_lens(), 0);
}

TEST_F(CameraListRun, RemovingAPairedCameraAsksAboutTheLensToo) {
  AddStoredCamera("One");
  AddStoredCamera("Two");
  AddStoredLens("L0");
  AddStoredLens("L1");
  Pair(0, 0);
  Pair(1, 1);
  Stored()->set_current_camera(0);
  Stored()->set_current_lens(1);

  // Yes to the camera, No to its lens: the lens stays, unpaired.
  CameraListDlg keep_lens;
  EXPECT_EQ(Run(keep_lens,
                "row 0\nclick 1003\ndump\nclick 1\ndump\nclick 2\n"
                "dump\nsoft right\n"),
            kIdCancel);
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["title"], "Remove confirmation");
  EXPECT_EQ(Control(dumps[0], CMessageBox::kIdMessage)["text"],
            "Do you want to remove the camera\r\nAcme One?");
  EXPECT_EQ(dumps[1]["title"], "Remove lens?");
  EXPECT_EQ(Control(dumps[1], CMessageBox::kIdMessage)["text"],
            "Do you want to remove also\r\nthe associated lens\r\nLumo L0?");
  EXPECT_EQ(StoredModels(), (std::vector<std::string>{"Two"}));
  ASSERT_EQ(Stored()->lenses_size(), 2);
  EXPECT_EQ(Stored()->lenses(0).camera_index(), -1);
  EXPECT_EQ(Stored()->lenses(1).camera_index(), 0);
  EXPECT_EQ(Stored()->cameras(0).lens_index(), 1);
  EXPECT_EQ(Stored()->current_camera(), -1);
  EXPECT_TRUE(PairingIsConsistent(*Stored()));
  // Nothing is selected afterwards, and the buttons and keys say so.
  EXPECT_EQ(RowTitles(dumps[2]), (std::vector<std::string>{"Acme Two"}));
  EXPECT_EQ(SelectedRow(dumps[2]), -1);
  EXPECT_EQ(dumps[2]["softkeys"], json({"", "Back"}));
  EXPECT_EQ(Control(dumps[2], BaseListDlg::kIdRemove)["enabled"], false);
  EXPECT_EQ(Control(dumps[2], BaseListDlg::kIdEdit)["enabled"], false);
}

TEST_F(CameraListRun, RemovingWithThePartnerKeepsTheOtherPairsIntact) {
  AddStoredCamera("One");
  AddStoredCamera("Two");
  AddStoredCamera("Three");
  AddStoredLens("L0");
  AddStoredLens("L1");
  Pair(1, 0);
  Pair(2, 1);
  Stored()->set_current_camera(2);
  Stored()->set_current_lens(1);

  CameraListDlg cameras;
  EXPECT_EQ(Run(cameras, "row 1\nclick 1003\nclick 1\nclick 1\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(StoredModels(), (std::vector<std::string>{"One", "Three"}));
  ASSERT_EQ(Stored()->lenses_size(), 1);
  EXPECT_EQ(Stored()->lenses(0).model(), "L1");
  // "Three" and L1 moved down one place each and still name each other.
  EXPECT_EQ(Stored()->cameras(1).lens_index(), 0);
  EXPECT_EQ(Stored()->lenses(0).camera_index(), 1);
  EXPECT_EQ(Stored()->current_camera(), 1);
  EXPECT_EQ(Stored()->current_lens(), 0);
  EXPECT_TRUE(PairingIsConsistent(*Stored()));
}

TEST_F(CameraListRun, RemovingAnsweredNoOrUnpairedAsksOnce) {
  AddStoredCamera("One");
  AddStoredCamera("Two");
  CameraListDlg refused;
  EXPECT_EQ(Run(refused, "row 1\nclick 1003\nclick 2\ndump\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(StoredModels(), (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(Dumps().at(0)["dialog"], "CameraListDlg");

  CameraListDlg unpaired;
  EXPECT_EQ(Run(unpaired, "row 1\nclick 1003\nclick 1\ndump\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(StoredModels(), (std::vector<std::string>{"One"}));
  EXPECT_EQ(Dumps().at(0)["dialog"], "CameraListDlg");
}

TEST_F(CameraListRun, DoubleTapOnMoveUpMovesTwiceWithItsPairAndSelection) {
  AddStoredCamera("One");
  AddStoredCamera("Two");
  AddStoredCamera("Three");
  AddStoredLens("L0");
  Pair(2, 0);
  Stored()->set_current_camera(2);
  CameraListDlg cameras;
  EXPECT_EQ(Run(cameras, std::string("row 2\n") + kDoubleTapMoveUp +
                             "dump\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(StoredModels(), (std::vector<std::string>{"Three", "One", "Two"}));
  EXPECT_EQ(Stored()->lenses(0).camera_index(), 0);
  EXPECT_EQ(Stored()->cameras(0).lens_index(), 0);
  EXPECT_EQ(Stored()->current_camera(), 0);
  const json dump = Dumps().at(0);
  EXPECT_EQ(RowTitles(dump),
            (std::vector<std::string>{"Acme Three", "Acme One", "Acme Two"}));
  EXPECT_EQ(SelectedRow(dump), 0);
  EXPECT_EQ(Control(dump, BaseListDlg::kIdMoveUp)["enabled"], false);
}

TEST_F(CameraListRun, MoveDownFromTheTopAndNotPastTheEnd) {
  AddStoredCamera("One");
  AddStoredCamera("Two");
  CameraListDlg cameras;
  // The second tap finds Move down disabled on the last row.
  EXPECT_EQ(Run(cameras, "row 0\nclick 1006\nclick 1006\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(StoredModels(), (std::vector<std::string>{"Two", "One"}));
}

TEST_F(CameraListRun, EditWorksOnACopyUntilConfirmed) {
  AddStoredCamera("One");
  CameraListDlg cancelled;
  EXPECT_EQ(Run(cancelled,
                "row 0\nclick 1004\ndump\nclick 1000\ntype 0.05\n"
                "key enter\nsoft right\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(Dumps().at(0)["title"], "Edit camera");
  EXPECT_EQ(Stored()->cameras(0).circle_of_confusion(), 0.03);

  CameraListDlg confirmed;
  EXPECT_EQ(Run(confirmed,
                "row 0\nclick 1004\nclick 1000\ntype 0.05\n"
                "key enter\nsoft left\ndump\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(Stored()->cameras(0).circle_of_confusion(), 0.05);
  EXPECT_EQ(Dumps().at(0)["rows"][0]["left"], "0.050 mm");
}

TEST_F(CameraListRun, AddedByHandIsListedAndSelectedButNotCurrent) {
  AddStoredCamera("One");
  Stored()->set_current_camera(0);
  CameraListDlg cameras;
  const std::string script =
      "click 1002\ndump\nclick 1002\ndump\n"
      "click 1009\ntype Zeta\\nQ1\nkey enter\n"
      "click 1000\ntype 0.02\nkey enter\nsoft left\ndump\nsoft right\n";
  EXPECT_EQ(Run(cameras, script), kIdCancel);
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(dumps[0]["title"], "Add a new camera");
  EXPECT_EQ(dumps[1]["dialog"], "CEditCameraDlg");
  EXPECT_EQ(dumps[1]["title"], "Add a new camera");
  EXPECT_EQ(RowTitles(dumps[2]),
            (std::vector<std::string>{"Acme One", "Zeta Q1"}));
  EXPECT_EQ(SelectedRow(dumps[2]), 1);
  EXPECT_EQ(dumps[2]["softkeys"], json({"Select", "Back"}));
  ASSERT_EQ(Stored()->cameras_size(), 2);
  EXPECT_EQ(Stored()->cameras(1).circle_of_confusion(), 0.02);
  EXPECT_EQ(Stored()->cameras(1).lens_index(), -1);
  EXPECT_EQ(Stored()->current_camera(), 0);
}

TEST_F(CameraListRun, CancelledEditorOrEnterLeavesTheCreationOpen) {
  CameraListDlg cameras;
  // Enter makes no camera either: only the two ways do.
  EXPECT_EQ(Run(cameras,
                "click 1002\nclick 1002\nsoft right\ndump\n"
                "key enter\ndump\nclick 2\nsoft right\n"),
            kIdCancel);
  EXPECT_EQ(Dumps().at(0)["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(Dumps().at(1)["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(Stored()->cameras_size(), 0);
}

// Picks from a database file in a folder of its own.
class DatabasePick : public DialogHarness {
 protected:
  void SetUp() override {
    DialogHarness::SetUp();
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zvpick.XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    DialogHarness::TearDown();
    std::filesystem::remove_all(folder_);
  }

  void WriteDatabase(const Equipment& database) {
    std::ofstream out(folder_ + "/CameraDB.ptb", std::ios::binary);
    out << database.SerializeAsString();
  }

  int RunCameraList(const std::string& script) {
    StartShell(script);
    shell_->set_program_folder(folder_);
    CameraListDlg cameras;
    return RunDialog(cameras);
  }

  // Makers A, A, B, B, B; camera 3 ("B2", 1.5 crop) comes with an 18-55 mm
  // lens, camera 4 names a lens that is not there.
  static Equipment FiveCameras() {
    Equipment database;
    const char* const kNames[][2] = {
        {"A", "A1"}, {"A", "A2"}, {"B", "B1"}, {"B", "B2"}, {"B", "B3"}};
    for (const auto& name : kNames) {
      Camera* camera = database.add_cameras();
      camera->set_maker(name[0]);
      camera->set_model(name[1]);
      camera->set_circle_of_confusion(0.02);
    }
    database.mutable_cameras(3)->set_focal_multiplier(1.5);
    database.mutable_cameras(3)->set_lens_index(0);
    database.mutable_cameras(4)->set_lens_index(7);
    Lens* kit = database.add_lenses();
    kit->set_maker("B");
    kit->set_model("18-55");
    kit->set_min_focal(18.0);
    kit->set_max_focal(55.0);
    kit->set_camera_index(3);
    return database;
  }

  std::string folder_;
};

TEST_F(DatabasePick, ManufacturerThenModelBringsTheKitLensPaired) {
  AddStoredCamera("Mine");
  AddStoredLens("Old");
  WriteDatabase(FiveCameras());
  const std::string script =
      "click 1002\nclick 1001\ndump\nrow 1\ndump\nsoft left\ndump\n"
      "row 1\nsoft left\ndump\nsoft right\n";
  EXPECT_EQ(RunCameraList(script), kIdCancel);
  const auto dumps = Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_EQ(dumps[0]["title"], "Manufacturer");
  EXPECT_EQ(Control(dumps[0], 1014)["text"],
            "Please select your camera manufacturer");
  const json manufacturers = json::array({{{"title", "A"},
                                           {"left", ""},
                                           {"right", "2 camera(s)"},
                                           {"selected", false}},
                                          {{"title", "B"},
                                           {"left", ""},
                                           {"right", "3 camera(s)"},
                                           {"selected", false}}});
  EXPECT_EQ(dumps[0]["rows"], manufacturers);
  // "Select" comes with the first selection.
  EXPECT_EQ(dumps[0]["softkeys"], json({"", "Cancel"}));
  EXPECT_EQ(dumps[1]["softkeys"], json({"Select", "Cancel"}));
  EXPECT_EQ(dumps[2]["title"], "Camera");
  EXPECT_EQ(RowTitles(dumps[2]),
            (std::vector<std::string>{"B B1", "B B2", "B B3"}));

  ASSERT_EQ(Stored()->cameras_size(), 2);
  ASSERT_EQ(Stored()->lenses_size(), 2);
  const Camera& camera = Stored()->cameras(1);
  const Lens& lens = Stored()->lenses(1);
  EXPECT_EQ(camera.model(), "B2");
  EXPECT_EQ(camera.lens_index(), 1);
  EXPECT_EQ(lens.model(), "18-55");
  EXPECT_EQ(lens.camera_index(), 1);
  EXPECT_TRUE(PairingIsConsistent(*Stored()));
  // The wheels of the new lens: f/2.8 .. f/22 in 19 steps of a third,
  // 0.1 m .. 100 m, and focal lengths that start and end at the lens's.
  ASSERT_EQ(lens.apertures_size(), 19);
  EXPECT_EQ(lens.apertures(0), 2.8);
  EXPECT_EQ(lens.apertures(18), 22.0);
  ASSERT_GT(lens.distances_size(), 0);
  EXPECT_EQ(lens.distances(0), 0.1);
  EXPECT_EQ(lens.distances(lens.distances_size() - 1), 100.0);
  ASSERT_GT(lens.focals_size(), 1);
  EXPECT_NEAR(lens.focals(0), 18.0, 0.5);
  EXPECT_NEAR(lens.focals(lens.focals_size() - 1), 55.0, 0.5);
  // The list shows the new camera selected, not yet current.
  EXPECT_EQ(RowTitles(dumps[3]),
            (std::vector<std::string>{"Acme Mine", "B B2"}));
  EXPECT_EQ(SelectedRow(dumps[3]), 1);
  EXPECT_EQ(Stored()->current_camera(), -1);
}

TEST_F(DatabasePick, ALensIndexPastTheLensesAddsTheCameraAlone) {
  WriteDatabase(FiveCameras());
  EXPECT_EQ(RunCameraList("click 1002\nclick 1001\nrow 1\nsoft left\n"
                          "row 2\nsoft left\nsoft right\n"),
            kIdCancel);
  ASSERT_EQ(Stored()->cameras_size(), 1);
  EXPECT_EQ(Stored()->cameras(0).model(), "B3");
  EXPECT_EQ(Stored()->cameras(0).lens_index(), -1);
  EXPECT_EQ(Stored()->lenses_size(), 0);
}

TEST_F(DatabasePick, EachRowOfAReturningMakerListsItsOwnCameras) {
  Equipment database;
  for (const char* maker : {"A", "B", "A"}) {
    Camera* camera = database.add_cameras();
    camera->set_maker(maker);
    camera->set_model(std::string(maker) +
                      std::to_string(database.cameras_size()));
  }
  WriteDatabase(database);
  EXPECT_EQ(RunCameraList("click 1002\nclick 1001\ndump\nrow 0\nsoft left\n"
                          "dump\nrow 0\nsoft left\nsoft right\n"),
            kIdCancel);
  const auto dumps = Dumps();
  EXPECT_EQ(RowTitles(dumps[0]), (std::vector<std::string>{"A", "B", "A"}));
  EXPECT_EQ(RowTitles(dumps[1]), (std::vector<std::string>{"A A1"}));
  ASSERT_EQ(Stored()->cameras_size(), 1);
  EXPECT_EQ(Stored()->cameras(0).model(), "A1");
}

TEST_F(DatabasePick, CancelOrAMissingFileLeavesTheCreationOpen) {
  // No file yet: the error, then the creation dialog again.
  EXPECT_EQ(RunCameraList("click 1002\nclick 1001\ndump\nkey enter\ndump\n"
                          "click 2\nsoft right\n"),
            kIdCancel);
  auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["title"], "Error");
  EXPECT_EQ(Control(dumps[0], CMessageBox::kIdMessage)["text"],
            "The file CameraDB.ptb is missing or corrupted");
  EXPECT_EQ(dumps[1]["dialog"], "CCameraCreationModeDlg");

  // Cancelled at the manufacturer, then at the model.
  WriteDatabase(FiveCameras());
  EXPECT_EQ(RunCameraList("click 1002\nclick 1001\nsoft right\ndump\n"
                          "click 1001\nrow 0\nsoft left\nsoft right\ndump\n"
                          "click 2\nsoft right\n"),
            kIdCancel);
  dumps = Dumps();
  EXPECT_EQ(dumps[0]["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(dumps[1]["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(Stored()->cameras_size(), 0);
}

}  // namespace
}  // namespace zorvanel
