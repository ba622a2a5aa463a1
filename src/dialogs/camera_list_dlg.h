#ifndef ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_
#define ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_

#include <string>

#include "dialogs/base_list_dlg.h"

namespace zorvanel {

// "My cameras": the user's cameras, one row each in stored order. Add offers
// the camera database or the camera editor; "Select" makes the selected
// camera current, and its paired lens with it.
class CameraListDlg : public BaseListDlg {
 public:
  CameraListDlg();
  ~CameraListDlg() override;

  std::string ClassName() const override { return "CameraListDlg"; }

 protected:
  int AddRow(int index) override;
  bool CreateItem() override;
  bool EditItem(int index) override;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_
