// The operations on the user's cameras and lenses: choose, pair, add, remove.
#include "data/equipment.h"

#include <cmath>
#include <vector>

#include "data/names.h"
#include "optics/lens_accessor.h"

namespace zorvanel {
namespace {

bool IsIndex(const Equipment& equipment, EquipmentList list, int i) {
  return i >= 0 && i < ItemCount(equipment, list);
}

bool IsCameraIndex(const Equipment& equipment, int i) {
  return IsIndex(equipment, EquipmentList::kCameras, i);
}

// The stored link of element `i` into the other list, which may be stale.
int LinkOf(const Equipment& equipment, EquipmentList list, int i) {
  return list == EquipmentList::kCameras ? equipment.cameras(i).lens_index()
                                         : equipment.lenses(i).camera_index();
}

void SetLink(Equipment* equipment, EquipmentList list, int i, int link) {
  if (list == EquipmentList::kCameras) {
    equipment->mutable_cameras(i)->set_lens_index(link);
  } else {
    equipment->mutable_lenses(i)->set_camera_index(link);
  }
}

void SetCurrentItem(Equipment* equipment, EquipmentList list, int i) {
  if (list == EquipmentList::kCameras) {
    equipment->set_current_camera(i);
  } else {
    equipment->set_current_lens(i);
  }
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
void ForgetLinksTo(Equipment* equipment, EquipmentList list, int index) {
  const EquipmentList other = OtherList(list);
  for (int i = 0; i < ItemCount(*equipment, other); ++i) {
    if (LinkOf(*equipment, other, i) == index) SetLink(equipment, other, i, -1);
  }
}

// The elements of `list` whose in-range link is not answered by a link back.
std::vector<int> UnansweredLinks(const Equipment& equipment,
                                 EquipmentList list) {
  const EquipmentList other = OtherList(list);
  std::vector<int> unanswered;
  for (int i = 0; i < ItemCount(equipment, list); ++i) {
    const int j = LinkOf(equipment, list, i);
    if (IsIndex(equipment, other, j) && LinkOf(equipment, other, j) != i) {
      unanswered.push_back(i);
    }
  }
  return unanswered;
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

void RegenerateLists(Lens* lens, const Camera& camera, UnitSystem units) {
  LensAccessor accessor(lens);
  accessor.RegenerateFocals(
      camera.has_focal_multiplier() ? camera.focal_multiplier() : 1.0);
  RegenerateApertures(&accessor);
  accessor.SetLensDistances(units);
}

}  // namespace

void ChooseCamera(Equipment* equipment, int index) {
  if (!IsCameraIndex(*equipment, index)) return;
  equipment->set_current_camera(index);
  // A link past the lenses would select a lens the camera never had.
  const int lens = PartnerOf(*equipment, EquipmentList::kCameras, index);
  if (lens >= 0) equipment->set_current_lens(lens);
}

void ChooseLens(Equipment* equipment, int index) {
  if (!IsIndex(*equipment, EquipmentList::kLenses, index)) return;
  equipment->set_current_lens(index);
  const int camera = equipment->current_camera();
  if (!IsCameraIndex(*equipment, camera)) return;
  Lens* lens = equipment->mutable_lenses(index);
  if (lens->camera_index() == camera) return;
  const int old_camera = PartnerOf(*equipment, EquipmentList::kLenses, index);
  if (old_camera >= 0) {
    equipment->mutable_cameras(old_camera)->set_lens_index(-1);
  }
  const int old_lens = PartnerOf(*equipment, EquipmentList::kCameras, camera);
  if (old_lens >= 0) equipment->mutable_lenses(old_lens)->set_camera_index(-1);
  equipment->mutable_cameras(camera)->set_lens_index(index);
  lens->set_camera_index(camera);
}

EquipmentList OtherList(EquipmentList list) {
  return list == EquipmentList::kCameras ? EquipmentList::kLenses
                                         : EquipmentList::kCameras;
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
  if (!IsIndex(equipment, list, index)) return -1;
  const int partner = LinkOf(equipment, list, index);
  return IsIndex(equipment, OtherList(list), partner) ? partner : -1;
}

std::string ItemName(const Equipment& equipment, EquipmentList list,
                     int index) {
  if (list == EquipmentList::kCameras) {
    return ShownName(equipment.cameras(index), NameSeparator::kSpace);
  }
  return ShownName(equipment.lenses(index), NameSeparator::kSpace);
}

void SwapItems(Equipment* equipment, EquipmentList list, int i, int j) {
  if (!IsIndex(*equipment, list, i) || !IsIndex(*equipment, list, j) ||
      i == j) {
    return;
  }
  const int partner_of_i = PartnerOf(*equipment, list, i);
  const int partner_of_j = PartnerOf(*equipment, list, j);
  const EquipmentList other = OtherList(list);
  if (partner_of_i >= 0) SetLink(equipment, other, partner_of_i, j);
  if (partner_of_j >= 0) SetLink(equipment, other, partner_of_j, i);
  const int current = CurrentItem(*equipment, list);
  if (current == i) {
    SetCurrentItem(equipment, list, j);
  } else if (current == j) {
    SetCurrentItem(equipment, list, i);
  }
  if (list == EquipmentList::kCameras) {
    equipment->mutable_cameras()->SwapElements(i, j);
  } else {
    equipment->mutable_lenses()->SwapElements(i, j);
  }
}

void RemoveItem(Equipment* equipment, EquipmentList list, int index) {
  if (!IsIndex(*equipment, list, index)) return;
  if (CurrentItem(*equipment, list) == index) {
    SetCurrentItem(equipment, list, -1);
  }
  const int partner = PartnerOf(*equipment, list, index);
  SetLink(equipment, list, index, -1);
  if (partner >= 0) SetLink(equipment, OtherList(list), partner, -1);
  // Walking the element to the end one swap at a time lets every link and the
  // selection follow the neighbours that move down.
  for (int p = index; p < ItemCount(*equipment, list) - 1; ++p) {
    SwapItems(equipment, list, p, p + 1);
  }
  if (list == EquipmentList::kCameras) {
    equipment->mutable_cameras()->RemoveLast();
  } else {
    equipment->mutable_lenses()->RemoveLast();
  }
}

void ChooseItem(Equipment* equipment, EquipmentList list, int index) {
  if (list == EquipmentList::kCameras) {
    ChooseCamera(equipment, index);
  } else {
    ChooseLens(equipment, index);
  }
}

const Camera* SelectedCamera(const Equipment& equipment) {
  const int index = equipment.current_camera();
  return IsCameraIndex(equipment, index) ? &equipment.cameras(index) : nullptr;
}

const Lens* SelectedLens(const Equipment& equipment) {
  const int index = equipment.current_lens();
  return IsIndex(equipment, EquipmentList::kLenses, index)
             ? &equipment.lenses(index)
             : nullptr;
}

bool CameraAndLensSelected(const Equipment& equipment) {
  return SelectedCamera(equipment) != nullptr &&
         SelectedLens(equipment) != nullptr;
}

Camera* EnsureSelectedCamera(Equipment* equipment) {
  if (equipment->cameras_size() == 0) {
    equipment->set_current_camera(0);
    return equipment->add_cameras();
  }
  equipment->set_current_camera(
      ClampSelection(equipment->current_camera(), equipment->cameras_size()));
  return equipment->mutable_cameras(equipment->current_camera());
}

Lens* EnsureSelectedLens(Equipment* equipment) {
  if (equipment->lenses_size() == 0) {
    equipment->set_current_lens(0);
    return equipment->add_lenses();
  }
  equipment->set_current_lens(
      ClampSelection(equipment->current_lens(), equipment->lenses_size()));
  return equipment->mutable_lenses(equipment->current_lens());
}

void SwapCameras(Equipment* equipment, int i, int j) {
  SwapItems(equipment, EquipmentList::kCameras, i, j);
}

void SwapLenses(Equipment* equipment, int i, int j) {
  SwapItems(equipment, EquipmentList::kLenses, i, j);
}

void RemoveCamera(Equipment* equipment, int index) {
  RemoveItem(equipment, EquipmentList::kCameras, index);
}

void RemoveLens(Equipment* equipment, int index) {
  RemoveItem(equipment, EquipmentList::kLenses, index);
}

Camera* AddCamera(Equipment* equipment, const Camera& tmpl,
                  const Lens* tmpl_lens, UnitSystem units) {
  const int camera_index = equipment->cameras_size();
  ForgetLinksTo(equipment, EquipmentList::kCameras, camera_index);
  Camera* camera = equipment->add_cameras();
  *camera = tmpl;
  camera->set_lens_index(-1);
  if (tmpl_lens == nullptr) return camera;

  const int lens_index = equipment->lenses_size();
  ForgetLinksTo(equipment, EquipmentList::kLenses, lens_index);
  Lens* lens = equipment->add_lenses();
  *lens = *tmpl_lens;
  lens->set_camera_index(camera_index);
  camera->set_lens_index(lens_index);
  RegenerateLists(lens, *camera, units);
  return camera;
}

Lens* AddLens(Equipment* equipment, const Lens& tmpl) {
  const int lens_index = equipment->lenses_size();
  ForgetLinksTo(equipment, EquipmentList::kLenses, lens_index);
  Lens* lens = equipment->add_lenses();
  *lens = tmpl;
  lens->set_camera_index(-1);
  return lens;
}

bool PairingIsConsistent(const Equipment& equipment) {
  return UnansweredLinks(equipment, EquipmentList::kCameras).empty() &&
         UnansweredLinks(equipment, EquipmentList::kLenses).empty();
}

void RepairPairing(Equipment* equipment) {
  // Decide on the original links first, then cut: cutting while scanning
  // would make the second pass see links the first pass already broke.
  const std::vector<int> cameras_to_cut =
      UnansweredLinks(*equipment, EquipmentList::kCameras);
  const std::vector<int> lenses_to_cut =
      UnansweredLinks(*equipment, EquipmentList::kLenses);
  for (int i : cameras_to_cut) {
    SetLink(equipment, EquipmentList::kCameras, i, -1);
  }
  for (int j : lenses_to_cut) SetLink(equipment, EquipmentList::kLenses, j, -1);
}

}  // namespace zorvanel
