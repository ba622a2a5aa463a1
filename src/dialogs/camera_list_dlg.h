// "My cameras": the list of the user's cameras and how one is made or edited.
#ifndef ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_
#define ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_

#include <string>

#include "dialogs/base_list_dlg.h"
#include "optics/units.h"

namespace zorvanel {

// "My cameras": the user's cameras, one row each in stored order. Add offers
// the camera database (read from `camera_database_path`) or the camera
// editor; "Select" makes the selected camera current, and its paired lens
// with it. A lens that comes with a camera gets distances in `units`.
class CameraListDlg : public BaseListDlg {
 public:
  CameraListDlg(Equipment* equipment, UnitSystem units,
                std::string camera_database_path);
  ~CameraListDlg() override;

  std::string ClassName() const override { return "CameraListDlg"; }

 protected:
  int AddRow(int index) override;
  bool CreateItem() override;
  bool EditItem(int index) override;

 private:
  const UnitSystem units_;
  const std::string camera_database_path_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_CAMERA_LIST_DLG_H_
