#include "data/equipment.h"

#include <cmath>
#include <vector>

#include "data/names.h"
#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

bool IsCameraIndex(const Equipment& equipment, int i) {
  return i >= 0 && i < equipment.cameras_size();
}

bool IsLensIndex(const Equipment& equipment, int i) {
  return i >= 0 && i < equipment.lenses_size();
}

// The lens paired with camera `camera`, the camera paired with lens `lens`;
// -1 when the link names none.
int PartnerLens(const Equipment& equipment, int camera) {
  if (!IsCameraIndex(equipment, camera)) return -1;
  const int lens = equipment.cameras(camera).lens_index();
  return IsLensIndex(equipment, lens) ? lens : -1;
}

int PartnerCamera(const Equipment& equipment, int lens) {
  if (!IsLensIndex(equipment, lens)) return -1;
  const int camera = equipment.lenses(lens).camera_index();
  return IsCameraIndex(equipment, camera) ? camera : -1;
}

constexpr double kDefaultWidestAperture = 2.8;
constexpr double kDefaultNarrowestAperture = 22.0;
constexpr double kLowestLensAperture = 0.5;
constexpr double kHighestLensAperture = 128.0;

// Clamps a stored selection into [0, count - 1]; count must be positive.
int ClampSelection(int selection, int count) {
  if (selection < 0) return 0;
  if (selection >= count) return count - 1;
  return selection;
}

// A link past the end of a list is harmless while nothing is there, but it
// would pair the next appended element with a partner that never chose it.
void ForgetLinksToCamera(Equipment* equipment, int camera) {
  for (Lens& lens : *equipment->mutable_lenses()) {
    if (lens.camera_index() == camera) lens.set_camera_index(-1);
  }
}

void ForgetLinksToLens(Equipment* equipment, int lens) {
  for (Camera& camera : *equipment->mutable_cameras()) {
    if (camera.lens_index() == lens) camera.set_lens_index(-1);
  }
}

// What a lens from the camera database may name as its own f-numbers;
// anything else is a damaged file.
bool IsPlausibleAperture(double f_number) {
  return std::isfinite(f_number) && f_number >= kLowestLensAperture &&
         f_number <= kHighestLensAperture;
}

// A database lens names its widest f-number and, when it is not f/22, its
// narrowest in `apertures`; without a usable widest one the lens gets the
// usual f/2.8 to f/22.
void RegenerateApertures(LensAccessor* accessor) {
  const Lens& lens = *accessor->lens();
  if (lens.apertures_size() == 0 || !IsPlausibleAperture(lens.apertures(0))) {
    accessor->SetApertureRange(kDefaultWidestAperture,
                               kDefaultNarrowestAperture);
    return;
  }
  const double widest = lens.apertures(0);
  const double last = lens.apertures(lens.apertures_size() - 1);
  const double narrowest =
      lens.apertures_size() >= 2 && IsPlausibleAperture(last) && last >= widest
          ? last
          : kDefaultNarrowestAperture;
  accessor->SetLensApertures(widest, narrowest);
}

void RegenerateLists(Lens* lens, const Camera& camera) {
  LensAccessor accessor(lens);
  accessor.RegenerateFocals(
      camera.has_focal_multiplier() ? camera.focal_multiplier() : 1.0);
  RegenerateApertures(&accessor);
  accessor.SetDistanceRange(0.1, 100.0);
}

// The operations of each list, in the order of EquipmentList.
struct ListOperations {
  void (*swap)(Equipment*, int, int);
  void (*remove)(Equipment*, int);
  void (*choose)(Equipment*, int);
};

const ListOperations& OperationsOf(EquipmentList list) {
  static const ListOperations kOperations[] = {
      {SwapCameras, RemoveCamera, ChooseCamera},
      {SwapLenses, RemoveLens, ChooseLens},
  };
  return kOperations[list == EquipmentList::kCameras ? 0 : 1];
}

}  // namespace

void ChooseCamera(Equipment* equipment, int index) {
  if (!IsCameraIndex(*equipment, index)) return;
  equipment->set_current_camera(index);
  // A link past the lenses would select a lens the camera never had.
  const int lens = PartnerLens(*equipment, index);
  if (lens >= 0) equipment->set_current_lens(lens);
}

void ChooseLens(Equipment* equipment, int index) {
  if (!IsLensIndex(*equipment, index)) return;
  equipment->set_current_lens(index);
  const int camera = equipment->current_camera();
  if (!IsCameraIndex(*equipment, camera)) return;
  Lens* lens = equipment->mutable_lenses(index);
  if (lens->camera_index() == camera) return;
  const int old_camera = PartnerCamera(*equipment, index);
  if (old_camera >= 0) {
    equipment->mutable_cameras(old_camera)->set_lens_index(-1);
  }
  const int old_lens = PartnerLens(*equipment, camera);
  if (old_lens >= 0) equipment->mutable_lenses(old_lens)->set_camera_index(-1);
  equipment->mutable_cameras(camera)->set_lens_index(index);
  lens->set_camera_index(camera);
}

int ItemCount(const Equipment& equipment, EquipmentList list) {
  return list == EquipmentList::kCameras ? equipment.cameras_size()
                                         : equipment.lenses_size();
}

int CurrentItem(const Equipment& equipment, EquipmentList list) {
  return list == EquipmentList::kCameras ? equipment.current_camera()
                                         : equipment.current_lens();
}

int PartnerOf(const Equipment& equipment, EquipmentList list, int index) {
  return list == EquipmentList::kCameras ? PartnerLens(equipment, index)
                                         : PartnerCamera(equipment, index);
}

std::string ItemName(const Equipment& equipment, EquipmentList list,
                     int index) {
  if (list == EquipmentList::kCameras) {
    return ShownName(equipment.cameras(index), NameSeparator::kSpace);
  }
  return ShownName(equipment.lenses(index), NameSeparator::kSpace);
}

void SwapItems(Equipment* equipment, EquipmentList list, int i, int j) {
  OperationsOf(list).swap(equipment, i, j);
}

void RemoveItem(Equipment* equipment, EquipmentList list, int index) {
  OperationsOf(list).remove(equipment, index);
}

void ChooseItem(Equipment* equipment, EquipmentList list, int index) {
  OperationsOf(list).choose(equipment, index);
}

Camera* CurrentCamera(Equipment* equipment) {
  if (equipment->cameras_size() == 0) {
    equipment->set_current_camera(0);
    return equipment->add_cameras();
  }
  equipment->set_current_camera(
      ClampSelection(equipment->current_camera(), equipment->cameras_size()));
  return equipment->mutable_cameras(equipment->current_camera());
}

Lens* CurrentLens(Equipment* equipment) {
  if (equipment->lenses_size() == 0) {
    equipment->set_current_lens(0);
    return equipment->add_lenses();
  }
  equipment->set_current_lens(
      ClampSelection(equipment->current_lens(), equipment->lenses_size()));
  return equipment->mutable_lenses(equipment->current_lens());
}

void SwapCameras(Equipment* equipment, int i, int j) {
  if (!IsCameraIndex(*equipment, i) || !IsCameraIndex(*equipment, j) ||
      i == j) {
    return;
  }
  const int lens_of_i = equipment->cameras(i).lens_index();
  const int lens_of_j = equipment->cameras(j).lens_index();
  if (IsLensIndex(*equipment, lens_of_i)) {
    equipment->mutable_lenses(lens_of_i)->set_camera_index(j);
  }
  if (IsLensIndex(*equipment, lens_of_j)) {
    equipment->mutable_lenses(lens_of_j)->set_camera_index(i);
  }
  if (equipment->current_camera() == i) {
    equipment->set_current_camera(j);
  } else if (equipment->current_camera() == j) {
    equipment->set_current_camera(i);
  }
  equipment->mutable_cameras()->SwapElements(i, j);
}

void SwapLenses(Equipment* equipment, int i, int j) {
  if (!IsLensIndex(*equipment, i) || !IsLensIndex(*equipment, j) || i == j) {
    return;
  }
  const int camera_of_i = equipment->lenses(i).camera_index();
  const int camera_of_j = equipment->lenses(j).camera_index();
  if (IsCameraIndex(*equipment, camera_of_i)) {
    equipment->mutable_cameras(camera_of_i)->set_lens_index(j);
  }
  if (IsCameraIndex(*equipment, camera_of_j)) {
    equipment->mutable_cameras(camera_of_j)->set_lens_index(i);
  }
  if (equipment->current_lens() == i) {
    equipment->set_current_lens(j);
  } else if (equipment->current_lens() == j) {
    equipment->set_current_lens(i);
  }
  equipment->mutable_lenses()->SwapElements(i, j);
}

void RemoveCamera(Equipment* equipment, int index) {
  if (!IsCameraIndex(*equipment, index)) return;
  if (equipment->current_camera() == index) equipment->set_current_camera(-1);
  Camera* camera = equipment->mutable_cameras(index);
  const int partner = camera->lens_index();
  if (partner >= 0) {
    camera->set_lens_index(-1);
    if (IsLensIndex(*equipment, partner)) {
      equipment->mutable_lenses(partner)->set_camera_index(-1);
    }
  }
  // Walking the camera to the end one swap at a time lets every link and the
  // selection follow the neighbours that move down.
  for (int p = index; p < equipment->cameras_size() - 1; ++p) {
    SwapCameras(equipment, p, p + 1);
  }
  equipment->mutable_cameras()->RemoveLast();
}

void RemoveLens(Equipment* equipment, int index) {
  if (!IsLensIndex(*equipment, index)) return;
  if (equipment->current_lens() == index) equipment->set_current_lens(-1);
  Lens* lens = equipment->mutable_lenses(index);
  const int partner = lens->camera_index();
  if (partner >= 0) {
    lens->set_camera_index(-1);
    if (IsCameraIndex(*equipment, partner)) {
      equipment->mutable_cameras(partner)->set_lens_index(-1);
    }
  }
  for (int p = index; p < equipment->lenses_size() - 1; ++p) {
    SwapLenses(equipment, p, p + 1);
  }
  equipment->mutable_lenses()->RemoveLast();
}

Camera* AddCamera(Equipment* equipment, const Camera& tmpl,
                  const Lens* tmpl_lens) {
  const int camera_index = equipment->cameras_size();
  ForgetLinksToCamera(equipment, camera_index);
  Camera* camera = equipment->add_cameras();
  *camera = tmpl;
  camera->set_lens_index(-1);
  if (tmpl_lens == nullptr) return camera;

  const int lens_index = equipment->lenses_size();
  ForgetLinksToLens(equipment, lens_index);
  Lens* lens = equipment->add_lenses();
  *lens = *tmpl_lens;
  lens->set_camera_index(camera_index);
  camera->set_lens_index(lens_index);
  RegenerateLists(lens, *camera);
  return camera;
}

Lens* AddLens(Equipment* equipment, const Lens& tmpl) {
  const int lens_index = equipment->lenses_size();
  ForgetLinksToLens(equipment, lens_index);
  Lens* lens = equipment->add_lenses();
  *lens = tmpl;
  lens->set_camera_index(-1);
  return lens;
}

bool PairingIsConsistent(const Equipment& equipment) {
  for (int i = 0; i < equipment.cameras_size(); ++i) {
    const int j = equipment.cameras(i).lens_index();
    if (IsLensIndex(equipment, j) && equipment.lenses(j).camera_index() != i) {
      return false;
    }
  }
  for (int j = 0; j < equipment.lenses_size(); ++j) {
    const int i = equipment.lenses(j).camera_index();
    if (IsCameraIndex(equipment, i) && equipment.cameras(i).lens_index() != j) {
      return false;
    }
  }
  return true;
}

void RepairPairing(Equipment* equipment) {
  // Decide on the original links first, then cut: cutting while scanning
  // would make the second pass see links the first pass already broke.
  std::vector<int> cameras_to_cut;
  std::vector<int> lenses_to_cut;
  for (int i = 0; i < equipment->cameras_size(); ++i) {
    const int j = equipment->cameras(i).lens_index();
    if (IsLensIndex(*equipment, j) &&
        equipment->lenses(j).camera_index() != i) {
      cameras_to_cut.push_back(i);
    }
  }
  for (int j = 0; j < equipment->lenses_size(); ++j) {
    const int i = equipment->lenses(j).camera_index();
    if (IsCameraIndex(*equipment, i) &&
        equipment->cameras(i).lens_index() != j) {
      lenses_to_cut.push_back(j);
    }
  }
  for (int i : cameras_to_cut)
    equipment->mutable_cameras(i)->set_lens_index(-1);
  for (int j : lenses_to_cut)
    equipment->mutable_lenses(j)->set_camera_index(-1);
}

}  // namespace zorvanel
