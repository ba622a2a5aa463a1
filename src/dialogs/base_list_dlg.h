#ifndef ZORVANEL_DIALOGS_BASE_LIST_DLG_H_
#define ZORVANEL_DIALOGS_BASE_LIST_DLG_H_

#include <array>
#include <string>

#include "controls/camera_dyna_list.h"
#include "controls/custom_button.h"
#include "controls/custom_static.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// Where the parts of a list dialog go, from its client size and the screen
// scale: the title on top, the list, and a row of five square buttons along
// the bottom, centred in what the division by five leaves over.
struct BaseListLayout {
  int button_size = 0;
  int item_height = 0;
  Rect title;
  Rect list;
  std::array<Rect, 5> buttons;  // Add, Remove, Edit, Move up, Move down
};

// The common base of the camera and lens lists: a title, a list, and the
// buttons Add, Remove, Edit, Move up and Move down, with the soft keys
// "Select" and "Back". It keeps the buttons and soft keys in step with the
// list's selection and routes the buttons to operations the subclass
// supplies. "Select" (command 1) reaches the subclass's OnOK; "Back" cancels.
class BaseListDlg : public CBaseDlg {
 public:
  static constexpr int kIdList = 1000;
  static constexpr int kIdTitle = 1007;
  static constexpr int kIdAdd = 1002;
  static constexpr int kIdRemove = 1003;
  static constexpr int kIdEdit = 1004;
  static constexpr int kIdMoveUp = 1005;
  static constexpr int kIdMoveDown = 1006;

  BaseListDlg();
  ~BaseListDlg() override;

  std::string ClassName() const override { return "BaseListDlg"; }
  std::string Title() const override { return title_.text(); }

  // The English title, shown translated; set before the dialog runs.
  void SetTitle(const std::string& english) { title_.SetKey(english); }

  CameraDynaList& list() { return list_; }
  const CameraDynaList& list() const { return list_; }
  // The button with one of the ids kIdAdd ... kIdMoveDown, else null.
  CCustomButton* button(int id);

  // Enables the buttons and picks the soft keys for the list's selection:
  // with a row selected, Remove and Edit, Move up unless it is the first
  // row, Move down unless it is the last, and "Select" / "Back"; without
  // one, only Add and "" / "Back". Subclasses call it after they change the
  // list.
  void UpdateButtons();

  static BaseListLayout Layout(Size client, int scale);

  // Buttons 1002 to 1006 run their operations (a disabled button does
  // nothing); everything else goes to the base dialog.
  void OnCommand(int command_id) override;

 protected:
  // Subclasses call this first from their own OnInitDialog.
  bool OnInitDialog() override;
  // A double tap on a move button moves twice (its first tap moved once).
  void OnDoubleTapCommand(int command_id) override;
  int OnNotify(int code, int a, int b) override;

  virtual void OnAdd() = 0;
  virtual void OnRemove() = 0;
  virtual void OnEdit() = 0;
  virtual void OnMoveUp() = 0;
  virtual void OnMoveDown() = 0;
  virtual void OnMoveUpTwice() { OnMoveUp(); }
  virtual void OnMoveDownTwice() { OnMoveDown(); }

 private:
  bool ButtonEnabled(int id);

  TranslatedString title_;
  CameraDynaList list_;
  CCustomStatic title_label_;
  // Add, Remove, Edit, Move up, Move down.
  std::array<CCustomButton, 5> buttons_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_BASE_LIST_DLG_H_
