#include "mainscreen/equipment_screen.h"

#include "dialogs/equipment_dlg.h"

namespace zorvanel {

// Dialogs cover the whole dialog area whatever their parent, so the parent
// is not needed to place the equipment screen.
int RunEquipmentScreen(Window* /*parent*/) {
  CEquipmentDlg dialog;
  return dialog.RunModal();
}

}  // namespace zorvanel
