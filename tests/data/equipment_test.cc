// Tests of the equipment: selection, names, list operations and pairing.
#include "data/equipment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "data/names.h"
#include "data/zorvanel.pb.h"
#include "optics/units.h"

namespace zorvanel {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;

// Cameras and lenses carry their creation number in `id`, so a test can tell
// which element sits where after the list has moved.
Equipment MakeEquipment(int cameras, int lenses) {
  Equipment equipment;
  for (int i = 0; i < cameras; ++i) equipment.add_cameras()->set_id(100 + i);
  for (int j = 0; j < lenses; ++j) equipment.add_lenses()->set_id(200 + j);
  return equipment;
}

void Pair(Equipment* equipment, int camera, int lens) {
  equipment->mutable_cameras(camera)->set_lens_index(lens);
  equipment->mutable_lenses(lens)->set_camera_index(camera);
}

std::vector<int> CameraIds(const Equipment& equipment) {
  std::vector<int> ids;
  for (const Camera& c : equipment.cameras()) ids.push_back(c.id());
  return ids;
}

// The lookup names the selected lens or nothing and leaves the equipment as
// it was; ensuring brings the selection into range and stores it.
TEST(SelectionTest, LookupOnlyReadsAndEnsureRepairs) {
  struct Case {
    int lenses;
    int selection;
    int found;    // index of the lens found, -1 for none
    int ensured;  // the selection afterwards
  };
  const Case kCases[] = {
      {3, 1, 1, 1}, {3, 7, -1, 2}, {3, -1, -1, 0}, {0, 0, -1, 0}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.selection);
    Equipment equipment = MakeEquipment(0, c.lenses);
    equipment.set_current_lens(c.selection);
    const std::string before = equipment.SerializeAsString();
    const Lens* found = SelectedLens(equipment);
    EXPECT_EQ(found == nullptr ? -1 : found->id() - 200, c.found);
    EXPECT_EQ(equipment.SerializeAsString(), before);
    const Lens* ensured = EnsureSelectedLens(&equipment);
    EXPECT_EQ(equipment.current_lens(), c.ensured);
    EXPECT_EQ(ensured, &equipment.lenses(c.ensured));
  }
}

TEST(SelectionTest, EnsuringInAnEmptyListAddsOneDefaultElement) {
  Equipment equipment;
  const Lens* lens = EnsureSelectedLens(&equipment);
  EXPECT_EQ(equipment.lenses_size(), 1);
  EXPECT_EQ(lens->camera_index(), -1);
  EXPECT_TRUE(equipment.has_current_lens());

  const Camera* camera = EnsureSelectedCamera(&equipment);
  EXPECT_EQ(equipment.cameras_size(), 1);
  EXPECT_EQ(camera->circle_of_confusion(), -1.0);
  EXPECT_EQ(equipment.current_camera(), 0);
}

TEST(SelectionTest, CameraAndLensSelectedNeedsBothToExist) {
  Equipment equipment;
  EXPECT_FALSE(CameraAndLensSelected(equipment));
  // Indices alone, with nothing to point at, select nothing.
  equipment.set_current_camera(0);
  equipment.set_current_lens(0);
  EXPECT_FALSE(CameraAndLensSelected(equipment));
  equipment.add_cameras();
  equipment.add_lenses();
  EXPECT_TRUE(CameraAndLensSelected(equipment));
  EXPECT_EQ(SelectedCamera(equipment), &equipment.cameras(0));
  equipment.set_current_lens(-1);
  EXPECT_FALSE(CameraAndLensSelected(equipment));
}

TEST(NamesTest, DisplayNameJoinsBySeparator) {
  Camera camera;
  camera.set_maker("Acme");
  camera.set_model("Z100");
  EXPECT_EQ(DisplayName(camera, NameSeparator::kSpace), "Acme Z100");
  EXPECT_EQ(DisplayName(camera, NameSeparator::kLineBreak), "Acme\r\nZ100");
  EXPECT_EQ(DisplayName(camera, NameSeparator::kEscaped), "Acme\\nZ100");

  Lens lens;
  lens.set_model("50mm");
  EXPECT_EQ(DisplayName(lens, NameSeparator::kLineBreak), "50mm");
  lens.set_maker("Acme");
  lens.clear_model();
  EXPECT_EQ(DisplayName(lens, NameSeparator::kSpace), "Acme");
}

TEST(NamesTest, SplitNameAtTheFirstEscapedBreak) {
  Camera camera;
  SplitName(&camera, "Acme\\nZ100");
  EXPECT_EQ(camera.maker(), "Acme");
  EXPECT_EQ(camera.model(), "Z100");
  EXPECT_EQ(DisplayName(camera, NameSeparator::kSpace), "Acme Z100");

  SplitName(&camera, "Z100");
  EXPECT_EQ(camera.maker(), "");
  EXPECT_EQ(camera.model(), "Z100");
  EXPECT_EQ(DisplayName(camera, NameSeparator::kSpace), "Z100");

  Lens lens;
  SplitName(&lens, "A\\nB\\nC");
  EXPECT_EQ(lens.maker(), "A");
  EXPECT_EQ(lens.model(), "B\\nC");
  // A real line break is not the separator.
  SplitName(&lens, "A\nB");
  EXPECT_EQ(lens.maker(), "");
  EXPECT_EQ(lens.model(), "A\nB");
}

TEST(EquipmentOperationsTest, RemovingTheSelectedCameraClearsTheSelection) {
  Equipment equipment = MakeEquipment(3, 0);
  equipment.set_current_camera(1);
  RemoveCamera(&equipment, 1);
  EXPECT_EQ(equipment.current_camera(), -1);
  EXPECT_THAT(CameraIds(equipment), ElementsAre(100, 102));
}

TEST(EquipmentOperationsTest, RemovingAnEarlierCameraKeepsTheSelection) {
  Equipment equipment = MakeEquipment(3, 0);
  equipment.set_current_camera(2);
  RemoveCamera(&equipment, 0);
  EXPECT_EQ(equipment.current_camera(), 1);
  EXPECT_EQ(equipment.cameras(1).id(), 102);
}

TEST(EquipmentOperationsTest, RemovalMovesThePairingLinks) {
  Equipment equipment = MakeEquipment(3, 1);
  Pair(&equipment, 2, 0);
  RemoveCamera(&equipment, 0);
  EXPECT_EQ(equipment.cameras(1).id(), 102);
  EXPECT_EQ(equipment.cameras(1).lens_index(), 0);
  EXPECT_EQ(equipment.lenses(0).camera_index(), 1);
}

TEST(EquipmentOperationsTest, RemovingOnePartnerUnpairsTheOther) {
  Equipment equipment = MakeEquipment(2, 2);
  Pair(&equipment, 0, 1);
  Pair(&equipment, 1, 0);
  RemoveLens(&equipment, 1);
  ASSERT_EQ(equipment.lenses_size(), 1);
  EXPECT_EQ(equipment.cameras(0).lens_index(), -1);
  EXPECT_EQ(equipment.cameras(1).lens_index(), 0);
  EXPECT_TRUE(PairingIsConsistent(equipment));
}

TEST(EquipmentOperationsTest, SwapMovesSelectionAndLinks) {
  Equipment equipment = MakeEquipment(2, 2);
  Pair(&equipment, 0, 1);
  equipment.set_current_camera(1);
  SwapCameras(&equipment, 0, 1);
  EXPECT_EQ(equipment.current_camera(), 0);
  EXPECT_THAT(CameraIds(equipment), ElementsAre(101, 100));
  EXPECT_EQ(equipment.lenses(1).camera_index(), 1);
  EXPECT_EQ(equipment.cameras(1).lens_index(), 1);

  equipment.set_current_lens(0);
  SwapLenses(&equipment, 1, 0);
  EXPECT_EQ(equipment.current_lens(), 1);
  EXPECT_EQ(equipment.cameras(1).lens_index(), 0);
  EXPECT_EQ(equipment.lenses(0).id(), 201);
}

TEST(EquipmentOperationsTest, InvalidIndicesChangeNothing) {
  Equipment equipment = MakeEquipment(2, 2);
  Pair(&equipment, 0, 1);
  equipment.set_current_camera(0);
  const std::string before = equipment.SerializeAsString();
  SwapCameras(&equipment, 0, 2);
  SwapCameras(&equipment, -1, 0);
  SwapCameras(&equipment, 1, 1);
  SwapLenses(&equipment, 0, 5);
  RemoveCamera(&equipment, 2);
  RemoveLens(&equipment, -1);
  EXPECT_EQ(equipment.SerializeAsString(), before);
}

// Random walks of swaps and removals: the pairing stays symmetric, the pairs
// stay the same elements and the selection stays on the same element.
TEST(EquipmentOperationsTest, OperationsKeepPairsAndSelectionOnTheirElements) {
  unsigned seed = 12345;
  auto next = [&seed](int bound) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<unsigned>(bound));
  };
  for (int run = 0; run < 200; ++run) {
    Equipment equipment = MakeEquipment(6, 6);
    Pair(&equipment, 0, 3);
    Pair(&equipment, 2, 0);
    Pair(&equipment, 5, 5);
    equipment.set_current_camera(2);
    equipment.set_current_lens(3);
    while (equipment.cameras_size() > 1 && equipment.lenses_size() > 1) {
      const int camera_id =
          equipment.current_camera() >= 0
              ? equipment.cameras(equipment.current_camera()).id()
              : -1;
      const int lens_id = equipment.current_lens() >= 0
                              ? equipment.lenses(equipment.current_lens()).id()
                              : -1;
      const int nc = equipment.cameras_size();
      const int nl = equipment.lenses_size();
      switch (next(4)) {
        case 0: {
          const int i = next(nc - 1);
          SwapCameras(&equipment, i, i + 1);
          break;
        }
        case 1: {
          const int j = next(nl - 1);
          SwapLenses(&equipment, j, j + 1);
          break;
        }
        case 2:
          RemoveCamera(&equipment, next(nc));
          break;
        default:
          RemoveLens(&equipment, next(nl));
          break;
      }
      ASSERT_TRUE(PairingIsConsistent(equipment));
      // Pairs are only ever the original ones.
      for (const Camera& camera : equipment.cameras()) {
        if (camera.lens_index() < 0) continue;
        const int lens = equipment.lenses(camera.lens_index()).id();
        EXPECT_TRUE((camera.id() == 100 && lens == 203) ||
                    (camera.id() == 102 && lens == 200) ||
                    (camera.id() == 105 && lens == 205));
      }
      if (equipment.current_camera() >= 0) {
        EXPECT_EQ(equipment.cameras(equipment.current_camera()).id(),
                  camera_id);
      }
      if (equipment.current_lens() >= 0) {
        EXPECT_EQ(equipment.lenses(equipment.current_lens()).id(), lens_id);
      }
    }
  }
}

TEST(EquipmentOperationsTest, AddCameraWithLensPairsThemAtTheEnd) {
  Equipment equipment = MakeEquipment(2, 3);
  Camera camera;
  camera.set_model("Z100");
  camera.set_lens_index(0);  // the database's own index, replaced
  Lens kit;
  kit.set_min_focal(18);
  kit.set_max_focal(55);
  kit.set_camera_index(7);

  const Camera* added = AddCamera(&equipment, camera, &kit, kMetric);
  EXPECT_EQ(added->model(), "Z100");
  EXPECT_EQ(added->lens_index(), 3);
  ASSERT_EQ(equipment.lenses_size(), 4);
  const Lens& lens = equipment.lenses(3);
  EXPECT_EQ(lens.camera_index(), 2);
  EXPECT_THAT(lens.focals(), ElementsAre(18, 20, 24, 28, 35, 40, 50, 55));
  EXPECT_EQ(lens.apertures_size(), 19);
  EXPECT_EQ(lens.apertures(0), 2.8);
  EXPECT_EQ(lens.apertures(18), 22);
  EXPECT_EQ(lens.distances_size(), 31);
  EXPECT_EQ(lens.distances(0), 0.1);
  EXPECT_EQ(lens.distances(30), 100);
  EXPECT_TRUE(PairingIsConsistent(equipment));
}

TEST(EquipmentOperationsTest, AddCameraUsesTheMultiplierOnlyWhenSet) {
  Equipment equipment;
  Camera camera;
  camera.set_focal_multiplier(1.5);
  Lens kit;
  kit.set_min_focal(4);  // a compact's real focal lengths: evenly spaced
  kit.set_max_focal(10);
  AddCamera(&equipment, camera, &kit, kMetric);
  // Whole millimetres, snapped so that 1.5 times each is whole too.
  const std::vector<double> expected = {4, 5.333, 6, 7.333, 8, 9.333, 10};
  EXPECT_THAT(equipment.lenses(0).focals(),
              Pointwise(DoubleNear(0.001), expected));
}

// A database lens names its widest f-number and, unless it is f/22, its
// narrowest; the wheel offers exactly those ends and the marks between.
TEST(EquipmentOperationsTest, AddCameraGivesTheLensItsOwnApertures) {
  const auto apertures_after_pick = [](std::vector<double> named) {
    Equipment equipment;
    Lens kit;
    for (double f_number : named) kit.add_apertures(f_number);
    AddCamera(&equipment, Camera(), &kit, kMetric);
    const auto& list = equipment.lenses(0).apertures();
    return std::vector<double>(list.begin(), list.end());
  };
  EXPECT_THAT(apertures_after_pick({1.7, 8}),
              ElementsAre(1.7, 1.8, 2, 2.2, 2.5, 2.8, 3.2, 3.5, 4, 4.5, 5, 5.6,
                          6.3, 7.1, 8));
  const std::vector<double> from_f35 = apertures_after_pick({3.5});
  EXPECT_EQ(from_f35.front(), 3.5);
  EXPECT_EQ(from_f35.back(), 22);
  EXPECT_EQ(from_f35.size(), 17u);
  // A damaged database: an unusable widest end gives the usual list, an
  // unusable narrowest end f/22.
  const std::vector<double> usual = apertures_after_pick({});
  EXPECT_EQ(usual.size(), 19u);
  EXPECT_EQ(apertures_after_pick({std::nan("")}), usual);
  EXPECT_EQ(apertures_after_pick({4, 2}).back(), 22);
}

// A picked lens gets no distance closer than its nearest focus; a damaged
// figure is ignored.
TEST(EquipmentOperationsTest, AddCameraStartsTheDistancesAtTheNearestFocus) {
  const std::tuple<double, UnitSystem, double> kCases[] = {
      {0.45, kMetric, 0.5}, {0.45, kImperial, 0.4572}, {1e9, kMetric, 0.1}};
  for (const auto& [nearest, units, first] : kCases) {
    Equipment equipment;
    Lens kit;
    kit.set_nearest_focus(nearest);
    AddCamera(&equipment, Camera(), &kit, units);
    EXPECT_NEAR(equipment.lenses(0).distances(0), first, 1e-4) << nearest;
  }
}

TEST(EquipmentOperationsTest, AddCameraAloneComesUnpaired) {
  Equipment equipment = MakeEquipment(1, 1);
  Camera camera;
  camera.set_lens_index(0);
  const Camera* added = AddCamera(&equipment, camera, nullptr, kMetric);
  EXPECT_EQ(added->lens_index(), -1);
  EXPECT_EQ(equipment.lenses_size(), 1);
  EXPECT_EQ(equipment.lenses(0).camera_index(), -1);
}

TEST(EquipmentOperationsTest, AddLensAppendsAnUnpairedCopy) {
  Equipment equipment = MakeEquipment(1, 1);
  Pair(&equipment, 0, 0);
  Lens tmpl = equipment.lenses(0);  // still names camera 0
  tmpl.set_model("copy");
  const Lens* added = AddLens(&equipment, tmpl);
  EXPECT_EQ(added->model(), "copy");
  EXPECT_EQ(added->camera_index(), -1);
  EXPECT_EQ(equipment.cameras(0).lens_index(), 0);
  EXPECT_TRUE(PairingIsConsistent(equipment));
}

TEST(EquipmentOperationsTest, StaleLinkDoesNotPairAnAppendedElement) {
  // Camera 0 names lens 1, which does not exist yet.
  Equipment equipment = MakeEquipment(1, 1);
  equipment.mutable_cameras(0)->set_lens_index(1);
  EXPECT_TRUE(PairingIsConsistent(equipment));
  AddLens(&equipment, Lens());
  EXPECT_EQ(equipment.cameras(0).lens_index(), -1);
  EXPECT_TRUE(PairingIsConsistent(equipment));

  equipment.mutable_lenses(0)->set_camera_index(1);
  AddCamera(&equipment, Camera(), nullptr, kMetric);
  EXPECT_EQ(equipment.lenses(0).camera_index(), -1);
  EXPECT_TRUE(PairingIsConsistent(equipment));
}

TEST(ChooseTest, PairsWithTheCurrentCameraAfterUnpairingBothPartners) {
  Equipment e = MakeEquipment(2, 6);
  Pair(&e, 0, 5);
  Pair(&e, 1, 2);
  e.set_current_camera(0);
  ChooseLens(&e, 2);
  EXPECT_EQ(e.current_lens(), 2);
  EXPECT_EQ(e.cameras(0).lens_index(), 2);
  EXPECT_EQ(e.lenses(2).camera_index(), 0);
  EXPECT_EQ(e.lenses(5).camera_index(), -1);
  EXPECT_EQ(e.cameras(1).lens_index(), -1);
  EXPECT_TRUE(PairingIsConsistent(e));

  // Choosing it again changes nothing.
  const std::string before = e.SerializeAsString();
  ChooseLens(&e, 2);
  EXPECT_EQ(e.SerializeAsString(), before);
}

TEST(ChooseTest, WithoutACurrentCameraOnlyTheLensBecomesCurrent) {
  Equipment e = MakeEquipment(1, 3);
  Pair(&e, 0, 1);
  for (int camera : {-1, 1, 7}) {
    e.set_current_camera(camera);
    ChooseLens(&e, 2);
    EXPECT_EQ(e.current_lens(), 2);
    EXPECT_EQ(e.cameras(0).lens_index(), 1);
    EXPECT_EQ(e.lenses(2).camera_index(), -1);
  }
  // An index without a lens changes nothing.
  e.set_current_camera(0);
  ChooseLens(&e, 3);
  ChooseLens(&e, -1);
  EXPECT_EQ(e.current_lens(), 2);
  EXPECT_EQ(e.cameras(0).lens_index(), 1);
}

TEST(ChooseTest, ChoosingACameraSelectsItsPairedLens) {
  Equipment e = MakeEquipment(2, 2);
  Pair(&e, 1, 1);
  e.set_current_lens(0);
  ChooseCamera(&e, 1);
  EXPECT_EQ(e.current_camera(), 1);
  EXPECT_EQ(e.current_lens(), 1);
  // A link past the lenses selects no lens; an index without a camera
  // changes nothing.
  e.mutable_cameras(0)->set_lens_index(5);
  ChooseCamera(&e, 0);
  ChooseCamera(&e, 2);
  EXPECT_EQ(e.current_camera(), 0);
  EXPECT_EQ(e.current_lens(), 1);
}

TEST(PairingTest, OneSidedLinksAreFoundAndBroken) {
  Equipment equipment = MakeEquipment(3, 3);
  Pair(&equipment, 0, 0);
  EXPECT_TRUE(PairingIsConsistent(equipment));
  equipment.mutable_cameras(1)->set_lens_index(2);   // lens 2 names nobody
  equipment.mutable_lenses(1)->set_camera_index(0);  // camera 0 has lens 0
  EXPECT_FALSE(PairingIsConsistent(equipment));

  RepairPairing(&equipment);
  EXPECT_TRUE(PairingIsConsistent(equipment));
  EXPECT_EQ(equipment.cameras(0).lens_index(), 0);  // the real pair stays
  EXPECT_EQ(equipment.lenses(0).camera_index(), 0);
  EXPECT_EQ(equipment.cameras(1).lens_index(), -1);
  EXPECT_EQ(equipment.lenses(1).camera_index(), -1);
}

}  // namespace
}  // namespace zorvanel
