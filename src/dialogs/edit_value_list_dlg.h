// The value list dialog: adds and removes a lens's values, kept sorted.
#ifndef ZORVANEL_DIALOGS_EDIT_VALUE_LIST_DLG_H_
#define ZORVANEL_DIALOGS_EDIT_VALUE_LIST_DLG_H_

#include <array>
#include <string>
#include <vector>

#include "controls/custom_button.h"
#include "controls/custom_static.h"
#include "dialogs/base_dlg.h"
#include "dialogs/value_dyna_list.h"
#include "i18n/translated_string.h"
#include "optics/units.h"
#include "optics/value_insertion.h"
#include "platform/geometry.h"
#include "skins/picture_ids.h"

namespace zorvanel {

// Where the parts of the value list dialog go, from its client size and the
// screen scale: the title on top, the list on the left (two fifths of the
// width) and the four buttons stacked on its right.
struct EditValueListLayout {
  int item_height = 0;
  Rect title;
  Rect list;
  std::array<Rect, 4> buttons;  // Add one, Add range, Remove one, Remove all
};

// Edits one list of a lens (focal lengths, apertures or focus distances):
// values are added one at a time or as a range of the standard series, and
// removed one at a time or all at once. The rows stay sorted by key and free
// of duplicates (apertures compared by their real f-number). Distances are
// typed and shown in `units` and kept in metres. The dialog works on its
// rows only; on "Ok" the caller reads them back with Values().
//
//   CEditValueListDlg dlg(ValueKind::kAperture, units);
//   dlg.SetTitle(UiText("Edit aperture values"));
//   for (double f : lens.apertures()) dlg.AppendValue(f);
//   if (dlg.RunModal() == DialogResult::kOk) store(dlg.Values());
class CEditValueListDlg : public CBaseDlg, private CDynaList::Listener {
 public:
  static constexpr int kIdList = 1037;
  static constexpr int kIdAddOne = 1000;
  static constexpr int kIdAddRange = 1001;
  static constexpr int kIdRemoveOne = 1002;
  static constexpr int kIdRemoveAll = 1003;
  // Icons of the four buttons, in the order of their ids.
  static constexpr std::array<unsigned, 4> kIcons = {
      pictures::kAddOne, pictures::kAddRange, pictures::kRemoveOne,
      pictures::kRemoveAll};

  CEditValueListDlg(ValueKind kind, UnitSystem units);
  ~CEditValueListDlg() override;

  std::string ClassName() const override { return "CEditValueListDlg"; }

  ValueKind kind() const { return kind_; }

  // Appends a stored value as the last row, unsorted: a list keeps the
  // order it was loaded in.
  void AppendValue(double stored);
  // Puts a stored value at its sorted place; false (and nothing added) when
  // a row has the same key.
  bool InsertValue(double stored);
  // The rows' stored values in row order.
  std::vector<double> Values() const;

  CValueDynaList& list() { return list_; }
  const CValueDynaList& list() const { return list_; }

  static EditValueListLayout Layout(Size client, int scale);

  // The four buttons run their commands (a disabled one does nothing).
  void OnCommand(int command_id) override;

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;

 private:
  int AddRow(double stored, int index);
  std::vector<double> Keys() const;
  // "Remove one" works only on a selected row.
  void UpdateRemoveButton();
  void OnListSelectionChanged() override { UpdateRemoveButton(); }
  // Delete on the selected row does what "Remove one" does.
  void OnListDeleteKey() override { OnCommand(kIdRemoveOne); }
  // Button k with its text and icon; PlaceControls puts it in place.
  void CreateButton(int k);
  void PlaceControls();

  void AddOne();
  void AddRange();
  // Inserts every value of the range that is not there yet; false when at
  // least one was there already.
  bool InsertRange(double lo, double hi);
  void RemoveOne();
  void RemoveAll();
  void AfterRemoval();

  // The translated unit distances are typed in: "ft." or "m".
  std::string DistanceUnitText() const;
  // An aperture names the real f-number it fell on, which the user may not
  // recognise from the number typed.
  void ReportDuplicate(double stored) const;

  const ValueKind kind_;
  const UnitSystem units_;
  std::array<TranslatedString, 4> button_texts_;
  CValueDynaList list_;
  std::array<CCustomButton, 4> buttons_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_EDIT_VALUE_LIST_DLG_H_
