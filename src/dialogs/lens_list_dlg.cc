#include "dialogs/lens_list_dlg.h"

#include <algorithm>

#include "data/data_root.h"
#include "data/equipment.h"
#include "data/names.h"
#include "dialogs/edit_lens_dlg.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/message_box.h"
#include "dialogs/number_field.h"
#include "i18n/translator.h"
#include "optics/decimal.h"
#include "optics/lens_accessor.h"
#include "optics/value.h"

namespace zorvanel {
namespace {

// The distances every new lens starts with, in metres.
constexpr double kFirstDistance = 0.1;
constexpr double kLastDistance = 100.0;
// A typed bound below this is raised to it.
constexpr double kSmallestBound = 1.0;

// Asks a Yes/No question whose translated text gets `name` for %1.
bool AskYesNo(const std::string& title, const std::string& text,
              const std::string& name) {
  CMessageBox box(CMessageBox::kYesNo, title,
                  ReplacePlaceholder(Translate(text), "%1", name));
  return box.RunModal() == kIdOk;
}

bool IsCameraIndex(const Equipment& equipment, int i) {
  return i >= 0 && i < equipment.cameras_size();
}

bool IsLensIndex(const Equipment& equipment, int i) {
  return i >= 0 && i < equipment.lenses_size();
}

}  // namespace

LensListDlg::LensListDlg() { SetTitle(UiText("My lenses")); }

LensListDlg::~LensListDlg() = default;

Equipment* LensListDlg::StoredEquipment() {
  return GetData()->mutable_equipment();
}

int LensListDlg::SelectedLens() const {
  const int row = list().selected_index();
  if (row < 0 || row >= list().item_count()) return -1;
  if (!IsLensIndex(*StoredEquipment(), row)) return -1;
  return row;
}

LensListDlg::Bounds LensListDlg::OrderedBounds(double a, double b) {
  Bounds bounds{std::min(a, b), std::max(a, b)};
  if (bounds.hi < kSmallestBound) bounds.hi = kSmallestBound;
  if (bounds.lo < kSmallestBound) bounds.lo = bounds.hi;
  return bounds;
}

Lens LensListDlg::MakeLens(const Bounds& focal, const Bounds& aperture,
                           const std::string& name) {
  Lens lens;
  SplitName(&lens, name);
  LensAccessor accessor(&lens);
  accessor.SetApertureRange(aperture.lo, aperture.hi);
  accessor.SetDistanceRange(kFirstDistance, kLastDistance);
  lens.set_min_focal(focal.lo);
  lens.set_max_focal(focal.hi);
  accessor.RegenerateFocals(1.0);
  return lens;
}

void LensListDlg::ChooseLens(Equipment* equipment, int index) {
  if (!IsLensIndex(*equipment, index)) return;
  equipment->set_current_lens(index);
  const int camera = equipment->current_camera();
  if (!IsCameraIndex(*equipment, camera)) return;
  Lens* lens = equipment->mutable_lenses(index);
  if (lens->camera_index() == camera) return;
  const int old_camera = lens->camera_index();
  if (IsCameraIndex(*equipment, old_camera)) {
    equipment->mutable_cameras(old_camera)->set_lens_index(-1);
  }
  const int old_lens = equipment->cameras(camera).lens_index();
  if (IsLensIndex(*equipment, old_lens)) {
    equipment->mutable_lenses(old_lens)->set_camera_index(-1);
  }
  equipment->mutable_cameras(camera)->set_lens_index(index);
  lens->set_camera_index(camera);
}

bool LensListDlg::OnInitDialog() {
  BaseListDlg::OnInitDialog();
  Equipment* equipment = StoredEquipment();
  for (int i = 0; i < equipment->lenses_size(); ++i) {
    list().AddLensRow(equipment->mutable_lenses(i), -1);
  }
  // A stale index names no row and selects nothing.
  if (equipment->current_lens() >= 0) {
    list().SelectItem(equipment->current_lens());
  }
  return true;
}

std::optional<LensListDlg::Bounds> LensListDlg::AskBounds(CEditValueDlg& entry,
                                                          double maximum,
                                                          bool aperture) {
  while (entry.RunModal() == kIdOk) {
    const std::optional<TypedPair> typed =
        ReadNumberFields(entry.text1(), entry.text2(), aperture ? "" : "mm");
    if (!typed) continue;
    const Bounds bounds = OrderedBounds(typed->first, typed->second);
    if (IsFiniteNumber(bounds.hi) && bounds.hi <= maximum) return bounds;
    const std::string limit = aperture ? ApertureValue(maximum).Format()
                                       : FocalValue(maximum).Format();
    CMessageBox box(
        CMessageBox::kOk, UiText("Invalid value"),
        ReplacePlaceholder(
            Translate(UiText("No value may be\r\ngreater than %1.")), "%1",
            limit));
    box.RunModal();
  }
  return std::nullopt;
}

std::optional<std::string> LensListDlg::AskName() {
  CEditValueDlg entry(EntryLayout::kSingleText);
  entry.SetTitle(UiText("Name of your lens"));
  entry.SetComment(UiText("Please enter the name of your lens."));
  if (entry.RunModal() != kIdOk) return std::nullopt;
  return entry.text1();
}

void LensListDlg::OnAdd() {
  CEditValueDlg focal_entry(EntryLayout::kCommentTwoCaptioned);
  focal_entry.SetTitle(UiText("Focal of your lens"));
  focal_entry.SetComment(UiText("Enter focal range in mm"));
  focal_entry.SetCaptions(UiText("Min focal"), UiText("Max focal"));
  const std::optional<Bounds> focal =
      AskBounds(focal_entry, kMaxFocal, /*aperture=*/false);
  if (!focal) return;

  CEditValueDlg aperture_entry(EntryLayout::kCommentTwoCaptioned);
  aperture_entry.SetTitle(UiText("Aperture of your lens"));
  aperture_entry.SetComment(UiText("Please enter n for f/n"));
  aperture_entry.SetCaptions(UiText("Min aperture"), UiText("Max aperture"));
  const std::optional<Bounds> aperture =
      AskBounds(aperture_entry, kMaxAperture, /*aperture=*/true);
  if (!aperture) return;

  const std::optional<std::string> name = AskName();
  if (!name) return;

  Lens lens = MakeLens(*focal, *aperture, *name);
  CEditLensDlg editor;
  editor.SetTitle(UiText("Details of your lens"));
  editor.SetLens(&lens);
  if (editor.RunModal() != kIdOk) return;

  Lens* added = AddLens(StoredEquipment(), lens);
  const int row = list().AddLensRow(added, -1);
  list().SelectItem(row);
  UpdateButtons();
  list().Invalidate();
}

void LensListDlg::OnRemove() {
  const int r = SelectedLens();
  if (r < 0) return;
  Equipment* equipment = StoredEquipment();
  if (!AskYesNo(UiText("Remove confirmation"),
                UiText("Do you want to remove the lens\r\n%1?"),
                ShownName(equipment->lenses(r), NameSeparator::kSpace))) {
    return;
  }
  OfferToRemovePartner(r);
  list().DeleteItem(r);
  RemoveLens(equipment, r);
  // No row is selected after a removal: the position the list keeps now
  // shows another lens, which the user did not choose.
  list().ClearSelection();
  UpdateButtons();
  list().Invalidate();
}

void LensListDlg::OfferToRemovePartner(int lens_index) {
  Equipment* equipment = StoredEquipment();
  const int camera = equipment->lenses(lens_index).camera_index();
  // A link that names no camera has nothing to ask about.
  if (!IsCameraIndex(*equipment, camera)) return;
  if (AskYesNo(
          UiText("Remove camera?"),
          UiText("Do you want to remove also\r\nthe associated camera\r\n%1?"),
          ShownName(equipment->cameras(camera), NameSeparator::kSpace))) {
    RemoveCamera(equipment, camera);
  }
  // On "No" the camera stays; removing the lens unpairs it.
}

void LensListDlg::OnEdit() {
  const int r = SelectedLens();
  if (r < 0) return;
  Lens copy = StoredEquipment()->lenses(r);
  CEditLensDlg editor;
  editor.SetTitle(UiText("Edit lens"));
  editor.SetLens(&copy);
  if (editor.RunModal() != kIdOk) return;
  *StoredEquipment()->mutable_lenses(r) = copy;
  list().RefreshTexts(r);
  list().Invalidate();
}

void LensListDlg::MoveSelected(int offset) {
  const int r = SelectedLens();
  if (r < 0) return;
  if (!list().SwapItems(r, r + offset)) return;
  SwapLenses(StoredEquipment(), r, r + offset);
  list().SelectItem(r + offset);
  list().Invalidate();
}

void LensListDlg::OnMoveUp() { MoveSelected(-1); }

void LensListDlg::OnMoveDown() { MoveSelected(+1); }

void LensListDlg::OnOK() {
  const int r = SelectedLens();
  if (r >= 0) ChooseLens(StoredEquipment(), r);
  BaseListDlg::OnOK();
}

}  // namespace zorvanel
