// The lens list: the bounds and lists of a new lens (checked against the
// standard series by hand), the pairing made by "Select", and the creation,
// removal, editing and moving of lenses run headless.
#include "dialogs/lens_list_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/data_root.h"
#include "data/equipment.h"
#include "dialog_harness.h"
#include "dialogs/edit_lens_dlg.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/message_box.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

template <typename T>
std::vector<double> ListOf(const T& repeated) {
  return std::vector<double>(repeated.begin(), repeated.end());
}

void ExpectBounds(const LensListDlg::Bounds& b, double lo, double hi) {
  EXPECT_EQ(b.lo, lo);
  EXPECT_EQ(b.hi, hi);
}

TEST(LensBounds, OrderedAndRaisedToOne) {
  ExpectBounds(LensListDlg::OrderedBounds(70, 200), 70, 200);
  ExpectBounds(LensListDlg::OrderedBounds(22, 2.8), 2.8, 22);
  // An empty field (0) gives a range of the other value alone.
  ExpectBounds(LensListDlg::OrderedBounds(50, 0), 50, 50);
  ExpectBounds(LensListDlg::OrderedBounds(0, 50), 50, 50);
  ExpectBounds(LensListDlg::OrderedBounds(0, 0), 1, 1);
  ExpectBounds(LensListDlg::OrderedBounds(-20, 35), 35, 35);
  ExpectBounds(LensListDlg::OrderedBounds(0.5, 0.7), 1, 1);
}

TEST(MakeLens, ListsComeFromTheBoundsAndTheStandardSeries) {
  SetUnitSystem(kMetric);
  const Lens lens =
      LensListDlg::MakeLens({70, 200}, {2.8, 22}, "Acme\\nTele 70-200");
  EXPECT_EQ(lens.maker(), "Acme");
  EXPECT_EQ(lens.model(), "Tele 70-200");
  EXPECT_EQ(lens.min_focal(), 70.0);
  EXPECT_EQ(lens.max_focal(), 200.0);
  EXPECT_EQ(lens.camera_index(), -1);
  // 130 mm divides by 13: fourteen values 10 mm apart.
  std::vector<double> focals;
  for (int f = 70; f <= 200; f += 10) focals.push_back(f);
  EXPECT_THAT(ListOf(lens.focals()), ElementsAreArray(focals));
  EXPECT_THAT(ListOf(lens.apertures()),
              ElementsAre(2.8, 3.2, 3.5, 4.0, 4.5, 5.0, 5.6, 6.3, 7.1, 8.0, 9.0,
                          10, 11, 13, 14, 16, 18, 20, 22));
  EXPECT_THAT(ListOf(lens.distances()),
              ElementsAre(0.1, 0.12, 0.15, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.8,
                          1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10, 12, 15, 20,
                          25, 30, 40, 50, 60, 80, 100));

  const Lens prime = LensListDlg::MakeLens({50, 50}, {1.4, 1.4}, "Fifty");
  EXPECT_EQ(prime.maker(), "");
  EXPECT_EQ(prime.model(), "Fifty");
  EXPECT_THAT(ListOf(prime.focals()), ElementsAre(50.0));
  EXPECT_THAT(ListOf(prime.apertures()), ElementsAre(1.4));
}

// Cameras and lenses named C0, C1... and L0, L1...
Equipment MakeEquipment(int cameras, int lenses) {
  Equipment e;
  for (int i = 0; i < cameras; ++i) {
    e.add_cameras()->set_model("C" + std::to_string(i));
  }
  for (int i = 0; i < lenses; ++i) {
    Lens* lens = e.add_lenses();
    lens->set_model("L" + std::to_string(i));
    lens->add_focals(50.0);
  }
  return e;
}

void Pair(Equipment* e, int camera, int lens) {
  e->mutable_cameras(camera)->set_lens_index(lens);
  e->mutable_lenses(lens)->set_camera_index(camera);
}

TEST(ChooseLens, PairsWithTheCurrentCameraAfterUnpairingBothPartners) {
  Equipment e = MakeEquipment(2, 6);
  Pair(&e, 0, 5);
  Pair(&e, 1, 2);
  e.set_current_camera(0);
  LensListDlg::ChooseLens(&e, 2);
  EXPECT_EQ(e.current_lens(), 2);
  EXPECT_EQ(e.cameras(0).lens_index(), 2);
  EXPECT_EQ(e.lenses(2).camera_index(), 0);
  EXPECT_EQ(e.lenses(5).camera_index(), -1);
  EXPECT_EQ(e.cameras(1).lens_index(), -1);
  EXPECT_TRUE(PairingIsConsistent(e));

  // Choosing it again changes nothing.
  const std::string before = e.SerializeAsString();
  LensListDlg::ChooseLens(&e, 2);
  EXPECT_EQ(e.SerializeAsString(), before);
}

TEST(ChooseLens, WithoutACurrentCameraOnlyTheLensBecomesCurrent) {
  Equipment e = MakeEquipment(1, 3);
  Pair(&e, 0, 1);
  for (int camera : {-1, 1, 7}) {
    e.set_current_camera(camera);
    LensListDlg::ChooseLens(&e, 2);
    EXPECT_EQ(e.current_lens(), 2);
    EXPECT_EQ(e.cameras(0).lens_index(), 1);
    EXPECT_EQ(e.lenses(2).camera_index(), -1);
  }
  // An index without a lens changes nothing.
  e.set_current_camera(0);
  LensListDlg::ChooseLens(&e, 3);
  LensListDlg::ChooseLens(&e, -1);
  EXPECT_EQ(e.current_lens(), 2);
  EXPECT_EQ(e.cameras(0).lens_index(), 1);
}

class LensListRun : public DialogHarness {
 protected:
  Equipment& Stored() { return *GetData()->mutable_equipment(); }

  nlohmann::json DumpOf(const std::string& name, int nth = 0) const {
    for (const auto& dump : Dumps()) {
      if (dump["dialog"] == name && nth-- == 0) return dump;
    }
    ADD_FAILURE() << "no dump of " << name;
    return nlohmann::json::object();
  }

  static std::vector<std::string> Models(const Equipment& e) {
    std::vector<std::string> models;
    for (const Lens& lens : e.lenses()) models.push_back(lens.model());
    return models;
  }
};

TEST_F(LensListRun, CreationAsksThreeTimesThenAddsTheReviewedLens) {
  Stored() = MakeEquipment(1, 1);
  Stored().set_current_camera(0);
  Stored().set_current_lens(0);
  LensListDlg dlg;
  Run(dlg,
      "click 1002\ndump\ntype 70\nclick 1022\ntype 200\nkey enter\n"
      "dump\ntype 22\nclick 1022\ntype 2.8\nkey enter\n"
      "dump\ntype Acme\\nTele\nkey enter\n"
      "dump\nsoft left\ndump\nsoft right\n");
  ASSERT_EQ(Stored().lenses_size(), 2);
  const Lens& lens = Stored().lenses(1);
  EXPECT_EQ(lens.maker(), "Acme");
  EXPECT_EQ(lens.model(), "Tele");
  EXPECT_EQ(lens.focals_size(), 14);
  EXPECT_EQ(lens.apertures_size(), 19);
  // Not paired, not current: "Back" chose nothing.
  EXPECT_EQ(lens.camera_index(), -1);
  EXPECT_EQ(Stored().current_lens(), 0);
  EXPECT_TRUE(PairingIsConsistent(Stored()));

  const auto focal = DumpOf("CEditValueDlg", 0);
  EXPECT_EQ(focal["title"], "Focal of your lens");
  EXPECT_EQ(Control(focal, CEditValueDlg::kIdComment)["text"],
            "Enter focal range in mm");
  EXPECT_EQ(Control(focal, CEditValueDlg::kIdCaption2)["text"], "Max focal");
  const auto aperture = DumpOf("CEditValueDlg", 1);
  EXPECT_EQ(aperture["title"], "Aperture of your lens");
  EXPECT_EQ(Control(aperture, CEditValueDlg::kIdCaption1)["text"],
            "Min aperture");
  EXPECT_EQ(DumpOf("CEditValueDlg", 2)["title"], "Name of your lens");
  const auto review = DumpOf("CEditLensDlg");
  EXPECT_EQ(review["title"], "Details of your lens");
  EXPECT_EQ(Control(review, CEditLensDlg::kIdFocalButton)["text"],
            "Focal: 70 mm - 200 mm...");
  EXPECT_EQ(Control(review, CEditLensDlg::kIdApertureButton)["text"],
            "Aperture: f/2.8 - f/22...");
  EXPECT_EQ(Control(review, CEditLensDlg::kIdDistanceButton)["text"],
            "Distance: 10 cm - 100 m...");
  const auto list = DumpOf("LensListDlg");
  EXPECT_EQ(list["title"], "My lenses");
  ASSERT_EQ(list["rows"].size(), 2u);
  EXPECT_EQ(list["rows"][1]["title"], "Acme Tele");
  EXPECT_EQ(list["rows"][1]["left"], "70 mm - 200 mm");
  EXPECT_EQ(list["rows"][1]["right"], "f/2.8 - f/22");
  EXPECT_EQ(list["rows"][1]["selected"], true);
  EXPECT_EQ(list["softkeys"][0], "Select");
}

TEST_F(LensListRun, CancellingAnyStepAddsNothing) {
  LensListDlg dlg;
  // Cancelled at the name, then in the review.
  Run(dlg,
      "click 1002\ntype 50\nkey enter\nkey enter\nkey escape\n"
      "click 1002\ntype 50\nkey enter\nkey enter\ntype Prime\nkey enter\n"
      "soft right\ndump\nsoft right\n");
  EXPECT_EQ(Stored().lenses_size(), 0);
  EXPECT_TRUE(DumpOf("LensListDlg")["rows"].empty());
}

TEST_F(LensListRun, BoundBeyondTheMaximumIsRefusedAndReopened) {
  LensListDlg dlg;
  Run(dlg,
      "click 1002\ntype 70\nclick 1022\ntype 20000\nkey enter\ndump\n"
      "key enter\ndump\nkey escape\nsoft right\n");
  EXPECT_EQ(Stored().lenses_size(), 0);
  const auto message = DumpOf("CMessageBox");
  EXPECT_EQ(message["title"], "Invalid value");
  EXPECT_EQ(Control(message, CMessageBox::kIdMessage)["text"],
            "No value may be\r\ngreater than 10000 mm.");
  const auto again = DumpOf("CEditValueDlg");
  EXPECT_EQ(Control(again, CEditValueDlg::kIdField1)["text"], "70");
  EXPECT_EQ(Control(again, CEditValueDlg::kIdField2)["text"], "20000");
}

TEST_F(LensListRun, RemovingAPairedLensAsksAboutItsCamera) {
  Stored() = MakeEquipment(1, 2);
  Pair(&Stored(), 0, 1);
  Stored().set_current_camera(0);
  Stored().set_current_lens(1);
  LensListDlg dlg;
  Run(dlg,
      "row 1\nclick 1003\ndump\nclick 1\ndump\nclick 2\ndump\nsoft right\n");
  EXPECT_THAT(Models(Stored()), ElementsAre("L0"));
  ASSERT_EQ(Stored().cameras_size(), 1);
  EXPECT_EQ(Stored().cameras(0).lens_index(), -1);
  EXPECT_EQ(Stored().current_lens(), -1);
  EXPECT_EQ(Stored().current_camera(), 0);

  EXPECT_EQ(Control(DumpOf("CMessageBox", 0), CMessageBox::kIdMessage)["text"],
            "Do you want to remove the lens\r\nL1?");
  const auto second = DumpOf("CMessageBox", 1);
  EXPECT_EQ(second["title"], "Remove camera?");
  EXPECT_EQ(Control(second, CMessageBox::kIdMessage)["text"],
            "Do you want to remove also\r\nthe associated camera\r\nC0?");
  // Nothing is selected afterwards.
  const auto list = DumpOf("LensListDlg");
  EXPECT_EQ(list["rows"].size(), 1u);
  EXPECT_EQ(list["rows"][0]["selected"], false);
  EXPECT_EQ(list["softkeys"][0], "");
  EXPECT_EQ(Control(list, BaseListDlg::kIdRemove)["enabled"], false);
}

TEST_F(LensListRun, YesRemovesTheCameraTooAndNoAtFirstRemovesNothing) {
  Stored() = MakeEquipment(2, 2);
  Pair(&Stored(), 1, 0);
  Stored().set_current_camera(1);
  LensListDlg dlg;
  Run(dlg,
      "row 0\nclick 1003\nclick 2\nclick 1003\nclick 1\nclick 1\n"
      "soft right\n");
  EXPECT_THAT(Models(Stored()), ElementsAre("L1"));
  ASSERT_EQ(Stored().cameras_size(), 1);
  EXPECT_EQ(Stored().cameras(0).model(), "C0");
  EXPECT_EQ(Stored().current_camera(), -1);
  EXPECT_TRUE(PairingIsConsistent(Stored()));
}

TEST_F(LensListRun, EditWorksOnACopyKeptOnlyOnOk) {
  Stored() = MakeEquipment(0, 2);
  LensListDlg dlg;
  Run(dlg,
      "row 1\nclick 1004\ndump\nclick 1009\ntype Lost\nkey enter\nsoft right\n"
      "click 1004\nclick 1009\ntype Kept\nkey enter\nsoft left\ndump\n"
      "soft right\n");
  EXPECT_THAT(Models(Stored()), ElementsAre("L0", "Kept"));
  EXPECT_EQ(DumpOf("CEditLensDlg")["title"], "Edit lens");
  EXPECT_EQ(DumpOf("LensListDlg")["rows"][1]["title"], "Kept");
}

TEST_F(LensListRun, DoubleTapOnMoveUpMovesTwiceWithSelectionAndPairing) {
  Stored() = MakeEquipment(1, 3);
  Pair(&Stored(), 0, 2);
  Stored().set_current_camera(0);
  Stored().set_current_lens(2);
  LensListDlg dlg;
  // Move up is the fourth of five 96-pixel buttons along the bottom.
  Run(dlg, "dbltap 336 540\ndump\nsoft right\n");
  EXPECT_THAT(Models(Stored()), ElementsAre("L2", "L0", "L1"));
  EXPECT_EQ(Stored().current_lens(), 0);
  EXPECT_EQ(Stored().cameras(0).lens_index(), 0);
  EXPECT_EQ(Stored().lenses(0).camera_index(), 0);
  EXPECT_TRUE(PairingIsConsistent(Stored()));
  const auto list = DumpOf("LensListDlg");
  EXPECT_EQ(list["rows"][0]["title"], "L2");
  EXPECT_EQ(list["rows"][0]["selected"], true);
  EXPECT_EQ(Control(list, BaseListDlg::kIdMoveUp)["enabled"], false);
}

TEST_F(LensListRun, SelectMakesTheLensCurrentAndPairsIt) {
  Stored() = MakeEquipment(1, 3);
  Pair(&Stored(), 0, 2);
  Stored().set_current_camera(0);
  Stored().set_current_lens(2);
  LensListDlg dlg;
  EXPECT_EQ(Run(dlg, "row 0\nsoft left\n"), kIdOk);
  EXPECT_EQ(Stored().current_lens(), 0);
  EXPECT_EQ(Stored().cameras(0).lens_index(), 0);
  EXPECT_EQ(Stored().lenses(2).camera_index(), -1);
  EXPECT_TRUE(PairingIsConsistent(Stored()));
}

}  // namespace
}  // namespace zorvanel
