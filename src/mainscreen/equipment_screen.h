#ifndef ZORVANEL_MAINSCREEN_EQUIPMENT_SCREEN_H_
#define ZORVANEL_MAINSCREEN_EQUIPMENT_SCREEN_H_

namespace zorvanel {

class Window;

// Runs the equipment screen modally over `parent`; returns its result (1 when
// the user went back to the main screen, 2 when the user chose "Exit").
int RunEquipmentScreen(Window* parent);

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_EQUIPMENT_SCREEN_H_
