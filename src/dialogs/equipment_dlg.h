// The equipment screen: camera, lens, language, units and the about box.
#ifndef ZORVANEL_DIALOGS_EQUIPMENT_DLG_H_
#define ZORVANEL_DIALOGS_EQUIPMENT_DLG_H_

#include <functional>
#include <string>

#include "controls/custom_button.h"
#include "data/zorvanel.pb.h"
#include "dialogs/base_dlg.h"
#include "optics/units.h"
#include "platform/geometry.h"

namespace zorvanel {

class Canvas;

// Where the parts of the equipment screen go: the camera and lens buttons
// with their pictures on the left, the language button across the width,
// units bottom left and about bottom right.
struct EquipmentLayout {
  Rect camera_button;
  Rect lens_button;
  Rect language_button;
  Rect units_button;
  Rect about_button;
  Rect camera_picture;
  Rect lens_picture;
};

// The settings screen: choose the current camera and lens (through their
// lists), switch the language and the units, open the about box. It keeps
// nothing of its own; everything it shows is read from the user's data (which
// outlives it) at each refresh. It ends with kOk ("Main screen") only while
// a camera and a lens are selected, and with kCancel ("Exit") when the user
// leaves.
// The camera database is read from `camera_database_path` when a camera is
// added from it.
class CEquipmentDlg : public CBaseDlg {
 public:
  static constexpr int kIdCameraButton = 1000;
  static constexpr int kIdLensButton = 1003;
  static constexpr int kIdAboutButton = 1004;
  static constexpr int kIdLanguageButton = 1005;
  static constexpr int kIdUnitsButton = 1006;
  // Places and sizes of the two pictures on the reference screen.
  static constexpr Rect kCameraPictureRect = Rect::FromXYWH(20, 20, 120, 95);
  static constexpr Rect kLensPictureRect = Rect::FromXYWH(20, 175, 120, 67);

  CEquipmentDlg(Zorvanel* data, std::string camera_database_path);
  ~CEquipmentDlg() override;

  std::string ClassName() const override { return "CEquipmentDlg"; }

  static EquipmentLayout Layout(Size client, int scale);

  // What the about box's Help button opens (the help lives with the main
  // screen it explains).
  void set_open_help(std::function<void()> open_help) {
    open_help_ = std::move(open_help);
  }

  void OnCommand(int command_id) override;
  void OnPaint(Canvas& canvas) override;
  // Escape does what the right soft key shows: back to the main screen while
  // it says "Main screen", the end of the program while it says "Exit".
  void OnEscapeKey() override;

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;
  void OnOK() override;

 private:
  void PlaceControls();
  Equipment* StoredEquipment() const { return data_->mutable_equipment(); }
  UnitSystem units() const;
  void Refresh();
  void RefreshSoftKeys();
  void OpenCameraList();
  void OpenLensList();
  // Shows the languages, each in its own name with its flag, and applies
  // the one chosen at once.
  void ChooseLanguage();
  void ToggleUnits();
  void OpenAbout();
  void DrawPicture(Canvas& canvas, int bitmap_id, const Rect& reference);

  Zorvanel* const data_;
  const std::string camera_database_path_;
  std::function<void()> open_help_;
  CCustomButton camera_button_;
  CCustomButton lens_button_;
  CCustomButton language_button_;
  CCustomButton units_button_;
  CCustomButton about_button_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_EQUIPMENT_DLG_H_
