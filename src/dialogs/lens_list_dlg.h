// "My lenses": the list of the user's lenses and how one is made or edited.
#ifndef ZORVANEL_DIALOGS_LENS_LIST_DLG_H_
#define ZORVANEL_DIALOGS_LENS_LIST_DLG_H_

#include <optional>
#include <string>

#include "data/zorvanel.pb.h"
#include "dialogs/base_list_dlg.h"
#include "optics/units.h"
#include "optics/value_insertion.h"

namespace zorvanel {

class CEditValueDlg;

// "My lenses": the user's lenses, one row each in stored order. Add creates
// a lens in three entries (focal range, aperture range, name) and shows it
// in the lens editor for review. "Select" makes the selected lens current
// and pairs it with the current camera. Distances are shown and made in
// `units`.
class LensListDlg : public BaseListDlg {
 public:
  // The two bounds of a range typed for a new lens.
  struct Bounds {
    double lo = 1.0;
    double hi = 1.0;
  };

  LensListDlg(Equipment* equipment, UnitSystem units);
  ~LensListDlg() override;

  std::string ClassName() const override { return "LensListDlg"; }

  // Two typed numbers in order, each raised to at least 1: a field left
  // empty (or at 0) gives a range of one value, the other field's, and two
  // empty fields give 1 alone.
  static Bounds OrderedBounds(double a, double b);
  // A new, unpaired lens with the name typed (maker and model split at "\n"
  // typed as two characters) and its lists generated from the bounds:
  // focal lengths from the focal range, the standard apertures of the
  // aperture range, and the distances of the series of `units` from 0.1 m
  // to 100 m.
  static Lens MakeLens(const Bounds& focal, const Bounds& aperture,
                       const std::string& name, UnitSystem units);

 protected:
  int AddRow(int index) override;
  bool CreateItem() override;
  bool EditItem(int index) override;

 private:
  // The three entries of a new lens; nothing when the user cancels one.
  // A bound above MaximumValue(kind) is refused as a slip of the finger.
  std::optional<Bounds> AskBounds(CEditValueDlg& entry, ValueKind kind) const;
  static std::optional<std::string> AskName();
  // Shows `lens` in the lens editor; true on "Ok".
  bool RunEditor(const std::string& title, Lens* lens) const;

  const UnitSystem units_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_LENS_LIST_DLG_H_
