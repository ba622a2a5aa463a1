// A text field's text, caret and selection, and its editing rules.
#ifndef ZORVANEL_CONTROLS_EDIT_STATE_H_
#define ZORVANEL_CONTROLS_EDIT_STATE_H_

#include <functional>
#include <string>

#include "platform/geometry.h"

namespace zorvanel {

// The editing state of a one-line text field, without pixels: the text, the
// caret, the selection and the caret rectangle, with the field's editing
// rules. Positions count characters (the text is UTF-8), 0 ... Length().
// Where a text is in the field is known only through the measuring
// callback, which gives the natural size of a piece of text in the field's
// font, and the field's size. A text that fits between the margins is
// centred; a longer one scrolls sideways so that the caret (the moving end
// of a selection) stays between them.
class EditState {
 public:
  using Measure = std::function<Size(const std::string&)>;

  // Typing and pasting stop at this many characters.
  static constexpr int kMaxLength = 255;

  EditState() = default;
  explicit EditState(Measure measure) : measure_(std::move(measure)) {}

  void set_measure(Measure measure) { measure_ = std::move(measure); }
  // The field's client size and the margin left and right that text keeps
  // clear of (the field's border); recomputes the caret rectangle.
  void SetFieldSize(Size size, int margin = 0);

  const std::string& text() const { return text_; }
  // Replaces the text; the caret and selection are kept inside it.
  void set_text(const std::string& text);
  // Number of characters.
  int Length() const;

  int caret() const { return caret_; }
  bool has_selection() const { return has_selection_; }
  int selection_start() const { return selection_start_; }
  int selection_end() const { return selection_end_; }
  // The selection, or the caret twice when there is none.
  void GetSelection(int* start, int* end) const;
  // The pixels to invert while the field has the focus: a one-pixel caret
  // bar, or the block of the selection.
  const Rect& caret_rect() const { return caret_rect_; }

  // Orders and clamps the ends; equal ends place the caret and drop the
  // selection. Returns whether anything changed.
  bool SetSelection(int a, int b);
  bool SelectAll() { return SetSelection(0, Length()); }
  // Moves the caret (clamped) without touching the selection. Returns
  // whether it moved.
  bool SetCaret(int position);
  // The character boundary nearest to x; ties go to the lower one.
  int CaretIndexAt(int x) const;
  // Left edge, in field pixels, of the boundary before character `index`.
  int BoundaryX(int index) const;
  // Field pixels from the left edge to where the text starts: negative while
  // a long text is scrolled.
  int TextLeft() const;

  // Editing. Each returns whether the text, caret or selection changed.
  // Whether `ch` is a character one can type (not a control character, a
  // surrogate or beyond Unicode).
  static bool IsTypable(char32_t ch);
  // A typable character replaces the selection or is inserted at the caret;
  // any other is ignored.
  bool TypeChar(char32_t ch);
  // Deletes the selection, or the character before the caret.
  bool Backspace();
  // Deletes the selection, or the character after the caret.
  bool DeleteForward();
  // Caret keys. Without `extend`, a selection is dropped with the caret at
  // its start (left) or end (right), else the caret moves by a character;
  // Home and End go to the ends. With `extend` (Shift held) the selection
  // grows or shrinks at its moving end and keeps its other end.
  bool KeyLeft(bool extend = false);
  bool KeyRight(bool extend = false);
  bool KeyHome(bool extend = false);
  bool KeyEnd(bool extend = false);
  // Replaces the selection (or inserts at the caret) with `text`; the caret
  // ends after it. Cut short at kMaxLength characters.
  bool ReplaceSelection(const std::string& text);

 private:
  size_t ByteOffset(int index) const;
  // Deletes the selection and puts the caret at its start.
  bool DeleteSelection();
  void EraseChars(int from, int to);
  // Where the keys extend a selection from, and its end that moves; both
  // the caret without a selection.
  int Anchor() const { return has_selection_ ? anchor_ : caret_; }
  int Active() const { return has_selection_ ? active_ : caret_; }
  // The caret at `position`, or the selection from the anchor to it.
  bool MoveTo(int position, bool extend);
  bool FitsBetweenMargins(int text_width) const;
  void ScrollToActive();
  void RecomputeCaretRect();
  Size MeasureText(const std::string& text) const;

  Measure measure_;
  Size field_;
  int margin_ = 0;
  std::string text_;
  int caret_ = 0;
  int selection_start_ = 0;
  int selection_end_ = 0;
  bool has_selection_ = false;
  // The ends of the selection as they were set: anchor_ stays, active_ moves.
  int anchor_ = 0;
  int active_ = 0;
  // Pixels of a long text hidden left of the margin.
  int scroll_ = 0;
  Rect caret_rect_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_EDIT_STATE_H_
