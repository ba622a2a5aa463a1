// The touch list: rows that scroll with a finger, fling and settle on a row.
#include "controls/dyna_list.h"

#include <glib.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/palette.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

// Room left beside the widest text of a column.
constexpr int kColumnTextMargin = 5;
constexpr int kDefaultItemFontHeight = 13;
constexpr int kDefaultBufferRows = 15;
constexpr const char* kListFace = "Arial";
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

const std::string& EmptyText() {
  static const std::string* const kEmpty = new std::string();
  return *kEmpty;
}

// Insertion place shared by columns and items: before `index`, or at the end
// when index names no element.
template <typename T>
int InsertAt(std::vector<std::unique_ptr<T>>& list, std::unique_ptr<T> element,
             int index) {
  const int count = static_cast<int>(list.size());
  if (index < 0 || index > count - 1) {
    list.push_back(std::move(element));
    return count;
  }
  list.insert(list.begin() + index, std::move(element));
  return index;
}

}  // namespace

// ------------------------------------------------------------------- CItem

CDynaList::CItem::CItem(int sub_item_count)
    : texts_(std::max(sub_item_count, 0)) {}

CDynaList::CItem::~CItem() = default;

const std::string& CDynaList::CItem::GetText(int column) const {
  return HasColumn(column) ? texts_[column] : EmptyText();
}

bool CDynaList::CItem::SetText(int column, const std::string& text) {
  if (!HasColumn(column)) return false;
  texts_[column] = text;
  return true;
}

// --------------------------------------------------------------- CDynaList

CDynaList::CDynaList() = default;

// The canvases go before the images they draw into (member order); the
// columns and items are owned and end with the list.
CDynaList::~CDynaList() = default;

uint32_t CDynaList::Now() { return Shell::Exists() ? Shell::Get().Now() : 0; }

void CDynaList::RequestRepaint() {
  if (Shell::Exists()) Invalidate();
}

void CDynaList::Init(int item_height, int item_font_height, int buffer_rows) {
  item_height_ = std::max(item_height, 1);
  buffer_rows_ = std::max(buffer_rows, 1);

  initialised_ = true;
  const int w = width();
  const int h = height();
  viewport_ = Rect{1, 1, w - 1, h - 1};
  FollowScale();
  if (viewport_.IsEmpty()) viewport_ = Rect{};

  page_canvas_.reset();
  page_.reset();
  EnsurePageSize();

  FontRequest item_request;
  item_request.face = kListFace;
  item_request.weight = 400;
  item_request.height = item_font_height >= 0 ? item_font_height : item_height_;
  item_font_ = std::make_unique<Font>(item_request);
  if (page_canvas_) page_canvas_->SetFont(item_font_.get());

  // Everything inserted so far is measured with the new font at the next
  // redraw.
  measure_all_pending_ = true;
  ContentChanged();
}

void CDynaList::InitSingleColumn(int item_height) {
  Init(item_height, kDefaultItemFontHeight, kDefaultBufferRows);
  item_fill_ = palette::kGround;
  single_column_ = true;
  InsertColumn(std::make_unique<CColumn>(width() - 2), -1);
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
  // The column is as wide as the inside again; the texts widen it where
  // they need.
  if (single_column_ && !columns_.empty()) {
    columns_.front()->width_ = width() - 2;
    RecomputeColumnStarts();
  }
  measure_all_pending_ = true;
  scroller_.Settle();
  ContentChanged();
  scroller_.ScrollTo(Point{0, first_row * item_height_});
  EnsureVisible(selected_);
}

// ----------------------------------------------------------------- columns

int CDynaList::InsertColumn(std::unique_ptr<CColumn> column, int index) {
  if (!column) return -1;
  const int at = InsertAt(columns_, std::move(column), index);
  RecomputeColumnStarts();
  ContentChanged();
  return at;
}

void CDynaList::RecomputeColumnStarts() {
  int start = 0;
  for (auto& column : columns_) {
    column->start_ = start;
    start += column->width_;
  }
  content_.width = start;
  UpdateScrollerGeometry();
}

// ------------------------------------------------------------------- items

int CDynaList::InsertItem(std::unique_ptr<CItem> item, int index) {
  if (!item) return -1;
  // Columns only ever grow, so measuring the newcomer is enough; before
  // Init there is no font to measure with and Init measures them all.
  if (page_canvas_ && FitColumnsTo(*item)) {
    RecomputeColumnStarts();
  }
  const int at = InsertAt(items_, std::move(item), index);
  ContentChanged();
  return at;
}

void CDynaList::DeleteItem(int index) {
  if (GetItem(index) == nullptr) return;
  items_.erase(items_.begin() + index);
  ContentChanged();
}

void CDynaList::DeleteAllItems() {
  items_.clear();
  ContentChanged();
}

bool CDynaList::SwapItems(int a, int b) {
  if (a == b || GetItem(a) == nullptr || GetItem(b) == nullptr) return false;
  std::swap(items_[a], items_[b]);
  ContentChanged();
  return true;
}

CDynaList::CItem* CDynaList::GetItem(int index) const {
  if (index < 0 || index >= item_count()) return nullptr;
  return items_[index].get();
}

bool CDynaList::SelectItem(int index) {
  if (GetItem(index) == nullptr) return false;
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
  std::vector<DynaListScroller::Span> spans;
  spans.reserve(columns_.size());
  for (const auto& column : columns_) {
    spans.push_back({column->start_, column->width_});
  }
  scroller_.SetColumns(std::move(spans));
}

bool CDynaList::FitColumnsTo(const CItem& item) {
  bool grew = false;
  for (int j = 0; j < column_count(); ++j) {
    const std::string& text = item.GetText(j);
    if (text.empty()) continue;
    CColumn& column = *columns_[j];
    const int needed =
        page_canvas_->MeasureText(text, *item_font_).width + kColumnTextMargin;
    if (needed > column.width_) {
      column.width_ = needed;
      grew = true;
    }
  }
  return grew;
}

void CDynaList::FitColumnsToRows(int first, int last) {
  bool grew = false;
  for (int i = first; i < last; ++i) grew |= FitColumnsTo(*items_[i]);
  if (grew) RecomputeColumnStarts();
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

std::string CDynaList::SearchText(int index) const {
  const CItem* item = GetItem(index);
  return item != nullptr ? item->GetText(0) : std::string();
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
  // buffer rows gets two viewports' worth, and content wider than the
  // viewport gets a buffer twice as wide.
  const int bw = content_.width > vw ? 2 * vw : vw;
  const int bh = std::max(buffer_rows_ * item_height_, 2 * vh);
  if (page_ && page_->width() == bw && page_->height() == bh) return;
  page_canvas_.reset();
  page_ = std::make_unique<Image>(bw, bh);
  page_canvas_ = std::make_unique<Canvas>(*page_);
  page_canvas_->SetFont(item_font_.get());
  buffer_valid_ = false;
}

bool CDynaList::BufferCoversViewport() const {
  if (!page_) return false;
  const Point scroll = scroller_.scroll();
  return scroll.x >= buffer_origin_.x && scroll.y >= buffer_origin_.y &&
         buffer_origin_.x + page_->width() >= scroll.x + viewport_.Width() &&
         buffer_origin_.y + page_->height() >= scroll.y + viewport_.Height();
}

void CDynaList::EnsureBuffer() {
  if (viewport_.IsEmpty()) return;
  EnsurePageSize();
  if (buffer_valid_ && BufferCoversViewport()) return;
  RedrawBuffer();
}

void CDynaList::ChooseBufferOrigin() {
  const Point scroll = scroller_.scroll();
  const int vw = viewport_.Width();
  const int vh = viewport_.Height();
  const int bw = page_->width();
  const int bh = page_->height();
  // A buffer that runs ahead of the motion keeps a quarter of its size
  // behind the viewport.
  auto ahead = [](int position, int view, int buffer, double velocity) {
    return velocity > 0 ? position - buffer / 4
                        : position + view - buffer + buffer / 4;
  };
  auto centred = [](int position, int view, int buffer) {
    return position + view / 2 - buffer / 2;
  };
  // The axis not in motion keeps its origin while it still holds the view.
  auto holds = [](int origin, int position, int view, int buffer) {
    return position >= origin && origin + buffer >= position + view;
  };
  Point origin = buffer_origin_;
  if (!scroller_.moving()) {
    origin.x = centred(scroll.x, vw, bw);
    origin.y = centred(scroll.y, vh, bh);
  } else if (scroller_.vertical()) {
    origin.y = ahead(scroll.y, vh, bh, scroller_.velocity());
    if (!holds(origin.x, scroll.x, vw, bw))
      origin.x = centred(scroll.x, vw, bw);
  } else {
    origin.x = ahead(scroll.x, vw, bw, scroller_.velocity());
    if (!holds(origin.y, scroll.y, vh, bh))
      origin.y = centred(scroll.y, vh, bh);
  }
  auto clamp = [](int o, int buffer, int content) {
    if (o < 0) return 0;
    if (o + buffer > content && o > 0) return std::max(0, content - buffer);
    return o;
  };
  buffer_origin_.x = clamp(origin.x, bw, content_.width);
  buffer_origin_.y = clamp(origin.y, bh, content_.height);
}

void CDynaList::RedrawBuffer() {
  if (measure_all_pending_) {
    FitColumnsToRows(0, item_count());
    measure_all_pending_ = false;
  }
  ChooseBufferOrigin();
  // Texts may have been changed in place since their rows were inserted;
  // the rows about to be drawn are measured again.
  const int bh = page_->height();
  const int first = std::max(buffer_origin_.y / item_height_, 0);
  const int last = std::min(
      (buffer_origin_.y + bh + item_height_ - 1) / item_height_, item_count());
  FitColumnsToRows(first, last);

  page_canvas_->FillRect(Rect{0, 0, page_->width(), bh}, item_fill_);
  for (int i = first; i < last; ++i) DrawRowIntoBuffer(i);
  buffer_valid_ = true;
  ++buffer_redraws_;
}

void CDynaList::DrawRowIntoBuffer(int index) {
  if (GetItem(index) == nullptr || !page_canvas_) return;
  const int bw = page_->width();
  const int bh = page_->height();
  const int top = index * item_height_ - buffer_origin_.y;
  const int bottom = top + item_height_;
  if (top >= bh || bottom <= 0) return;
  for (int j = 0; j < column_count(); ++j) {
    const CColumn& column = *columns_[j];
    const Rect cell{column.start_ - buffer_origin_.x, top,
                    column.start_ + column.width_ - buffer_origin_.x, bottom};
    if (cell.left >= bw || cell.right <= 0) continue;
    Canvas::ScopedState state(*page_canvas_);
    DrawCell(*page_canvas_, cell, index, j, index == selected_);
  }
}

// ---------------------------------------------------------------- drawing

void CDynaList::DrawCell(Canvas& canvas, const Rect& cell, int item, int column,
                         bool selected) {
  const CItem& row = *items_[item];
  const Colour fill = selected ? palette::kPlainRowSelected
                               : (item % 2 == 0 ? palette::kPlainRowEven
                                                : palette::kPlainRowOdd);
  canvas.FillRect(cell, fill);
  if (item_font_) {
    const Colour text =
        selected ? palette::kPlainRowSelectedText : palette::kPlainRowText;
    canvas.ClipTo(cell);
    canvas.DrawText(row.GetText(column), cell, kTextLeft | kTextVCentre,
                    *item_font_, text);
  }
}

void CDynaList::CopyBuffersTo(Canvas& canvas) {
  const Point scroll = scroller_.scroll();
  const int vw = viewport_.Width();
  const int vh = viewport_.Height();
  // Drawn last, the rows cover whatever the background left inside.
  canvas.Blit(*page_,
              Rect::FromXYWH(scroll.x - buffer_origin_.x,
                             scroll.y - buffer_origin_.y, vw, vh),
              Point{viewport_.left, viewport_.top});
}

void CDynaList::OnPaint(Canvas& canvas) {
  // Black over the whole control with a grey outline; the rows cover the
  // inside.
  canvas.FillRect(ClientRect(), palette::kGround);
  canvas.FrameRect(ClientRect(), palette::kListFrame, kFrameWidth);
  if (!page_ || viewport_.IsEmpty()) return;
  // One frame of the fling: the position first, then the buffer that must
  // hold it, then the copy. A frame that moved asks for the next one.
  bool another_frame = scroller_.Clamp();
  another_frame |= scroller_.Advance(Now());
  EnsureBuffer();
  CopyBuffersTo(canvas);
  if (another_frame) RequestRepaint();
}

// ------------------------------------------------------------------ driver

void CDynaList::DescribeRow(int index, Description& row) const {
  row.Set("text", items_[index]->GetText(0));
  row.Set("selected", index == selected_);
}

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
  if (GetItem(index) == nullptr || viewport_.IsEmpty()) return;
  const int top = index * item_height_;
  const Point scroll = scroller_.scroll();
  const int y = scroller_.PositionShowing(top, top + item_height_);
  if (y == scroll.y) return;
  scroller_.ScrollTo(Point{scroll.x, y});
  RequestRepaint();
}

std::optional<Point> CDynaList::RevealRow(int index) {
  if (GetItem(index) == nullptr || viewport_.IsEmpty()) return std::nullopt;
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
