// The one-line text field the program draws and edits itself.
#ifndef ZORVANEL_CONTROLS_CUSTOM_EDIT_H_
#define ZORVANEL_CONTROLS_CUSTOM_EDIT_H_

#include <memory>
#include <string>

#include "controls/edit_state.h"
#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/window.h"
#include "skins/bitmap_background.h"
#include "skins/picture_ids.h"

namespace zorvanel {

// A one-line text field drawn and edited by the program. The content lives in
// the field's own text (not the window text) and no change is reported: an
// owner writes the text, calls SelectAll, and reads the text back when the
// user confirms. Any printable character can be typed. Taking the focus
// shows the on-screen keyboard and selects everything, so the first tap into
// a field replaces its text and later taps place the caret. A text longer
// than the field scrolls to keep the caret in view.
class CCustomEdit : public Window {
 public:
  // A drag further than this from the press point selects.
  static constexpr int kDragThreshold = 10;
  // Reference pixels left and right of the text that stay the border's.
  static constexpr int kTextMargin = 6;

  CCustomEdit();
  ~CCustomEdit() override;

  std::string Kind() const override { return "edit"; }
  bool TakesTabFocus() const override { return true; }
  void Describe(Description& out) const override;

  const std::string& text() const { return state_.text(); }
  void set_text(const std::string& text);

  int caret() const { return state_.caret(); }
  bool has_selection() const { return state_.has_selection(); }
  // The selection, or the caret twice when there is none.
  void GetSelection(int* start, int* end) const;
  // See EditState. Each repaints the field when something changed.
  bool SetSelection(int a, int b);
  bool SelectAll();
  bool SetCaret(int position);
  int CaretIndexAt(int x);
  void ReplaceSelection(const std::string& text);
  // The pixels inverted while focused, in client coordinates.
  Rect caret_rect();
  bool focused() const { return focused_; }

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnPointerDown(Point p) override;
  void OnPointerMove(Point p) override;
  void OnPointerUp(Point p) override;
  void OnDoubleTap(Point p) override;
  void OnChar(char32_t ch) override;
  bool OnKeyDown(Key key) override;
  void OnFocus() override;
  void OnBlur() override;
  // Frees the surface and the built skins.
  void OnCovered() override;

 private:
  // The 11-point field font, made on first use.
  const Font& EnsureFont();
  // Natural size of `text` in the field font; hooked into the state.
  Size MeasureText(const std::string& text);
  // Pixels left and right of the text that belong to the border.
  int TextMargin() const;
  // Brings the state's idea of the field size up to date.
  void SyncFieldSize();
  void RepaintIf(bool changed);

  CBitmapBackground idle_skin_{pictures::kEditIdle};
  CBitmapBackground focus_skin_{pictures::kEditFocused};
  std::unique_ptr<Font> font_;
  int font_scale_ = 0;  // the display scale font_ is made at
  // A scratch surface for measuring text outside painting.
  std::unique_ptr<Image> measure_image_;
  std::unique_ptr<Canvas> measure_canvas_;
  std::unique_ptr<Image> surface_;
  EditState state_;
  Size field_size_;
  bool focused_ = false;
  bool tracking_ = false;
  Point press_point_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_CUSTOM_EDIT_H_
