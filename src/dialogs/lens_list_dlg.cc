// "My lenses": the list of the user's lenses and how one is made or edited.
#include "dialogs/lens_list_dlg.h"

#include <algorithm>

#include "data/equipment.h"
#include "data/names.h"
#include "dialogs/edit_lens_dlg.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/number_field.h"
#include "i18n/value_text.h"
#include "optics/decimal.h"
#include "optics/lens_accessor.h"
#include "optics/value_limits.h"

namespace zorvanel {

LensListDlg::LensListDlg(Equipment* equipment, UnitSystem units)
    : BaseListDlg(EquipmentList::kLenses, equipment), units_(units) {}

LensListDlg::~LensListDlg() = default;

LensListDlg::Bounds LensListDlg::OrderedBounds(double a, double b) {
  Bounds bounds{std::min(a, b), std::max(a, b)};
  if (bounds.hi < kSmallestLensBound) bounds.hi = kSmallestLensBound;
  if (bounds.lo < kSmallestLensBound) bounds.lo = bounds.hi;
  return bounds;
}

Lens LensListDlg::MakeLens(const Bounds& focal, const Bounds& aperture,
                           const std::string& name, UnitSystem units) {
  Lens lens;
  SplitName(&lens, name);
  LensAccessor accessor(&lens);
  accessor.SetApertureRange(aperture.lo, aperture.hi);
  accessor.SetLensDistances(units);
  lens.set_min_focal(focal.lo);
  lens.set_max_focal(focal.hi);
  accessor.RegenerateFocals(1.0);
  return lens;
}

int LensListDlg::AddRow(int index) {
  return list().AddLensRow(Stored().mutable_lenses(index), -1);
}

std::optional<LensListDlg::Bounds> LensListDlg::AskBounds(
    CEditValueDlg& entry, ValueKind kind) const {
  const std::optional<TypedPair> typed = AskNumbers(
      entry,
      {.unit = TypedUnit(kind),
       .prefixes = TypedPrefixes(kind),
       .refusal = [this, kind](
                      const TypedPair& numbers) -> std::optional<std::string> {
         const Bounds bounds = OrderedBounds(numbers.first, numbers.second);
         if (IsFiniteNumber(bounds.hi) && bounds.hi <= MaximumValue(kind)) {
           return std::nullopt;
         }
         return TooLargeText(kind, units_);
       }});
  if (!typed) return std::nullopt;
  return OrderedBounds(typed->first, typed->second);
}

std::optional<std::string> LensListDlg::AskName() {
  CEditValueDlg entry(EntryLayout::kSingleText);
  entry.SetTitle(UiText("Name of your lens"));
  entry.SetComment(UiText("Please enter the name of your lens."));
  if (entry.RunModal() != DialogResult::kOk) return std::nullopt;
  return entry.text1();
}

bool LensListDlg::RunEditor(const std::string& title, Lens* lens) const {
  CEditLensDlg editor(units_);
  editor.SetTitle(title);
  editor.SetLens(lens);
  return editor.RunModal() == DialogResult::kOk;
}

bool LensListDlg::CreateItem() {
  CEditValueDlg focal_entry(EntryLayout::kCommentTwoCaptioned);
  focal_entry.SetTitle(UiText("Focal of your lens"));
  focal_entry.SetComment(UiText("Enter focal range in mm"));
  focal_entry.SetCaptions(UiText("Min focal"), UiText("Max focal"));
  const std::optional<Bounds> focal = AskBounds(focal_entry, ValueKind::kFocal);
  if (!focal) return false;

  CEditValueDlg aperture_entry(EntryLayout::kCommentTwoCaptioned);
  aperture_entry.SetTitle(UiText("Aperture of your lens"));
  aperture_entry.SetComment(UiText("Please enter n for f/n"));
  aperture_entry.SetCaptions(UiText("Min aperture"), UiText("Max aperture"));
  const std::optional<Bounds> aperture =
      AskBounds(aperture_entry, ValueKind::kAperture);
  if (!aperture) return false;

  const std::optional<std::string> name = AskName();
  if (!name) return false;

  Lens lens = MakeLens(*focal, *aperture, *name, units_);
  if (!RunEditor(UiText("Details of your lens"), &lens)) return false;
  AddLens(&Stored(), lens);
  return true;
}

bool LensListDlg::EditItem(int index) {
  Lens copy = Stored().lenses(index);
  if (!RunEditor(UiText("Edit lens"), &copy)) return false;
  *Stored().mutable_lenses(index) = copy;
  return true;
}

}  // namespace zorvanel
