#include "dialogs/camera_list_dlg.h"

#include "data/data_root.h"
#include "data/equipment.h"
#include "data/names.h"
#include "dialogs/camera_creation_mode_dlg.h"
#include "dialogs/edit_camera_dlg.h"

namespace zorvanel {
namespace {

Equipment& Stored() { return *GetData()->mutable_equipment(); }

}  // namespace

CameraListDlg::CameraListDlg()
    : BaseListDlg({
          .title = UiText("My cameras"),
          .remove_question = UiText("Do you want to remove the camera\r\n%1?"),
          .partner_title = UiText("Remove lens?"),
          .partner_question = UiText(
              "Do you want to remove also\r\nthe associated lens\r\n%1?"),
      }) {}

CameraListDlg::~CameraListDlg() = default;

int CameraListDlg::StoredCount() const { return Stored().cameras_size(); }

int CameraListDlg::StoredCurrent() const { return Stored().current_camera(); }

int CameraListDlg::AddRow(int index) {
  return list().AddCameraRow(Stored().mutable_cameras(index), -1);
}

bool CameraListDlg::CreateItem() {
  CCameraCreationModeDlg creation;
  if (creation.RunModal() != kIdOk) return false;
  AddCamera(&Stored(), creation.result_camera(), creation.result_lens());
  return true;
}

bool CameraListDlg::EditItem(int index) {
  Camera copy = Stored().cameras(index);
  CEditCameraDlg editor;
  editor.SetTitle(UiText("Edit camera"));
  editor.SetCamera(&copy);
  if (editor.RunModal() != kIdOk) return false;
  *Stored().mutable_cameras(index) = copy;
  return true;
}

BaseListDlg::Removal CameraListDlg::DescribeRemoval(int index) const {
  Removal removal;
  removal.name = ShownName(Stored().cameras(index), NameSeparator::kSpace);
  removal.partner = PartnerLens(Stored(), index);
  if (removal.partner >= 0) {
    removal.partner_name =
        ShownName(Stored().lenses(removal.partner), NameSeparator::kSpace);
  }
  return removal;
}

void CameraListDlg::RemoveStored(int index, bool with_partner) {
  if (with_partner) RemoveLens(&Stored(), PartnerLens(Stored(), index));
  RemoveCamera(&Stored(), index);
}

void CameraListDlg::SwapStored(int i, int j) { SwapCameras(&Stored(), i, j); }

void CameraListDlg::ChooseStored(int index) { ChooseCamera(&Stored(), index); }

}  // namespace zorvanel
