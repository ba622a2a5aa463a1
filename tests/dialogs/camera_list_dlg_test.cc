// The camera list and the camera creation: every change reaches the stored
// equipment at once, the pairing stays symmetric, and the database pick
// brings the camera with its lens. (Removal answered "No" for the lens and
// the double tap on Move up run end to end in tests/e2e.)
#include "dialogs/camera_list_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/camera_database.h"
#include "data/equipment.h"
#include "dialog_test.h"
#include "dialogs/message_box.h"
#include "message_text.h"
#include "sample_data.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

using nlohmann::json;
using Names = std::vector<std::string>;

class CameraListRun : public testing::DialogTest {
 protected:
  Equipment* Stored() { return data_.mutable_equipment(); }

  void AddStoredCameras(std::initializer_list<const char*> models) {
    for (const char* model : models) {
      Camera* camera = Stored()->add_cameras();
      camera->set_maker("Acme");
      camera->set_model(model);
      camera->set_circle_of_confusion(0.03);
    }
  }

  void AddStoredLenses(std::initializer_list<const char*> models) {
    for (const char* model : models) Stored()->add_lenses()->set_model(model);
  }

  Names StoredModels() {
    Names models;
    for (const Camera& camera : Stored()->cameras()) {
      models.push_back(camera.model());
    }
    return models;
  }
};

Names RowTitles(const json& dump) {
  Names titles;
  for (const json& row : dump["rows"]) titles.push_back(row["title"]);
  return titles;
}

int SelectedRow(const json& dump) {
  for (size_t i = 0; i < dump["rows"].size(); ++i) {
    if (dump["rows"][i]["selected"] == true) return static_cast<int>(i);
  }
  return -1;
}

TEST_F(CameraListRun, OpensOnTheCurrentCameraAndSelectBringsItsLens) {
  AddStoredCameras({"One", "Two"});
  AddStoredLenses({"L0", "L1", "L2", "L3"});
  testing::Pair(Stored(), 1, 3);
  Stored()->set_current_camera(1);
  Stored()->set_current_lens(1);

  CameraListDlg back(Stored(), kMetric, "");
  EXPECT_EQ(Run(back, "dump\nrow 0\nsoft right\n"), DialogResult::kCancel);
  const json dump = Dumps().at(0);
  EXPECT_EQ(dump["title"], "My cameras");
  EXPECT_EQ(RowTitles(dump), (Names{"Acme One", "Acme Two"}));
  EXPECT_EQ(SelectedRow(dump), 1);
  EXPECT_EQ(dump["softkeys"], json({"Select", "Back"}));
  EXPECT_EQ(Stored()->current_camera(), 1);  // "Back" chose nothing

  CameraListDlg paired(Stored(), kMetric, "");
  EXPECT_EQ(Run(paired, "row 1\nsoft left\n"), DialogResult::kOk);
  EXPECT_EQ(Stored()->current_lens(), 3);

  // An unpaired camera, or one whose link names no lens, leaves the lens.
  Stored()->mutable_cameras(0)->set_lens_index(9);
  CameraListDlg unpaired(Stored(), kMetric, "");
  EXPECT_EQ(Run(unpaired, "row 0\nsoft left\n"), DialogResult::kOk);
  EXPECT_EQ(Stored()->current_camera(), 0);
  EXPECT_EQ(Stored()->current_lens(), 3);
}

TEST_F(CameraListRun, RemoveAsksAboutThePairedLensAndLeavesNothingSelected) {
  AddStoredCameras({"One", "Two", "Three"});
  AddStoredLenses({"L0", "L1"});
  testing::Pair(Stored(), 1, 0);
  testing::Pair(Stored(), 2, 1);
  Stored()->set_current_camera(2);
  Stored()->set_current_lens(1);

  // "No" to the first question changes nothing; then "Yes" twice.
  CameraListDlg cameras(Stored(), kMetric, "");
  EXPECT_EQ(Run(cameras,
                "row 1\nclick 1003\nclick 2\nclick 1003\ndump\n"
                "click 1\ndump\nclick 1\ndump\nsoft right\n"),
            DialogResult::kCancel);
  // (The two questions' texts, and one question for an unpaired camera,
  // are the e2e script camera_remove's.)
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[1]["title"], "Remove lens?");
  EXPECT_EQ(StoredModels(), (Names{"One", "Three"}));
  ASSERT_EQ(Stored()->lenses_size(), 1);
  // "Three" and L1 moved down one place each and still name each other.
  EXPECT_EQ(Stored()->cameras(1).lens_index(), 0);
  EXPECT_EQ(Stored()->lenses(0).camera_index(), 1);
  EXPECT_EQ(Stored()->current_camera(), 1);
  EXPECT_EQ(Stored()->current_lens(), 0);
  EXPECT_TRUE(PairingIsConsistent(*Stored()));
  // The row that took the removed one's place is not selected.
  EXPECT_EQ(RowTitles(dumps[2]), (Names{"Acme One", "Acme Three"}));
  EXPECT_EQ(SelectedRow(dumps[2]), -1);
  EXPECT_EQ(dumps[2]["softkeys"], json({"", "Back"}));
  EXPECT_EQ(Control(dumps[2], BaseListDlg::kIdRemove)["enabled"], false);
}

TEST_F(CameraListRun, MovesStopAtTheEnds) {
  AddStoredCameras({"One", "Two"});
  CameraListDlg cameras(Stored(), kMetric, "");
  // The second tap finds Move down disabled on the last row.
  EXPECT_EQ(Run(cameras, "row 0\nclick 1006\nclick 1006\nsoft right\n"),
            DialogResult::kCancel);
  EXPECT_EQ(StoredModels(), (Names{"Two", "One"}));
}

TEST_F(CameraListRun, EditWorksOnACopyUntilConfirmed) {
  AddStoredCameras({"One"});
  const std::string edit =
      "row 0\nclick 1004\nclick 1000\nrow 4\nkey enter\ntype 0.05\n";
  CameraListDlg cancelled(Stored(), kMetric, "");
  Run(cancelled, edit + "key enter\nsoft right\nsoft right\n");
  EXPECT_EQ(Stored()->cameras(0).circle_of_confusion(), 0.03);

  CameraListDlg confirmed(Stored(), kMetric, "");
  Run(confirmed, edit + "key enter\nsoft left\ndump\nsoft right\n");
  EXPECT_EQ(Stored()->cameras(0).circle_of_confusion(), 0.05);
  EXPECT_EQ(Dumps().at(0)["rows"][0]["left"], "CoC 0.050 mm");
}

TEST_F(CameraListRun, AddedByHandIsSelectedButNotCurrent) {
  AddStoredCameras({"One"});
  Stored()->set_current_camera(0);
  // Enter and a cancelled editor leave the creation dialog open.
  const std::string script =
      "click 1002\nkey enter\nclick 1002\nsoft right\ndump\nclick 1002\n"
      "click 1009\ntype Zeta\\nQ1\nkey enter\n"
      "click 1000\nrow 4\nkey enter\ntype 0.02\nkey enter\nsoft "
      "left\ndump\nsoft right\n";
  CameraListDlg cameras(Stored(), kMetric, "");
  EXPECT_EQ(Run(cameras, script), DialogResult::kCancel);
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(RowTitles(dumps[1]), (Names{"Acme One", "Zeta Q1"}));
  EXPECT_EQ(SelectedRow(dumps[1]), 1);
  ASSERT_EQ(Stored()->cameras_size(), 2);
  EXPECT_EQ(Stored()->cameras(1).circle_of_confusion(), 0.02);
  EXPECT_EQ(Stored()->cameras(1).lens_index(), -1);
  EXPECT_EQ(Stored()->current_camera(), 0);
}

// Picks from a database file in a folder of its own.
class DatabasePick : public CameraListRun {
 protected:
  // Makers A, A, B, B, B (models A1 ... B3); B2 comes with an 18-55 mm lens,
  // B3 names a lens that is not there.
  void WriteFiveCameras() {
    Equipment database;
    for (const char* model : {"A1", "A2", "B1", "B2", "B3"}) {
      Camera* camera = database.add_cameras();
      camera->set_maker(std::string(1, model[0]));
      camera->set_model(model);
    }
    database.mutable_cameras(3)->set_lens_index(0);
    database.mutable_cameras(4)->set_lens_index(7);
    Lens* kit = database.add_lenses();
    kit->set_model("18-55");
    kit->set_min_focal(18.0);
    kit->set_max_focal(55.0);
    kit->set_camera_index(3);
    WriteDatabase(database);
  }

  void WriteDatabase(const Equipment& database) {
    testing::WriteFile(folder_ / "CameraDB.ptb", database.SerializeAsString());
  }

  // Opens Add, then "Select from a list...", then the rest of `script`.
  std::optional<DialogResult> RunPick(const std::string& script) {
    StartShell("click 1002\nclick 1001\n" + script + "soft right\n");
    CameraListDlg cameras(Stored(), kMetric,
                          CameraDatabase::PathIn(folder_.path().string()));
    return RunDialog(cameras);
  }

  testing::ScratchFolder folder_;
};

TEST_F(DatabasePick, ManufacturerThenModelBringsTheKitLensPaired) {
  AddStoredCameras({"Mine"});
  AddStoredLenses({"Old"});
  WriteFiveCameras();
  EXPECT_EQ(RunPick("dump\nrow 1\nsoft left\ndump\nrow 1\nsoft left\n"),
            DialogResult::kCancel);
  const auto dumps = Dumps();
  EXPECT_EQ(dumps[0]["title"], "Manufacturer");
  EXPECT_EQ(RowTitles(dumps[0]), (Names{"A", "B"}));
  EXPECT_EQ(dumps[0]["rows"][0]["right"], "2 camera(s)");
  EXPECT_EQ(dumps[0]["rows"][1]["right"], "3 camera(s)");
  EXPECT_EQ(dumps[1]["title"], "Camera");
  EXPECT_EQ(RowTitles(dumps[1]), (Names{"B B1", "B B2", "B B3"}));

  ASSERT_EQ(Stored()->cameras_size(), 2);
  ASSERT_EQ(Stored()->lenses_size(), 2);
  EXPECT_EQ(Stored()->cameras(1).model(), "B2");
  EXPECT_EQ(Stored()->cameras(1).lens_index(), 1);
  EXPECT_EQ(Stored()->lenses(1).camera_index(), 1);
  EXPECT_TRUE(PairingIsConsistent(*Stored()));
  // Its wheels are generated: 19 apertures f/2.8 .. f/22 among them.
  EXPECT_EQ(Stored()->lenses(1).apertures_size(), 19);
  EXPECT_EQ(Stored()->current_camera(), -1);
}

TEST_F(DatabasePick, ALensIndexPastTheLensesAddsTheCameraAlone) {
  WriteFiveCameras();
  RunPick("row 1\nsoft left\nrow 2\nsoft left\n");
  ASSERT_EQ(Stored()->cameras_size(), 1);
  EXPECT_EQ(Stored()->cameras(0).model(), "B3");
  EXPECT_EQ(Stored()->cameras(0).lens_index(), -1);
  EXPECT_EQ(Stored()->lenses_size(), 0);
}

TEST_F(DatabasePick, EachRowOfAReturningMakerListsItsOwnCameras) {
  Equipment database;
  for (const char* model : {"A1", "B2", "A3"}) {
    Camera* camera = database.add_cameras();
    camera->set_maker(std::string(1, model[0]));
    camera->set_model(model);
  }
  WriteDatabase(database);
  RunPick("dump\nrow 0\nsoft left\ndump\nrow 0\nsoft left\n");
  EXPECT_EQ(RowTitles(Dumps().at(0)), (Names{"A", "B", "A"}));
  EXPECT_EQ(RowTitles(Dumps().at(1)), (Names{"A A1"}));
  ASSERT_EQ(Stored()->cameras_size(), 1);
  EXPECT_EQ(Stored()->cameras(0).model(), "A1");
}

TEST_F(DatabasePick, CancelOrAMissingFileLeavesTheCreationOpen) {
  RunPick("dump\nkey enter\ndump\nclick 2\n");
  EXPECT_EQ(Dumps().at(0)["title"], "Error");
  EXPECT_EQ(zorvanel::testing::Unwrapped(
                Control(Dumps().at(0), CMessageBox::kIdMessage)["text"]),
            "The file CameraDB.ptb is missing or corrupted");
  EXPECT_EQ(Dumps().at(1)["dialog"], "CCameraCreationModeDlg");

  // Cancelled at the manufacturer, then at the model.
  WriteFiveCameras();
  RunPick(
      "soft right\ndump\nclick 1001\nrow 0\nsoft left\nsoft right\ndump\n"
      "click 2\n");
  EXPECT_EQ(Dumps().at(0)["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(Dumps().at(1)["dialog"], "CCameraCreationModeDlg");
  EXPECT_EQ(Stored()->cameras_size(), 0);
}

}  // namespace
}  // namespace zorvanel
