// The list of every skin picture: id, name, size, depth and painter.
#include "painters.h"
#include "picture.h"
#include "skins/picture_ids.h"

namespace zorvanel::skingen {

const std::vector<PictureRecipe>& AllPictures() {
  static const std::vector<PictureRecipe> kPictures = {
      {pictures::kWheel, "wheel", 480, 40, 24, PaintWheel},
      {pictures::kResultPanel, "result_panel", 480, 163, 24, PaintResultPanel},
      {pictures::kWindowIcon, "window_icon", 64, 64, 32, PaintWindowIcon},
      {pictures::kCamera, "camera", 120, 95, 24, PaintCamera},
      {pictures::kLens, "lens", 120, 67, 24, PaintLens},
      {pictures::kFlagStrip, "flags", 400, 50, 24, PaintFlagStrip},
      {pictures::kListAdd, "list_add", 180, 60, 24, PaintAddStrip},
      {pictures::kListRemove, "list_remove", 180, 60, 24, PaintRemoveStrip},
      {pictures::kListEdit, "list_edit", 180, 60, 24, PaintEditStrip},
      {pictures::kListMoveUp, "list_move_up", 180, 60, 24, PaintMoveUpStrip},
      {pictures::kListMoveDown, "list_move_down", 180, 60, 24,
       PaintMoveDownStrip},
      {pictures::kListButtonSkin, "list_button_skin", 100, 100, 24,
       PaintListButtonSkin},
      {pictures::kCreateManually, "create_manually", 120, 80, 32,
       PaintCreateManually},
      {pictures::kSelectFromList, "select_from_list", 107, 80, 32,
       PaintSelectFromList},
      {pictures::kEditFocused, "edit_focused", 71, 54, 24, PaintEditFocused},
      {pictures::kEditIdle, "edit_idle", 71, 54, 24, PaintEditIdle},
      {pictures::kAddOne, "add_one", 74, 74, 32, PaintAddOne},
      {pictures::kAddRange, "add_range", 74, 74, 32, PaintAddRange},
      {pictures::kAperture, "aperture", 78, 66, 32, PaintApertureIcon},
      {pictures::kDistance, "distance", 78, 42, 32, PaintDistanceIcon},
      {pictures::kFocal, "focal", 78, 59, 32, PaintFocalIcon},
      {pictures::kRemoveOne, "remove_one", 74, 74, 32, PaintRemoveOne},
      {pictures::kRemoveAll, "remove_all", 74, 74, 32, PaintRemoveAll},
      {pictures::kButtonSkin, "button_skin", 84, 84, 24, PaintButtonSkin},
      {pictures::kButtonOverlay, "button_overlay", 460, 460, 32,
       PaintButtonOverlay},
      {pictures::kLogo, "logo", 100, 100, 24, PaintLogo},
  };
  return kPictures;
}

}  // namespace zorvanel::skingen
