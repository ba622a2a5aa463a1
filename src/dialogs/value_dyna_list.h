// The list of a lens's focal lengths, apertures or focus distances.
#ifndef ZORVANEL_DIALOGS_VALUE_DYNA_LIST_H_
#define ZORVANEL_DIALOGS_VALUE_DYNA_LIST_H_

#include <memory>
#include <string>

#include "controls/row_list.h"
#include "optics/units.h"
#include "platform/font.h"
#include "platform/text_fitter.h"

namespace zorvanel {

// One row of a value list: the number and how it is shown.
class CValueItem {
 public:
  CValueItem(const std::string& text, double value, double real_value,
             const std::string& note);

  // The number as stored in the lens.
  double value() const { return value_; }
  // The real f-number of an aperture row; 0.0 for the other kinds.
  double real_value() const { return real_value_; }
  // "(f/2.828)" for an aperture row, else empty.
  const std::string& note() const { return note_; }
  // The value as the main screen shows it.
  const std::string& text() const { return text_; }

 private:
  std::string text_;
  double value_;
  double real_value_;
  std::string note_;
};

// The list of one lens list's values: a focal length, an aperture or a focus
// distance per row, formatted as the main screen shows them. An aperture row
// also shows its real f-number as a small note.
class CValueDynaList : public CRowList<CValueItem> {
 public:
  // Point sizes of the row text and the note, on the reference screen.
  static constexpr int kTextPoints = 15;
  static constexpr int kNotePoints = 6;

  CValueDynaList();
  ~CValueDynaList() override;

  // Each inserts a row before `index` (-1 appends) and returns its index.
  int AddFocalRow(double millimetres, int index);
  // The f-number is narrowed to single precision before its real f-number
  // is looked up, as the wheels do; the row keeps the number as given.
  int AddApertureRow(double f_number, int index);
  // Formatted in `units`; the row keeps that text.
  int AddDistanceRow(double metres, UnitSystem units, int index);

  // The row, or null.
  const CValueItem* GetValueRow(int index) const { return RowAt(index); }
  // The stored number, 0.0 without a row.
  double GetStoredValue(int index) const;
  // The real f-number of an aperture row, else the stored number (0.0
  // without a row).
  double GetEffectiveValue(int index) const;
  double GetSelectedValue() const { return GetStoredValue(selected_index()); }

 protected:
  void DrawRow(Canvas& canvas, const Rect& cell, int index,
               Colour text) override;
  // Typed letters are matched against the row's text.
  std::string SearchText(int index) const override;
  // {"text", "note", "selected"}
  void DescribeRow(int index, Description& row) const override;

 private:
  void EnsureFonts();

  std::unique_ptr<Font> text_font_;
  std::unique_ptr<Font> note_font_;
  int fonts_scale_ = 0;  // the display scale the two fonts are made at
  // A long value in the narrow list of the value list dialog is drawn
  // smaller rather than cut off.
  TextFitter fitter_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_VALUE_DYNA_LIST_H_
