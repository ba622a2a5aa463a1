#ifndef ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_
#define ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_

#include <string>

#include "data/zorvanel.pb.h"
#include "dialogs/base_list_dlg.h"

namespace zorvanel {

// "My cameras": the user's cameras, one row each in stored order. Add,
// Remove, Edit and the two moves change the stored equipment at once;
// "Select" makes the selected camera current (and its paired lens with it);
// "Back" leaves the selection as it was.
class CameraListDlg : public BaseListDlg {
 public:
  CameraListDlg();
  ~CameraListDlg() override;

  std::string ClassName() const override { return "CameraListDlg"; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnAdd() override;
  void OnRemove() override;
  void OnEdit() override;
  void OnMoveUp() override;
  void OnMoveDown() override;

 private:
  static Equipment* StoredEquipment();
  // The selected row when it names a stored camera, else -1.
  int SelectedCamera() const;
  // Asks about the camera's paired lens and removes it on "Yes".
  void OfferToRemovePartner(int camera_index);
  void MoveSelected(int offset);
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_
