#ifndef ZORVANEL_DIALOGS_EQUIPMENT_DLG_H_
#define ZORVANEL_DIALOGS_EQUIPMENT_DLG_H_

#include "dialogs/base_dlg.h"

namespace zorvanel {

// PLACEHOLDER until the real equipment screen lands: it shows nothing and
// its modal run answers "Exit" (2) at once, so the main screen can be built
// and run. Replace this file (and add equipment_dlg.cc) with the real dialog.
class CEquipmentDlg : public CBaseDlg {
 public:
  explicit CEquipmentDlg(Window* parent = nullptr) {}

  std::string ClassName() const override { return "CEquipmentDlg"; }
  int RunModal() { return kIdCancel; }
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_EQUIPMENT_DLG_H_
