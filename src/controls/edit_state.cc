// A text field's text, caret and selection, and its editing rules.
#include "controls/edit_state.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "i18n/utf16.h"

namespace zorvanel {

namespace {

bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

int CountChars(const std::string& text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), StartsCharacter));
}

// The first `count` characters of `text`.
std::string FirstChars(const std::string& text, int count) {
  int seen = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (StartsCharacter(text[i]) && seen++ == count) return text.substr(0, i);
  }
  return text;
}

}  // namespace

void EditState::SetFieldSize(Size size, int margin) {
  field_ = size;
  margin_ = std::max(margin, 0);
  RecomputeCaretRect();
}

void EditState::set_text(const std::string& text) {
  text_ = text;
  const int length = Length();
  caret_ = std::clamp(caret_, 0, length);
  selection_start_ = std::clamp(selection_start_, 0, length);
  selection_end_ = std::clamp(selection_end_, 0, length);
  anchor_ = std::clamp(anchor_, 0, length);
  active_ = std::clamp(active_, 0, length);
  if (selection_start_ >= selection_end_) has_selection_ = false;
  RecomputeCaretRect();
}

int EditState::Length() const { return CountChars(text_); }

size_t EditState::ByteOffset(int index) const {
  int seen = 0;
  for (size_t i = 0; i < text_.size(); ++i) {
    if (StartsCharacter(text_[i]) && seen++ == index) return i;
  }
  return text_.size();
}

void EditState::GetSelection(int* start, int* end) const {
  *start = has_selection_ ? selection_start_ : caret_;
  *end = has_selection_ ? selection_end_ : caret_;
}

bool EditState::SetSelection(int a, int b) {
  const int length = Length();
  a = std::clamp(a, 0, length);
  b = std::clamp(b, 0, length);
  anchor_ = a;
  active_ = b;
  if (a > b) std::swap(a, b);
  if (a == b) {
    if (!has_selection_ && caret_ == a) return false;
    caret_ = a;
    has_selection_ = false;
  } else {
    if (has_selection_ && selection_start_ == a && selection_end_ == b) {
      return false;
    }
    selection_start_ = a;
    selection_end_ = b;
    has_selection_ = true;
  }
  RecomputeCaretRect();
  return true;
}

bool EditState::SetCaret(int position) {
  position = std::clamp(position, 0, Length());
  if (position == caret_) return false;
  caret_ = position;
  RecomputeCaretRect();
  return true;
}

Size EditState::MeasureText(const std::string& text) const {
  if (!measure_) return Size{};
  return measure_(text);
}

bool EditState::FitsBetweenMargins(int text_width) const {
  // With a pixel column to spare for the caret after the last character.
  return text_width < field_.width - 2 * margin_;
}

int EditState::TextLeft() const {
  const int text_width = text_.empty() ? 0 : MeasureText(text_).width;
  if (FitsBetweenMargins(text_width)) return (field_.width - text_width) / 2;
  return margin_ - scroll_;
}

int EditState::BoundaryX(int index) const {
  const int prefix_width =
      index <= 0 ? 0 : MeasureText(FirstChars(text_, index)).width;
  return TextLeft() + prefix_width;
}

int EditState::CaretIndexAt(int x) const {
  if (text_.empty()) return 0;
  const int length = Length();
  // No distance cap: a text wider than the field starts left of it, and a
  // point at its right end must still find the boundaries there.
  int best = std::numeric_limits<int>::max();
  int index = 0;
  for (int i = 0; i <= length; ++i) {
    const int distance = std::abs(BoundaryX(i) - x);
    if (distance >= best) break;
    index = i;
    best = distance;
  }
  return index;
}

void EditState::ScrollToActive() {
  const int text_width = text_.empty() ? 0 : MeasureText(text_).width;
  if (FitsBetweenMargins(text_width)) {
    scroll_ = 0;
    return;
  }
  const int room = field_.width - 2 * margin_;
  // The caret needs its own pixel column left of the right margin; the text
  // never scrolls further than that past its end.
  const int x = MeasureText(FirstChars(text_, Active())).width;
  if (x < scroll_) scroll_ = x;
  if (x > scroll_ + room - 1) scroll_ = x - room + 1;
  scroll_ = std::clamp(scroll_, 0, text_width - room + 1);
}

void EditState::RecomputeCaretRect() {
  ScrollToActive();
  // An empty field still shows a caret as tall as a line of text.
  const int text_height = MeasureText(text_.empty() ? " " : text_).height;
  const int first = has_selection_ ? selection_start_ : caret_;
  caret_rect_.left = BoundaryX(first);
  caret_rect_.top = (field_.height - text_height) / 2;
  caret_rect_.right =
      has_selection_ ? BoundaryX(selection_end_) : caret_rect_.left + 1;
  caret_rect_.bottom = caret_rect_.top + text_height;
}

void EditState::EraseChars(int from, int to) {
  const size_t begin = ByteOffset(from);
  text_.erase(begin, ByteOffset(to) - begin);
}

bool EditState::DeleteSelection() {
  if (!has_selection_) return false;
  EraseChars(selection_start_, selection_end_);
  caret_ = selection_start_;
  has_selection_ = false;
  RecomputeCaretRect();
  return true;
}

bool EditState::IsTypable(char32_t ch) {
  const bool control = ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
  const bool surrogate = ch >= 0xD800 && ch <= 0xDFFF;
  return !control && !surrogate && ch <= 0x10FFFF;
}

bool EditState::TypeChar(char32_t ch) {
  if (!IsTypable(ch)) return false;
  const bool deleted = DeleteSelection();
  if (Length() >= kMaxLength) return deleted;
  std::string encoded;
  AppendUtf8(ch, &encoded);
  text_.insert(ByteOffset(caret_), encoded);
  if (!SetCaret(caret_ + 1)) RecomputeCaretRect();
  return true;
}

bool EditState::Backspace() {
  if (DeleteSelection()) return true;
  if (caret_ < 1) return false;
  EraseChars(caret_ - 1, caret_);
  if (!SetCaret(caret_ - 1)) RecomputeCaretRect();
  return true;
}

bool EditState::DeleteForward() {
  if (DeleteSelection()) return true;
  if (caret_ >= Length()) return false;
  EraseChars(caret_, caret_ + 1);
  RecomputeCaretRect();
  return true;
}

bool EditState::MoveTo(int position, bool extend) {
  return SetSelection(extend ? Anchor() : position, position);
}

bool EditState::KeyLeft(bool extend) {
  if (has_selection_ && !extend) return MoveTo(selection_start_, false);
  return MoveTo(Active() - 1, extend);
}

bool EditState::KeyRight(bool extend) {
  if (has_selection_ && !extend) return MoveTo(selection_end_, false);
  return MoveTo(Active() + 1, extend);
}

bool EditState::KeyHome(bool extend) { return MoveTo(0, extend); }

bool EditState::KeyEnd(bool extend) { return MoveTo(Length(), extend); }

bool EditState::ReplaceSelection(const std::string& text) {
  const bool deleted = DeleteSelection();
  const std::string inserted =
      FirstChars(text, std::max(kMaxLength - Length(), 0));
  if (inserted.empty()) return deleted;
  text_.insert(ByteOffset(caret_), inserted);
  caret_ += CountChars(inserted);
  RecomputeCaretRect();
  return true;
}

}  // namespace zorvanel
