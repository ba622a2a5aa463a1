// The lens editor: its name and its focal, aperture and distance lists.
#ifndef ZORVANEL_DIALOGS_EDIT_LENS_DLG_H_
#define ZORVANEL_DIALOGS_EDIT_LENS_DLG_H_

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/custom_button.h"
#include "controls/custom_static.h"
#include "data/zorvanel.pb.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "optics/units.h"
#include "optics/value_insertion.h"
#include "platform/geometry.h"

namespace zorvanel {

// Where the parts of the lens editor go, from its client width and the
// screen scale: the title, the name caption over the name button, then the
// focal, aperture and distance buttons.
struct EditLensLayout {
  Rect title;
  Rect caption;
  Rect name_button;
  Rect focal_button;
  Rect aperture_button;
  Rect distance_button;
};

// Edits one lens: its name directly, its three wheel lists through the value
// list dialog. Every accepted change goes into the lens at once; whether it
// is kept is the caller's decision, from the editor's result. An edited
// focal list that comes back empty leaves the lens's focal lengths alone (a
// lens needs at least one); empty aperture and distance lists are taken.
// Distances are shown and typed in `units`.
//
//   Lens copy = stored;
//   CEditLensDlg editor(units);
//   editor.SetTitle(UiText("Edit lens"));
//   editor.SetLens(&copy);
//   if (editor.RunModal() == DialogResult::kOk) stored = copy;
class CEditLensDlg : public CBaseDlg {
 public:
  static constexpr int kIdNameCaption = 1010;
  static constexpr int kIdNameButton = 1009;
  static constexpr int kIdFocalButton = 1035;
  static constexpr int kIdApertureButton = 1036;
  static constexpr int kIdDistanceButton = 1037;

  explicit CEditLensDlg(UnitSystem units);
  ~CEditLensDlg() override;

  std::string ClassName() const override { return "CEditLensDlg"; }

  // The lens to edit in place; the caller keeps it. Without one the dialog
  // makes a default lens of its own when it opens.
  void SetLens(Lens* lens) { lens_ = lens; }
  Lens* lens() const { return lens_; }

  // The texts of the four buttons for a lens, translated.
  static std::string NameText(const Lens& lens);
  static std::string FocalText(const Lens& lens);
  static std::string ApertureText(const Lens& lens);
  static std::string DistanceText(const Lens& lens, UnitSystem units);

  static EditLensLayout Layout(Size client, int scale);

  void OnCommand(int command_id) override;

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;

 private:
  void Refresh();
  void EditFocals();
  // Lets the user edit `values` and takes the list when accepted.
  void EditValues(ValueKind kind, const std::string& title,
                  google::protobuf::RepeatedField<double>* values);
  // Runs the value list dialog on `values`: the edited list when the user
  // accepted it.
  std::optional<std::vector<double>> EditList(
      ValueKind kind, const std::string& title,
      const google::protobuf::RepeatedField<double>& values) const;
  void CreateButton(CCustomButton& button, int id, int icon);
  void PlaceControls();

  const UnitSystem units_;
  TranslatedString caption_text_;
  Lens* lens_ = nullptr;
  std::unique_ptr<Lens> own_lens_;

  CCustomStatic caption_label_;
  CCustomButton name_button_;
  CCustomButton focal_button_;
  CCustomButton aperture_button_;
  CCustomButton distance_button_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_EDIT_LENS_DLG_H_
