// The choice of how to make a new camera: from the database or by hand.
#ifndef ZORVANEL_DIALOGS_CAMERA_CREATION_MODE_DLG_H_
#define ZORVANEL_DIALOGS_CAMERA_CREATION_MODE_DLG_H_

#include <memory>
#include <string>

#include "controls/custom_button.h"
#include "controls/custom_static.h"
#include "data/zorvanel.pb.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// Where the parts of the creation dialog go.
struct CreationModeLayout {
  Rect title;
  Rect comment;
  Rect from_list_button;
  Rect manual_button;
  Rect cancel_button;
};

// Offers the two ways to make a new camera: pick it from the camera database
// (manufacturer, then model; it may bring the lens it is sold with) or type
// it in through the camera editor. Ends with 1 once a camera was made; the
// results then hold it, and the lens when one came with it. The database is
// read from `database_path` each time it is offered.
class CCameraCreationModeDlg : public CBaseDlg {
 public:
  static constexpr int kIdComment = 1008;
  static constexpr int kIdFromList = 1001;
  static constexpr int kIdManual = 1002;

  explicit CCameraCreationModeDlg(std::string database_path);
  ~CCameraCreationModeDlg() override;

  std::string ClassName() const override { return "CCameraCreationModeDlg"; }

  // The camera made; a default camera until one was.
  const Camera& result_camera() const { return *result_camera_; }
  // The lens that came with a camera from the database, or null.
  const Lens* result_lens() const { return result_lens_.get(); }

  static CreationModeLayout Layout(Size client, int scale);

  void OnCommand(int command_id) override;

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;
  // The platform's OK (Enter) makes no camera: only the two ways do.
  void OnOK() override {}

 private:
  void PlaceControls();
  void CreateManually();
  // The two-step pick from the database; true when it yielded a camera.
  bool SelectFromDatabase();

  const std::string database_path_;
  TranslatedString comment_;
  TranslatedString from_list_text_;
  TranslatedString manual_text_;
  TranslatedString cancel_text_;
  CCustomStatic comment_label_;
  CCustomButton from_list_button_;
  CCustomButton manual_button_;
  CCustomButton cancel_button_;
  std::unique_ptr<Camera> result_camera_;
  std::unique_ptr<Lens> result_lens_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_CAMERA_CREATION_MODE_DLG_H_
