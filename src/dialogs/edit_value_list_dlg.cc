// The value list dialog: adds and removes a lens's values, kept sorted.
#include "dialogs/edit_value_list_dlg.h"

#include <algorithm>

#include "dialogs/edit_value_dlg.h"
#include "dialogs/message_box.h"
#include "dialogs/number_field.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "optics/series.h"
#include "optics/units.h"
#include "optics/value_limits.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 screen; Scaled() fits them to the others.
constexpr int kMargin = 10;
constexpr int kGap = 20;
constexpr int kItemHeight = 60;
constexpr int kButtonCount = 4;

}  // namespace

CEditValueListDlg::CEditValueListDlg(ValueKind kind, UnitSystem units)
    : kind_(kind), units_(units) {}

CEditValueListDlg::~CEditValueListDlg() = default;

EditValueListLayout CEditValueListDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int h = client.height;
  const int m = Scaled(scale, kMargin);
  const int e = Scaled(scale, kGap);
  const int t = Scaled(scale, kDialogTitleHeight);
  const int list_width = 2 * (w - 3 * m) / 5;
  const int list_height = h - t - e - m;
  const int button_height = (list_height - 3 * e) / kButtonCount;
  const int button_width = w - 3 * m - list_width;
  EditValueListLayout layout;
  layout.item_height = Scaled(scale, kItemHeight);
  layout.title = Rect::FromXYWH(0, 0, w, t);
  layout.list = Rect::FromXYWH(m, t + e, list_width, list_height);
  for (int i = 0; i < kButtonCount; ++i) {
    layout.buttons[i] =
        Rect::FromXYWH(list_width + 2 * m, t + e + i * (e + button_height),
                       button_width, button_height);
  }
  return layout;
}

int CEditValueListDlg::AddRow(double stored, int index) {
  switch (kind_) {
    case ValueKind::kAperture:
      return list_.AddApertureRow(stored, index);
    case ValueKind::kDistance:
      return list_.AddDistanceRow(stored, units_, index);
    case ValueKind::kFocal:
      break;
  }
  return list_.AddFocalRow(stored, index);
}

void CEditValueListDlg::AppendValue(double stored) { AddRow(stored, -1); }

std::vector<double> CEditValueListDlg::Keys() const {
  std::vector<double> keys;
  keys.reserve(list_.item_count());
  for (int i = 0; i < list_.item_count(); ++i) {
    keys.push_back(list_.GetEffectiveValue(i));
  }
  return keys;
}

bool CEditValueListDlg::InsertValue(double stored) {
  const std::optional<int> index =
      InsertionIndex(Keys(), ValueKey(kind_, stored));
  if (!index) return false;
  const int selected = list_.selected_index();
  const bool had_selection = selected >= 0 && selected < list_.item_count();
  AddRow(stored, *index);
  // The list keeps the selected position; move it along so that the value
  // the user chose stays chosen (and "Remove one" removes that one).
  if (had_selection && *index <= selected) list_.SelectItem(selected + 1);
  return true;
}

std::vector<double> CEditValueListDlg::Values() const {
  std::vector<double> values;
  values.reserve(list_.item_count());
  for (int i = 0; i < list_.item_count(); ++i) {
    values.push_back(list_.GetStoredValue(i));
  }
  return values;
}

void CEditValueListDlg::CreateButton(int k) {
  static constexpr std::array<const char*, kButtonCount> kTexts = {
      UiText("Add one..."), UiText("Add range..."), UiText("Remove one"),
      UiText("Remove all")};
  button_texts_[k].SetKey(kTexts[k]);
  CCustomButton& button = buttons_[k];
  button.SetIcon(kIcons[k], false);
  button.SetText(button_texts_[k].text());
  button.Create(this, kIdAddOne + k, Rect{});
}

void CEditValueListDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  SetSoftKeys(UiText("Ok"), UiText("Cancel"), kIdOk, kIdCancel);
  CreateTitle(Rect{});
  list_.Create(this, kIdList, Rect{});
  list_.set_listener(this);
  for (int k = 0; k < kButtonCount; ++k) CreateButton(k);
  PlaceControls();
  list_.Init(list_.item_height());
  // The keys move through the list from the start.
  list_.SetFocus();
  UpdateRemoveButton();
}

void CEditValueListDlg::OnScreenResized() { PlaceControls(); }

void CEditValueListDlg::PlaceControls() {
  const EditValueListLayout layout = Layout(ClientRect().GetSize(), Scale());
  // A title wider than the screen ("Edit focus distance values" is, in the
  // title style) takes the smaller italic style rather than losing its ends.
  title_label().set_style(CCustomStatic::kStyleTitle);
  if (title_label().MeasureText().width > layout.title.Width()) {
    title_label().set_style(CCustomStatic::kStyleItalic);
  }
  title_label().SetRect(layout.title);
  list_.SetRect(layout.list);
  list_.SetItemHeight(layout.item_height);
  for (int k = 0; k < kButtonCount; ++k) buttons_[k].SetRect(layout.buttons[k]);
}

void CEditValueListDlg::UpdateRemoveButton() {
  const int s = list_.selected_index();
  buttons_[kIdRemoveOne - kIdAddOne].Enable(s >= 0 && s < list_.item_count());
}

void CEditValueListDlg::OnCommand(int command_id) {
  if (command_id < kIdAddOne || command_id > kIdRemoveAll) {
    CBaseDlg::OnCommand(command_id);
    return;
  }
  if (!buttons_[command_id - kIdAddOne].enabled()) return;
  switch (command_id) {
    case kIdAddOne:
      AddOne();
      break;
    case kIdAddRange:
      AddRange();
      break;
    case kIdRemoveOne:
      RemoveOne();
      break;
    case kIdRemoveAll:
      RemoveAll();
      break;
  }
  list_.Invalidate();
}

std::string CEditValueListDlg::DistanceUnitText() const {
  return Translate(units_ != kMetric ? UiText("ft.") : UiText("m"));
}

void CEditValueListDlg::AddOne() {
  CEditValueDlg entry(EntryLayout::kSingleNumber);
  switch (kind_) {
    case ValueKind::kFocal:
      entry.SetTitle(UiText("New focal value"));
      entry.SetComment(
          UiText("Please enter a new focal value\r\nfor your lens (mm)."));
      break;
    case ValueKind::kAperture:
      entry.SetTitle(UiText("New aperture value"));
      entry.SetComment(UiText(
          "Please enter a new aperture value\r\nfor your lens (enter n for "
          "f/n)."));
      break;
    case ValueKind::kDistance:
      entry.SetTitle(UiText("New distance value"));
      entry.SetComment(Tr(UiText("Please enter a new focusing distance\r\nfor "
                                 "your lens (%1)."),
                          DistanceUnitText()));
      break;
  }
  const std::optional<TypedPair> typed = AskNumbers(
      entry,
      {.unit = TypedUnit(kind_),
       .prefixes = TypedPrefixes(kind_),
       .refusal =
           [this](const TypedPair& numbers) -> std::optional<std::string> {
         const double stored = StoredFromTyped(kind_, numbers.first, units_);
         if (!(stored > kMinimumValue)) {
           return UiText("You must enter a positive and\r\nnon null value.");
         }
         if (!IsAcceptableValue(kind_, stored)) {
           return TooLargeText(kind_, units_);
         }
         return std::nullopt;
       }});
  if (!typed) return;
  const double stored = StoredFromTyped(kind_, typed->first, units_);
  if (!InsertValue(stored)) ReportDuplicate(stored);
}

void CEditValueListDlg::ReportDuplicate(double stored) const {
  if (kind_ != ValueKind::kAperture) {
    CMessageBox::Show(
        UiText("Existing value"),
        UiText("This value already exists.\r\nIt has not been added."));
    return;
  }
  CMessageBox::Show(
      UiText("Existing value"),
      Tr(UiText("The aperture you have entered\r\nhas been converted into "
                "real\r\naperture (f/%1), and this real\r\naperture already "
                "exists in the list.\r\nSo it has not been added."),
         FormatFixed(ValueKey(kind_, stored), 3)));
}

void CEditValueListDlg::AddRange() {
  CEditValueDlg entry(EntryLayout::kCommentTwoCaptioned);
  switch (kind_) {
    case ValueKind::kFocal:
      entry.SetTitle(UiText("New focal values"));
      entry.SetComment(UiText("Enter focal range in mm"));
      entry.SetCaptions(UiText("Min focal"), UiText("Max focal"));
      break;
    case ValueKind::kAperture:
      entry.SetTitle(UiText("New aperture values"));
      entry.SetComment(UiText("Please enter n for f/n"));
      entry.SetCaptions(UiText("Min aperture"), UiText("Max aperture"));
      break;
    case ValueKind::kDistance:
      entry.SetTitle(UiText("New distance values"));
      entry.SetComment(
          Tr(UiText("Enter distance range (%1)"), DistanceUnitText()));
      entry.SetCaptions(UiText("Min distance"), UiText("Max distance"));
      break;
  }
  const std::optional<TypedPair> typed = AskNumbers(
      entry,
      {.unit = TypedUnit(kind_),
       .prefixes = TypedPrefixes(kind_),
       .refusal =
           [this](const TypedPair& numbers) -> std::optional<std::string> {
         if (!(numbers.first > kMinimumValue &&
               numbers.second > kMinimumValue)) {
           return UiText("You must enter positive and\r\nnon null values.");
         }
         const double hi = std::max(numbers.first, numbers.second);
         if (!IsAcceptableValue(kind_, StoredFromTyped(kind_, hi, units_))) {
           return TooLargeText(kind_, units_);
         }
         return std::nullopt;
       }});
  if (!typed) return;
  if (!InsertRange(std::min(typed->first, typed->second),
                   std::max(typed->first, typed->second))) {
    CMessageBox::Show(UiText("Existing value(s)"),
                      UiText("Some values where already existing,\r\nthey have "
                             "not been added."));
  }
}

bool CEditValueListDlg::InsertRange(double lo, double hi) {
  bool all_new = true;
  switch (kind_) {
    case ValueKind::kFocal: {
      std::vector<FocalValue> values;
      GenerateFocalRange(lo, hi, &values, 1.0);
      for (const FocalValue& v : values) all_new &= InsertValue(v.GetValue());
      break;
    }
    case ValueKind::kAperture: {
      std::vector<ApertureValue> values;
      SelectApertureRange(lo, hi, &values);
      for (const ApertureValue& v : values) {
        all_new &= InsertValue(v.GetNominal());
      }
      break;
    }
    case ValueKind::kDistance: {
      std::vector<DistanceValue> values;
      SelectDistanceRange(StoredFromTyped(kind_, lo, units_),
                          StoredFromTyped(kind_, hi, units_), units_, &values);
      for (const DistanceValue& v : values) {
        all_new &= InsertValue(v.GetValue());
      }
      break;
    }
  }
  return all_new;
}

void CEditValueListDlg::RemoveOne() {
  const int s = list_.selected_index();
  if (s < 0 || s >= list_.item_count()) return;
  if (!CMessageBox::Ask(
          UiText("Delete value?"),
          Tr(UiText("Do you want to delete\r\nthe value %1?"),
             FormatValue(kind_, list_.GetStoredValue(s), units_)))) {
    return;
  }
  list_.DeleteItem(s);
  AfterRemoval();
}

void CEditValueListDlg::RemoveAll() {
  if (!CMessageBox::Ask(UiText("Delete values?"),
                        UiText("Do you want to delete all values?"))) {
    return;
  }
  list_.DeleteAllItems();
  AfterRemoval();
}

void CEditValueListDlg::AfterRemoval() {
  // The list keeps the selected position, which now shows another value (or
  // none): nothing the user did not choose may look chosen or be removed by
  // the next "Remove one".
  list_.ClearSelection();
  UpdateRemoveButton();
}

}  // namespace zorvanel
