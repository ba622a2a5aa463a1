#include "painters.h"
#include "picture.h"

namespace zorvanel::skingen {

const std::vector<PictureSpec>& AllPictures() {
  static const std::vector<PictureSpec> kPictures = {
      {134, "wheel", 480, 40, 24, PaintWheel},
      {135, "result_panel", 480, 163, 24, PaintResultPanel},
      {152, "window_icon", 64, 64, 32, PaintWindowIcon},
      {153, "camera", 120, 95, 24, PaintCamera},
      {154, "lens", 120, 67, 24, PaintLens},
      {156, "flags", 400, 50, 24, PaintFlagStrip},
      {158, "list_add", 180, 60, 24, PaintAddStrip},
      {159, "list_remove", 180, 60, 24, PaintRemoveStrip},
      {160, "list_edit", 180, 60, 24, PaintEditStrip},
      {161, "list_move_up", 180, 60, 24, PaintMoveUpStrip},
      {162, "list_move_down", 180, 60, 24, PaintMoveDownStrip},
      {163, "list_button_skin", 100, 100, 24, PaintListButtonSkin},
      {165, "create_manually", 120, 80, 32, PaintCreateManually},
      {166, "select_from_list", 107, 80, 32, PaintSelectFromList},
      {169, "edit_focused", 71, 54, 24, PaintEditFocused},
      {170, "edit_idle", 71, 54, 24, PaintEditIdle},
      {178, "add_one", 74, 74, 32, PaintAddOne},
      {179, "add_range", 74, 74, 32, PaintAddRange},
      {180, "aperture", 78, 66, 32, PaintApertureIcon},
      {181, "distance", 78, 42, 32, PaintDistanceIcon},
      {182, "focal", 78, 59, 32, PaintFocalIcon},
      {183, "remove_one", 74, 74, 32, PaintRemoveOne},
      {184, "remove_all", 74, 74, 32, PaintRemoveAll},
      {185, "button_skin", 84, 84, 24, PaintButtonSkin},
      {186, "button_overlay", 460, 460, 32, PaintButtonOverlay},
      {189, "logo", 100, 100, 24, PaintLogo},
  };
  return kPictures;
}

}  // namespace zorvanel::skingen
