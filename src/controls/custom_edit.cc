// The one-line text field the program draws and edits itself.
#include "controls/custom_edit.h"

#include <cstdlib>

#include "platform/palette.h"
#include "platform/shell.h"

namespace zorvanel {

namespace {

constexpr int kFontPoints = 11;

}  // namespace

CCustomEdit::CCustomEdit() {
  state_.set_measure(
      [this](const std::string& text) { return MeasureText(text); });
}

CCustomEdit::~CCustomEdit() = default;

void CCustomEdit::Describe(Description& out) const {
  Window::Describe(out);
  out.Set("text", state_.text());
  int start = 0;
  int end = 0;
  state_.GetSelection(&start, &end);
  out.Set("selection", std::vector<int>{start, end});
  const Rect field = ScreenRect();
  out.Set("caret_rect",
          RectValue(state_.caret_rect().Offset(field.left, field.top)));
}

const Font& CCustomEdit::EnsureFont() {
  // Made again when the window's size changed the scale.
  const int scale = Shell::Get().scale();
  if (!font_ || font_scale_ != scale) {
    FontRequest request;
    request.height = PointsToHeight(kFontPoints, scale);
    request.face = "Tahoma";
    font_ = std::make_unique<Font>(request);
    font_scale_ = scale;
  }
  return *font_;
}

Size CCustomEdit::MeasureText(const std::string& text) {
  // Without a shell there is no scale to make the font at yet; the caret is
  // placed again once the field is laid out.
  if (!Shell::Exists()) return Size{};
  const Font& font = EnsureFont();
  if (!measure_canvas_) {
    measure_image_ = std::make_unique<Image>(1, 1);
    measure_canvas_ = std::make_unique<Canvas>(*measure_image_);
  }
  return measure_canvas_->MeasureText(text, font);
}

void CCustomEdit::SyncFieldSize() {
  // Only a real change of size recomputes the caret.
  const Size size = ClientRect().GetSize();
  if (size != field_size_) {
    field_size_ = size;
    state_.SetFieldSize(size, TextMargin());
  }
}

int CCustomEdit::TextMargin() const {
  return Shell::Exists() ? Scaled(Shell::Get().scale(), kTextMargin)
                         : kTextMargin;
}

void CCustomEdit::RepaintIf(bool changed) {
  if (changed) Invalidate();
}

void CCustomEdit::set_text(const std::string& text) {
  SyncFieldSize();
  state_.set_text(text);
  Invalidate();
}

void CCustomEdit::GetSelection(int* start, int* end) const {
  state_.GetSelection(start, end);
}

bool CCustomEdit::SetSelection(int a, int b) {
  SyncFieldSize();
  const bool changed = state_.SetSelection(a, b);
  RepaintIf(changed);
  return changed;
}

bool CCustomEdit::SelectAll() { return SetSelection(0, state_.Length()); }

bool CCustomEdit::SetCaret(int position) {
  SyncFieldSize();
  const bool changed = state_.SetCaret(position);
  RepaintIf(changed);
  return changed;
}

int CCustomEdit::CaretIndexAt(int x) {
  SyncFieldSize();
  return state_.CaretIndexAt(x);
}

void CCustomEdit::ReplaceSelection(const std::string& text) {
  SyncFieldSize();
  RepaintIf(state_.ReplaceSelection(text));
}

Rect CCustomEdit::caret_rect() {
  SyncFieldSize();
  return state_.caret_rect();
}

void CCustomEdit::OnPaint(Canvas& canvas) {
  const int w = width();
  const int h = height();
  if (w <= 0 || h <= 0) return;
  SyncFieldSize();
  if (!surface_ || surface_->size() != Size{w, h}) {
    surface_ = std::make_unique<Image>(w, h);
  }
  {
    Canvas surface(*surface_);
    (focused_ ? focus_skin_ : idle_skin_).Draw(surface, w, h);
    // Text, its box and the caret stay off the border, however long the
    // text.
    const int margin = TextMargin();
    surface.ClipTo(Rect{margin, 0, w - margin, h});
    const std::string& text = state_.text();
    if (!text.empty()) {
      const Font& font = EnsureFont();
      const Size size = surface.MeasureText(text, font);
      // Text sits exactly where the caret arithmetic puts it.
      const Rect box = Rect::FromXYWH(state_.TextLeft(), (h - size.height) / 2,
                                      size.width, size.height);
      surface.FillRect(box, palette::kFieldTextBox);
      surface.DrawText(text, box, kTextLeft, font, palette::kFieldText);
    }
    if (focused_) surface.InvertRect(state_.caret_rect());
  }
  canvas.Blit(*surface_, ClientRect(), Point{0, 0});
}

void CCustomEdit::OnCovered() {
  surface_.reset();
  idle_skin_.Release();
  focus_skin_.Release();
}

void CCustomEdit::OnPointerDown(Point p) {
  tracking_ = true;
  press_point_ = p;
  const int boundary = CaretIndexAt(p.x);
  SetSelection(boundary, boundary);
  // Taking the focus selects everything, so the first tap into a field
  // without the focus selects its whole text.
  SetFocus();
}

void CCustomEdit::OnPointerMove(Point p) {
  if (!tracking_ || std::abs(p.x - press_point_.x) <= kDragThreshold) return;
  SetSelection(CaretIndexAt(press_point_.x), CaretIndexAt(p.x));
}

void CCustomEdit::OnPointerUp(Point /*p*/) {
  tracking_ = false;
  Invalidate();
}

void CCustomEdit::OnDoubleTap(Point /*p*/) { SelectAll(); }

void CCustomEdit::OnChar(char32_t ch) {
  SyncFieldSize();
  if (ch == 8) {
    RepaintIf(state_.Backspace());
  } else {
    RepaintIf(state_.TypeChar(ch));
  }
}

bool CCustomEdit::OnKeyDown(Key key) {
  SyncFieldSize();
  const int modifiers = Shell::Get().key_modifiers();
  const bool extend = (modifiers & kModShift) != 0;
  switch (key) {
    case Key::kLeft:
      RepaintIf(state_.KeyLeft(extend));
      return true;
    case Key::kRight:
      RepaintIf(state_.KeyRight(extend));
      return true;
    case Key::kHome:
      RepaintIf(state_.KeyHome(extend));
      return true;
    case Key::kEnd:
      RepaintIf(state_.KeyEnd(extend));
      return true;
    case Key::kA:
      if ((modifiers & kModCtrl) == 0) return false;
      RepaintIf(state_.SelectAll());
      return true;
    case Key::kBackspace:
      RepaintIf(state_.Backspace());
      return true;
    case Key::kDelete:
      RepaintIf(state_.DeleteForward());
      return true;
    default:
      return false;
  }
}

void CCustomEdit::OnFocus() {
  Shell::Get().ShowKeyboard(true);
  SelectAll();
  focused_ = true;
  Invalidate();
}

void CCustomEdit::OnBlur() {
  Shell::Get().ShowKeyboard(false);
  focused_ = false;
  tracking_ = false;
  Invalidate();
}

}  // namespace zorvanel
