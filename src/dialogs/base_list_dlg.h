// The base of the camera and lens lists: rows, five buttons, soft keys.
#ifndef ZORVANEL_DIALOGS_BASE_LIST_DLG_H_
#define ZORVANEL_DIALOGS_BASE_LIST_DLG_H_

#include <array>
#include <string>

#include "controls/custom_button.h"
#include "data/equipment.h"
#include "dialogs/base_dlg.h"
#include "dialogs/camera_dyna_list.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// The list screens stack a title, their list and a row of square buttons,
// each a kListButtonsAcross-th of the width the screens' controls take;
// their rows are kListRowHeight reference pixels high.
inline constexpr int kListRowHeight = 80;
inline constexpr int kListButtonsAcross = 5;

// Where the parts of a list dialog go, from its client size and the screen
// scale: the title on top, the list, and a row of five square buttons along
// the bottom, centred in what the division by five leaves over.
struct BaseListLayout {
  int button_size = 0;
  int item_height = 0;
  Rect title;
  Rect list;
  std::array<Rect, kListButtonsAcross> buttons;  // Add, Remove, Edit, Move up, Move down
};

// The common base of the camera and lens lists: a title, a row per stored
// camera or lens, and the buttons Add, Remove, Edit, Move up and Move down,
// with the soft keys "Select" and "Back". It keeps the buttons and soft keys
// in step with the list's selection and runs the operations on the stored
// equipment at once; a subclass supplies the rows and the editors. Remove
// asks first, then offers to remove the item's partner on the other list.
// "Select" (command 1) makes the selected item current; "Back" cancels.
// The equipment worked on outlives the dialog.
class BaseListDlg : public CBaseDlg, private CDynaList::Listener {
 public:
  static constexpr int kIdList = 1000;
  static constexpr int kIdAdd = 1002;
  static constexpr int kIdRemove = 1003;
  static constexpr int kIdEdit = 1004;
  static constexpr int kIdMoveUp = 1005;
  static constexpr int kIdMoveDown = 1006;

  BaseListDlg(EquipmentList items, Equipment* equipment);
  ~BaseListDlg() override;

  std::string ClassName() const override { return "BaseListDlg"; }

  CameraDynaList& list() { return list_; }
  const CameraDynaList& list() const { return list_; }
  // The button with one of the ids kIdAdd ... kIdMoveDown, else null.
  CCustomButton* button(int id);

  static BaseListLayout Layout(Size client, int scale);

  // Buttons 1002 to 1006 run their operations (a disabled button does
  // nothing); everything else goes to the base dialog.
  void OnCommand(int command_id) override;

 protected:
  // Shows a row per stored item and selects the current one.
  void OnInitDialog() override;
  void OnScreenResized() override;
  // "Select" makes the selected item current.
  void OnOK() override;
  // A double tap on a move button moves twice (its first tap moved once).
  void OnDoubleTapCommand(int command_id) override;

  Equipment& Stored() const { return *equipment_; }

  // Appends the row of stored item `index` and returns the row's index.
  virtual int AddRow(int index) = 0;
  // Runs the dialogues that make a new item and appends it to the stored
  // ones; false when the user gave up.
  virtual bool CreateItem() = 0;
  // Runs the editor on a copy of stored item `index` and keeps the copy
  // on "Ok"; true when it was kept.
  virtual bool EditItem(int index) = 0;

 private:
  // The soft keys the dialog shows.
  enum class SoftKeyMode {
    kNone,        // no labels, placeholder commands
    kSelectBack,  // "Select" (OK) / "Back" (cancel)
    kBack,        // no left label / "Back" (cancel)
  };
  // Shows the keys of `mode`; the same mode again changes nothing (the
  // first kNone of a fresh dialog builds no bar).
  void SetSoftKeyMode(SoftKeyMode mode);

  // Puts the title, the list and the buttons where Layout says.
  void PlaceControls();
  // Enables the buttons and picks the soft keys for the list's selection:
  // with a row selected, Remove and Edit, Move up unless it is the first
  // row, Move down unless it is the last, and "Select" / "Back"; without
  // one, only Add and "" / "Back".
  void UpdateButtons();
  void OnListSelectionChanged() override { UpdateButtons(); }
  // A double tap on the selected row does what "Select" does.
  void OnListRowChosen() override { OnCommand(kIdOk); }
  // Delete on the selected row does what Remove does.
  void OnListDeleteKey() override { OnCommand(kIdRemove); }
  bool ButtonEnabled(int id);
  // The selected row when it names a stored item, else -1.
  int SelectedItem() const;

  void Add();
  void Remove();
  // Asks about the partner of item `index` and removes it on "Yes".
  void OfferToRemovePartner(int index);
  void Edit();
  void MoveSelected(int offset);

  const EquipmentList items_;
  Equipment* const equipment_;
  CameraDynaList list_;
  // Add, Remove, Edit, Move up, Move down.
  std::array<CCustomButton, kListButtonsAcross> buttons_;
  SoftKeyMode soft_key_mode_ = SoftKeyMode::kNone;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_BASE_LIST_DLG_H_
