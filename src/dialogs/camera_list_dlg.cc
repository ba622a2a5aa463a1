// "My cameras": the list of the user's cameras and how one is made or edited.
#include "dialogs/camera_list_dlg.h"

#include "data/equipment.h"
#include "dialogs/camera_creation_mode_dlg.h"
#include "dialogs/edit_camera_dlg.h"

namespace zorvanel {

CameraListDlg::CameraListDlg(Equipment* equipment, UnitSystem units,
                             std::string camera_database_path)
    : BaseListDlg(EquipmentList::kCameras, equipment),
      units_(units),
      camera_database_path_(std::move(camera_database_path)) {}

CameraListDlg::~CameraListDlg() = default;

int CameraListDlg::AddRow(int index) {
  return list().AddCameraRow(Stored().mutable_cameras(index), -1);
}

bool CameraListDlg::CreateItem() {
  CCameraCreationModeDlg creation(camera_database_path_);
  if (creation.RunModal() != DialogResult::kOk) return false;
  AddCamera(&Stored(), creation.result_camera(), creation.result_lens(),
            units_);
  return true;
}

bool CameraListDlg::EditItem(int index) {
  Camera copy = Stored().cameras(index);
  CEditCameraDlg editor;
  editor.SetTitle(UiText("Edit camera"));
  editor.SetCamera(&copy);
  if (editor.RunModal() != DialogResult::kOk) return false;
  *Stored().mutable_cameras(index) = copy;
  return true;
}

}  // namespace zorvanel
