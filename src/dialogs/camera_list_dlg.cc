#include "dialogs/camera_list_dlg.h"

#include "data/data_root.h"
#include "data/equipment.h"
#include "data/names.h"
#include "dialogs/camera_creation_mode_dlg.h"
#include "dialogs/edit_camera_dlg.h"
#include "dialogs/message_box.h"
#include "i18n/translator.h"

namespace zorvanel {
namespace {

// Asks a Yes/No question whose translated text gets `name` for %1.
bool AskYesNo(const std::string& title, const std::string& text,
              const std::string& name) {
  CMessageBox box(CMessageBox::kYesNo, title,
                  ReplacePlaceholder(Translate(text), "%1", name));
  return box.RunModal() == kIdOk;
}

}  // namespace

CameraListDlg::CameraListDlg() { SetTitle(UiText("My cameras")); }

CameraListDlg::~CameraListDlg() = default;

Equipment* CameraListDlg::StoredEquipment() {
  return GetData()->mutable_equipment();
}

int CameraListDlg::SelectedCamera() const {
  const int row = list().selected_index();
  if (row < 0 || row >= list().item_count()) return -1;
  if (row >= StoredEquipment()->cameras_size()) return -1;
  return row;
}

bool CameraListDlg::OnInitDialog() {
  BaseListDlg::OnInitDialog();
  Equipment* equipment = StoredEquipment();
  for (int i = 0; i < equipment->cameras_size(); ++i) {
    list().AddCameraRow(equipment->mutable_cameras(i), -1);
  }
  // A stale index names no row and selects nothing.
  if (equipment->current_camera() >= 0) {
    list().SelectItem(equipment->current_camera());
  }
  return true;
}

void CameraListDlg::OnAdd() {
  CCameraCreationModeDlg creation;
  if (creation.RunModal() != kIdOk) return;
  Equipment* equipment = StoredEquipment();
  Camera* camera =
      AddCamera(equipment, creation.result_camera(), creation.result_lens());
  const int row = list().AddCameraRow(camera, -1);
  list().SelectItem(row);
  UpdateButtons();
  list().Invalidate();
}

void CameraListDlg::OnRemove() {
  const int r = SelectedCamera();
  if (r < 0) return;
  Equipment* equipment = StoredEquipment();
  if (!AskYesNo(UiText("Remove confirmation"),
                UiText("Do you want to remove the camera\r\n%1?"),
                ShownName(equipment->cameras(r), NameSeparator::kSpace))) {
    return;
  }
  OfferToRemovePartner(r);
  list().DeleteItem(r);
  RemoveCamera(equipment, r);
  // No row is selected after a removal: nothing the user did not choose may
  // look chosen, nor be removed or selected by the next key.
  list().ClearSelection();
  UpdateButtons();
  list().Invalidate();
}

void CameraListDlg::OfferToRemovePartner(int camera_index) {
  Equipment* equipment = StoredEquipment();
  const int lens = equipment->cameras(camera_index).lens_index();
  // A link that names no lens has nothing to ask about.
  if (lens < 0 || lens >= equipment->lenses_size()) return;
  if (AskYesNo(
          UiText("Remove lens?"),
          UiText("Do you want to remove also\r\nthe associated lens\r\n%1?"),
          ShownName(equipment->lenses(lens), NameSeparator::kSpace))) {
    RemoveLens(equipment, lens);
  }
  // On "No" the lens stays; removing the camera unpairs it.
}

void CameraListDlg::OnEdit() {
  const int r = SelectedCamera();
  if (r < 0) return;
  Camera copy = StoredEquipment()->cameras(r);
  CEditCameraDlg editor;
  editor.SetTitle(UiText("Edit camera"));
  editor.SetCamera(&copy);
  if (editor.RunModal() != kIdOk) return;
  *StoredEquipment()->mutable_cameras(r) = copy;
  list().RefreshTexts(r);
  list().Invalidate();
}

void CameraListDlg::MoveSelected(int offset) {
  const int r = SelectedCamera();
  if (r < 0) return;
  if (!list().SwapItems(r, r + offset)) return;
  SwapCameras(StoredEquipment(), r, r + offset);
  list().SelectItem(r + offset);
  list().Invalidate();
}

void CameraListDlg::OnMoveUp() { MoveSelected(-1); }

void CameraListDlg::OnMoveDown() { MoveSelected(+1); }

void CameraListDlg::OnOK() {
  const int r = SelectedCamera();
  if (r >= 0) {
    Equipment* equipment = StoredEquipment();
    equipment->set_current_camera(r);
    const int lens = equipment->cameras(r).lens_index();
    // A link past the lenses would select a lens the camera never had.
    if (lens >= 0 && lens < equipment->lenses_size()) {
      equipment->set_current_lens(lens);
    }
  }
  BaseListDlg::OnOK();
}

}  // namespace zorvanel
