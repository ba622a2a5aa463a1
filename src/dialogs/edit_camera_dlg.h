// The camera editor: name, circle of confusion and focal equivalence.
#ifndef ZORVANEL_DIALOGS_EDIT_CAMERA_DLG_H_
#define ZORVANEL_DIALOGS_EDIT_CAMERA_DLG_H_

#include <array>
#include <memory>
#include <string>

#include "controls/custom_button.h"
#include "controls/custom_static.h"
#include "data/zorvanel.pb.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// Where the parts of the camera editor go: the title, then three rows
// (name, circle of confusion, focal equivalence) of a caption over a button.
struct EditCameraLayout {
  Rect title;
  std::array<Rect, 3> captions;
  std::array<Rect, 3> buttons;
};

// Edits the name, the circle of confusion and the focal equivalence of one
// camera. Each property sits on a button that opens the value entry; what
// is typed is checked before it goes into the camera, and a rejected entry
// reopens with the rejected text. The circle of confusion is first offered
// from the sensor (for a standard or a large print), whose size or crop
// factor can be given there; a value of one's own is typed. "Ok" needs a
// circle of confusion.
//
//   Camera copy = stored;
//   CEditCameraDlg editor;
//   editor.SetTitle(UiText("Edit camera"));
//   editor.SetCamera(&copy);
//   if (editor.RunModal() == DialogResult::kOk) stored = copy;
class CEditCameraDlg : public CBaseDlg {
 public:
  static constexpr int kIdNameCaption = 1010;
  static constexpr int kIdNameButton = 1009;
  static constexpr int kIdCocCaption = 1011;
  static constexpr int kIdCocButton = 1000;
  static constexpr int kIdFocalCaption = 1012;
  static constexpr int kIdFocalButton = 1001;

  CEditCameraDlg();
  ~CEditCameraDlg() override;

  std::string ClassName() const override { return "CEditCameraDlg"; }

  // The camera to edit in place; the dialog does not own it. Without one the
  // dialog makes a default camera of its own when it opens.
  void SetCamera(Camera* camera) { camera_ = camera; }
  // The camera edited (the dialog's own one after a run without SetCamera);
  // null before the first run in that case.
  Camera* camera() const { return camera_; }

  static EditCameraLayout Layout(Size client, int scale);

  // The texts of the three buttons for a camera.
  static std::string NameText(const Camera& camera);
  static std::string CircleOfConfusionText(const Camera& camera);
  static std::string FocalEquivalenceText(const Camera& camera);

  void OnCommand(int command_id) override;

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;
  // Closes only once the circle of confusion is defined.
  void OnOK() override;

 private:
  void Refresh();
  // The choice of a circle of confusion from the sensor or typed.
  void ChooseCircleOfConfusion();
  void EditCircleOfConfusion();
  // The sensor's size or crop factor asked for; true when the camera took
  // the multiplier and the circle of confusion that follow from it.
  bool EnterSensorSize();
  bool EnterCropFactor();
  void TakeSensor(double diagonal);
  void EditFocalEquivalence();
  void CreateRow(int row, int caption_id, const std::string& caption,
                 CCustomButton& button, int button_id);
  void PlaceControls();

  Camera* camera_ = nullptr;
  std::unique_ptr<Camera> own_camera_;

  std::array<CCustomStatic, 3> captions_;
  std::array<TranslatedString, 3> caption_texts_;
  CCustomButton name_button_;
  CCustomButton coc_button_;
  CCustomButton focal_button_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_EDIT_CAMERA_DLG_H_
