// The list of a lens's focal lengths, apertures or focus distances.
#include "dialogs/value_dyna_list.h"

#include "i18n/value_text.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

// Space between a row's texts and its edges.
constexpr int kTextInset = 5;

int CurrentScale() { return Shell::Exists() ? Shell::Get().scale() : 100; }

std::unique_ptr<Font> PointFont(int points, int scale) {
  FontRequest request;
  request.face = "Tahoma";
  request.height = PointsToHeight(points, scale);
  return std::make_unique<Font>(request);
}

}  // namespace

CValueItem::CValueItem(const std::string& text, double value,
                       double real_value, const std::string& note)
    : text_(text), value_(value), real_value_(real_value), note_(note) {}

CValueDynaList::CValueDynaList() = default;
CValueDynaList::~CValueDynaList() = default;

int CValueDynaList::AddFocalRow(double millimetres, int index) {
  return InsertRow(
      CValueItem(Format(FocalValue(millimetres)), millimetres, 0.0, ""),
      index);
}

int CValueDynaList::AddApertureRow(double f_number, int index) {
  const ApertureValue aperture(
      static_cast<double>(static_cast<float>(f_number)));
  const double real = aperture.GetValue();
  return InsertRow(CValueItem(Format(aperture), f_number, real,
                              "(f/" + FormatFixed(real, 3) + ")"),
                   index);
}

int CValueDynaList::AddDistanceRow(double metres, UnitSystem units, int index) {
  return InsertRow(
      CValueItem(Format(DistanceValue(metres), units), metres, 0.0, ""),
      index);
}

double CValueDynaList::GetStoredValue(int index) const {
  const CValueItem* row = GetValueRow(index);
  return row == nullptr ? 0.0 : row->value();
}

double CValueDynaList::GetEffectiveValue(int index) const {
  const CValueItem* row = GetValueRow(index);
  if (row == nullptr) return 0.0;
  return row->real_value() != 0.0 ? row->real_value() : row->value();
}

void CValueDynaList::EnsureFonts() {
  // Made again when the window's size changed the scale.
  const int scale = CurrentScale();
  if (text_font_ && fonts_scale_ == scale) return;
  text_font_ = PointFont(kTextPoints, scale);
  note_font_ = PointFont(kNotePoints, scale);
  fonts_scale_ = scale;
}

void CValueDynaList::DrawRow(Canvas& canvas, const Rect& cell, int index,
                             Colour text) {
  const CValueItem* row = GetValueRow(index);
  if (row == nullptr) return;
  EnsureFonts();
  canvas.ClipTo(cell);
  Rect r = cell.Deflate(kTextInset, 0);
  fitter_.Draw(canvas, row->text(), r, kTextLeft, *text_font_, text);
  if (!row->note().empty()) {
    r = r.Deflate(0, kTextInset);
    fitter_.Draw(canvas, row->note(), r, kTextRight | kTextBottom, *note_font_,
                 text);
  }
}

std::string CValueDynaList::SearchText(int index) const {
  const CValueItem* item = GetValueRow(index);
  return item != nullptr ? item->text() : std::string();
}

void CValueDynaList::DescribeRow(int index, Description& row) const {
  const CValueItem* item = GetValueRow(index);
  row.Set("text", item != nullptr ? item->text() : std::string());
  row.Set("note", item != nullptr ? item->note() : std::string());
  row.Set("selected", index == selected_index());
}

}  // namespace zorvanel
