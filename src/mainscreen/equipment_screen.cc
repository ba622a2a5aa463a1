#include "mainscreen/equipment_screen.h"

#include "dialogs/equipment_dlg.h"

namespace zorvanel {

int RunEquipmentScreen(Window* parent) {
  CEquipmentDlg dialog(parent);
  return dialog.RunModal();
}

}  // namespace zorvanel
