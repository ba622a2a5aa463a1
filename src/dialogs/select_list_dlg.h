// The selection dialog: picks one row of a list its caller fills.
#ifndef ZORVANEL_DIALOGS_SELECT_LIST_DLG_H_
#define ZORVANEL_DIALOGS_SELECT_LIST_DLG_H_

#include <string>

#include "controls/custom_static.h"
#include "dialogs/base_dlg.h"
#include "dialogs/camera_dyna_list.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// Where the parts of the selection dialog go: title, comment line, list.
struct SelectListLayout {
  int item_height = 0;
  Rect title;
  Rect comment;
  Rect list;
};

// Picks one entry of a list its caller fills beforehand: a title, a comment
// line and the list, with the soft keys "Select" and "Cancel". "Select"
// appears with the first selection, so kOk always comes with a selected row
// (list().selected_index()); kCancel means no choice.
//
//   CSelectListDlg dlg;
//   dlg.SetTitle(english_title);
//   dlg.list().AddTextRow("Acme", "", "", -1);
//   if (dlg.RunModal() == DialogResult::kOk) {
//     ... dlg.list().selected_index() ...
//   }
class CSelectListDlg : public CBaseDlg, private CDynaList::Listener {
 public:
  static constexpr int kIdList = 1000;
  static constexpr int kIdComment = 1014;

  CSelectListDlg();
  ~CSelectListDlg() override;

  std::string ClassName() const override { return "CSelectListDlg"; }

  // An English text, shown translated.
  void SetComment(const std::string& english) { comment_.SetKey(english); }

  CameraDynaList& list() { return list_; }
  const CameraDynaList& list() const { return list_; }

  static SelectListLayout Layout(Size client, int scale);

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;
  // Accepts only with a row selected (Enter can send OK before "Select" is
  // offered).
  void OnOK() override;

 private:
  // "Select" appears with the first selection.
  void OnListSelectionChanged() override;
  // A double tap on the selected row does what "Select" does.
  void OnListRowChosen() override { OnCommand(kIdOk); }

  void PlaceControls();

  TranslatedString comment_;
  CCustomStatic comment_label_;
  CameraDynaList list_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_SELECT_LIST_DLG_H_
