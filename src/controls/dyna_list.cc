// The touch list: rows that scroll with a finger, fling and settle on a row.
#include "controls/dyna_list.h"

#include <glib.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "i18n/font_table.h"
#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/text_fitter.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

// The page buffer holds at least this many rows.
constexpr int kBufferRows = 15;
constexpr int kFrameWidth = 2;
// Letters typed within this time of each other make one search text.
constexpr uint32_t kTypeAheadMs = 1000;

// The text with case differences removed, for comparing.
std::string CaseFolded(const std::string& text) {
  char* folded = g_utf8_casefold(text.data(), static_cast<gssize>(text.size()));
  std::string result = folded != nullptr ? folded : std::string();
  g_free(folded);
  return result;
}

// True when a word of `text` (the text after a blank or its start) starts
// with `wanted`: a model is found without its maker.
bool AnyWordStartsWith(std::string_view text, std::string_view wanted) {
  for (size_t at = 0; at < text.size(); ++at) {
    if ((at == 0 || text[at - 1] == ' ') && text.substr(at).starts_with(wanted))
      return true;
  }
  return false;
}

}  // namespace

CDynaList::CDynaList() = default;

// The canvases go before the images they draw into (member order).
CDynaList::~CDynaList() = default;

uint32_t CDynaList::Now() { return Shell::Exists() ? Shell::Get().Now() : 0; }

void CDynaList::RequestRepaint() {
  if (Shell::Exists()) Invalidate();
}

void CDynaList::Init(int item_height) {
  item_height_ = std::max(item_height, 1);

  initialised_ = true;
  const int w = width();
  const int h = height();
  viewport_ = Rect{1, 1, w - 1, h - 1};
  FollowScale();
  if (viewport_.IsEmpty()) viewport_ = Rect{};
  // The column is as wide as the inside: nothing scrolls sideways.
  content_.width = w - 2;

  // The page buffer is made at the first paint that shows rows.
  page_canvas_.reset();
  page_.reset();
  ContentChanged();
}

void CDynaList::FollowScale() {
  const int scale = Shell::Exists() ? Shell::Get().scale() : 100;
  scroller_.SetTapAllowance(
      std::max(1, Scaled(scale, DynaListScroller::kTapAllowance)));
}

void CDynaList::SetItemHeight(int height) {
  height = std::max(height, 1);
  if (!initialised_) {
    item_height_ = height;
    return;
  }
  if (height != item_height_) FollowSize(height);
}

void CDynaList::OnSize() {
  if (initialised_) FollowSize(item_height_);
}

void CDynaList::FollowSize(int item_height) {
  const int first_row = scroller_.scroll().y / item_height_;
  item_height_ = item_height;
  viewport_ = Rect{1, 1, width() - 1, height() - 1};
  if (viewport_.IsEmpty()) viewport_ = Rect{};
  FollowScale();
  content_.width = width() - 2;
  scroller_.Settle();
  ContentChanged();
  scroller_.ScrollTo(Point{0, first_row * item_height_});
  EnsureVisible(selected_);
}

// ------------------------------------------------------------------- items

void CDynaList::DeleteItem(int index) {
  if (!HasRow(index)) return;
  EraseRow(index);
  ContentChanged();
}

void CDynaList::DeleteAllItems() {
  ClearRows();
  ContentChanged();
}

bool CDynaList::SwapItems(int a, int b) {
  if (a == b || !HasRow(a) || !HasRow(b)) return false;
  SwapRows(a, b);
  ContentChanged();
  return true;
}

bool CDynaList::SelectItem(int index) {
  if (!HasRow(index)) return false;
  const int previous = selected_;
  selected_ = index;
  if (buffer_valid_) {
    DrawRowIntoBuffer(previous);
    DrawRowIntoBuffer(index);
  }
  EnsureVisible(index);
  RequestRepaint();
  if (listener_ != nullptr) listener_->OnListSelectionChanged();
  return true;
}

void CDynaList::ClearSelection() {
  const int previous = selected_;
  if (previous < 0) return;
  selected_ = -1;
  if (buffer_valid_) DrawRowIntoBuffer(previous);
  RequestRepaint();
}

void CDynaList::ContentChanged() {
  buffer_valid_ = false;
  content_.height = item_height_ * item_count();
  UpdateScrollerGeometry();
  RequestRepaint();
}

void CDynaList::UpdateScrollerGeometry() {
  scroller_.SetViewportSize(viewport_.GetSize());
  scroller_.SetContentSize(content_);
  scroller_.SetItemHeight(item_height_);
}

// ------------------------------------------------------------- hit testing

int CDynaList::HitTest(Point p) const {
  if (!viewport_.Contains(p)) return -1;
  const int row = (p.y + scroller_.scroll().y - viewport_.top) / item_height_;
  return row < item_count() ? row : -1;
}

// ---------------------------------------------------------------- pointer

void CDynaList::OnPointerDown(Point p) {
  // The keys act on the list the user last touched.
  SetFocus();
  double_tap_ = false;
  scroller_.Press(p, Now());
}

void CDynaList::OnDoubleTap(Point p) {
  OnPointerDown(p);
  double_tap_ = true;
}

void CDynaList::OnPointerMove(Point p) {
  if (scroller_.Move(p, Now())) RequestRepaint();
}

void CDynaList::OnPointerUp(Point p) {
  const bool double_tap = double_tap_;
  double_tap_ = false;
  if (!scroller_.Release(p, Now())) {
    RequestRepaint();  // the first frame of the fling
    return;
  }
  // The row the finger went down on, which the list is back under.
  const Point press = scroller_.press_point();
  const int row = HitTest(press);
  const int selected_before = selected_;
  OnTap(press);
  // A press that stopped a fling left the list between rows: it rests on
  // the nearest boundary that still shows the row just tapped.
  if (!scroller_.AtRest()) {
    scroller_.Settle();
    EnsureVisible(selected_);
  }
  RequestRepaint();
  // The first tap of the pair selected the row; the second chooses it.
  if (double_tap && row >= 0 && row == selected_ && row == selected_before &&
      listener_ != nullptr) {
    listener_->OnListRowChosen();
  }
}

bool CDynaList::OnWheel(Point /*p*/, int rows) {
  if (scroller_.pressed()) return true;
  scroller_.ScrollRows(rows);
  RequestRepaint();
  return true;
}

std::optional<int> CDynaList::SelectionAfterKey(Key key) const {
  const int last = item_count() - 1;
  const int page = std::max(viewport_.Height() / item_height_, 1);
  // Without a selection every key but End starts at the top.
  const int s = selected_;
  const bool none = s < 0;
  switch (key) {
    case Key::kUp:
      return none ? 0 : std::max(s - 1, 0);
    case Key::kDown:
      return none ? 0 : std::min(s + 1, last);
    case Key::kPageUp:
      return none ? 0 : std::max(s - page, 0);
    case Key::kPageDown:
      return std::min(none ? page - 1 : s + page, last);
    case Key::kHome:
      return 0;
    case Key::kEnd:
      return last;
    default:
      return std::nullopt;
  }
}

bool CDynaList::OnKeyDown(Key key) {
  if (key == Key::kBackspace) return ShortenTypedText();
  if (key == Key::kDelete) {
    if (selected_ < 0) return false;
    if (listener_ != nullptr) listener_->OnListDeleteKey();
    return true;
  }
  const std::optional<int> row = SelectionAfterKey(key);
  if (!row) return false;
  // At either end the selection stays, and its owner hears nothing new.
  if (*row != selected_) SelectItem(*row);
  return true;
}

void CDynaList::OnChar(char32_t ch) {
  if (ch < U' ' || ch == U'\x7f' || !g_unichar_validate(ch)) return;
  if (!TypedTextLive()) typed_.clear();
  char utf8[6];
  typed_.append(utf8, g_unichar_to_utf8(ch, utf8));
  SelectTypedRow();
}

bool CDynaList::TypedTextLive() const {
  return !typed_.empty() && Now() - typed_time_ <= kTypeAheadMs;
}

bool CDynaList::ShortenTypedText() {
  if (!TypedTextLive()) return false;
  const char* end = typed_.data() + typed_.size();
  typed_.resize(g_utf8_find_prev_char(typed_.data(), end) - typed_.data());
  if (!typed_.empty()) SelectTypedRow();
  typed_time_ = Now();
  return true;
}

void CDynaList::SelectTypedRow() {
  typed_time_ = Now();
  const std::string wanted = CaseFolded(typed_);
  for (int i = 0; i < item_count(); ++i) {
    if (AnyWordStartsWith(CaseFolded(SearchText(i)), wanted)) {
      if (i != selected_) SelectItem(i);
      return;
    }
  }
}

void CDynaList::OnCovered() {
  scroller_.Settle();
  double_tap_ = false;
  // The page buffer is two views tall: a covered list does not keep it.
  page_canvas_.reset();
  page_.reset();
  buffer_valid_ = false;
}

void CDynaList::OnTap(Point p) {
  SelectItem(HitTest(p));
  RequestRepaint();
}

// ------------------------------------------------------------ page buffer

void CDynaList::EnsurePageSize() {
  const int vw = viewport_.Width();
  const int vh = viewport_.Height();
  if (vw <= 0 || vh <= 0) return;
  // The buffer must hold the viewport with room to run ahead of a fling
  // (a quarter of the buffer stays behind it): a list taller than its
  // buffer rows gets two viewports' worth.
  const int bh = std::max(kBufferRows * item_height_, 2 * vh);
  if (page_ && page_->width() == vw && page_->height() == bh) return;
  page_canvas_.reset();
  page_ = std::make_unique<Image>(vw, bh);
  page_canvas_ = std::make_unique<Canvas>(*page_);
  buffer_valid_ = false;
}

bool CDynaList::BufferCoversViewport() const {
  if (!page_) return false;
  const int scroll = scroller_.scroll().y;
  return scroll >= buffer_top_ &&
         buffer_top_ + page_->height() >= scroll + viewport_.Height();
}

void CDynaList::EnsureBuffer() {
  if (viewport_.IsEmpty()) return;
  EnsurePageSize();
  if (buffer_valid_ && BufferCoversViewport()) return;
  RedrawBuffer();
}

void CDynaList::ChooseBufferTop() {
  const int scroll = scroller_.scroll().y;
  const int vh = viewport_.Height();
  const int bh = page_->height();
  int top = buffer_top_;
  if (scroller_.moving() && scroller_.vertical()) {
    // A buffer that runs ahead of the motion keeps a quarter of its size
    // behind the viewport.
    top =
        scroller_.velocity() > 0 ? scroll - bh / 4 : scroll + vh - bh + bh / 4;
  } else if (!scroller_.moving() || scroll < top || top + bh < scroll + vh) {
    // Centred on the view; a sideways motion keeps the top while the
    // buffer still holds the view.
    top = scroll + vh / 2 - bh / 2;
  }
  if (top + bh > content_.height && top > 0) {
    top = std::max(0, content_.height - bh);
  }
  buffer_top_ = std::max(top, 0);
}

void CDynaList::RedrawBuffer() {
  ChooseBufferTop();
  const int bh = page_->height();
  const int first = std::max(buffer_top_ / item_height_, 0);
  const int last = std::min(
      (buffer_top_ + bh + item_height_ - 1) / item_height_, item_count());
  page_canvas_->FillRect(Rect{0, 0, page_->width(), bh}, palette::kGround);
  for (int i = first; i < last; ++i) DrawRowIntoBuffer(i);
  buffer_valid_ = true;
  ++buffer_redraws_;
}

void CDynaList::DrawRowIntoBuffer(int index) {
  if (!HasRow(index) || !page_canvas_) return;
  const int top = index * item_height_ - buffer_top_;
  const int bottom = top + item_height_;
  if (top >= page_->height() || bottom <= 0) return;
  const Rect cell{0, top, page_->width(), bottom};
  Canvas::ScopedState state(*page_canvas_);
  // Light text on alternating black and near-black rows; the selected row
  // inverted.
  const bool selected = index == selected_;
  Colour fill = index % 2 == 0 ? palette::kRowEven : palette::kRowOdd;
  if (selected) fill = palette::kRowSelected;
  page_canvas_->FillRect(cell, fill);
  DrawRow(*page_canvas_, cell, index,
          selected ? palette::kRowSelectedText : palette::kRowText);
}

// ---------------------------------------------------------------- drawing

void CDynaList::CopyBuffersTo(Canvas& canvas) {
  // Drawn last, the rows cover whatever the background left inside.
  canvas.Blit(*page_,
              Rect::FromXYWH(0, scroller_.scroll().y - buffer_top_,
                             viewport_.Width(), viewport_.Height()),
              Point{viewport_.left, viewport_.top});
}

void CDynaList::OnPaint(Canvas& canvas) {
  // Black over the whole control with a grey outline; the rows cover the
  // inside.
  canvas.FillRect(ClientRect(), palette::kGround);
  canvas.FrameRect(ClientRect(), palette::kListFrame, kFrameWidth);
  if (item_count() == 0) {
    PaintEmptyHint(canvas);
  } else {
    PaintRows(canvas);
  }
  // Over the rows' edges: the list the keys act on.
  if (HasFocus()) {
    canvas.FrameRect(ClientRect(), palette::kFocus,
                     palette::FocusFrameWidth(Shell::Get().scale()));
  }
}

void CDynaList::PaintRows(Canvas& canvas) {
  if (viewport_.IsEmpty()) return;
  // One frame of the fling: the position first, then the buffer that must
  // hold it, then the copy. A frame that moved asks for the next one.
  bool another_frame = scroller_.Clamp();
  another_frame |= scroller_.Advance(Now());
  EnsureBuffer();
  CopyBuffersTo(canvas);
  if (another_frame) RequestRepaint();
}

void CDynaList::PaintEmptyHint(Canvas& canvas) {
  const Font* font = GetFontTable().GetFont("Italic");
  if (empty_hint_.empty() || font == nullptr) return;
  const std::string text =
      WrapToWidth(canvas, empty_hint_, *font, viewport_.Width());
  const int height = canvas.MeasureText(text, *font).height;
  const Rect place = Rect::FromXYWH(viewport_.left, viewport_.top,
                                    viewport_.Width(), height + item_height_ / 2);
  canvas.DrawText(text, place, kTextCentre | kTextVCentre, *font,
                  palette::kText);
}

// ------------------------------------------------------------------ driver

void CDynaList::AddToDump(Description& dump) const {
  std::vector<Description> rows(item_count());
  for (int i = 0; i < item_count(); ++i) DescribeRow(i, rows[i]);
  dump.Set("rows", std::move(rows));
}

void CDynaList::Describe(Description& out) const {
  Window::Describe(out);
  out.Set("scroll",
          std::vector<int>{scroller_.scroll().x, scroller_.scroll().y});
  out.Set("selected", selected_);
}

void CDynaList::EnsureVisible(int index) {
  if (!HasRow(index) || viewport_.IsEmpty()) return;
  const int top = index * item_height_;
  const Point scroll = scroller_.scroll();
  const int y = scroller_.PositionShowing(top, top + item_height_);
  if (y == scroll.y) return;
  scroller_.ScrollTo(Point{scroll.x, y});
  RequestRepaint();
}

std::optional<Point> CDynaList::RevealRow(int index) {
  if (!HasRow(index) || viewport_.IsEmpty()) return std::nullopt;
  const int vh = viewport_.Height();
  const int top = index * item_height_;
  const int bottom = top + item_height_;
  EnsureVisible(index);
  const Point scroll = scroller_.scroll();
  // The centre of the row's visible part, so a tap there hits the row.
  const int visible_top = std::max(top, scroll.y);
  const int visible_bottom = std::min(bottom, scroll.y + vh);
  const int y = viewport_.top + (visible_top + visible_bottom) / 2 - scroll.y;
  const int x = viewport_.left + viewport_.Width() / 2;
  return Point{x, y};
}

}  // namespace zorvanel
