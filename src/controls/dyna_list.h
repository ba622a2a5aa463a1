// The touch list: rows that scroll with a finger, fling and settle on a row.
#ifndef ZORVANEL_CONTROLS_DYNA_LIST_H_
#define ZORVANEL_CONTROLS_DYNA_LIST_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/dyna_list_scroller.h"
#include "platform/canvas.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/window.h"

namespace zorvanel {

// The touch list: one column of rows that scroll when dragged, keep going
// with inertia, settle on a row boundary and select the row that is tapped.
// A subclass keeps the rows (CRowList keeps them in a vector) and draws
// their content; the list draws the grey frame, the alternating row fills and the selection, and
// tells its listener about a new selection, a chosen row and the Delete key.
//
// Rows are drawn into a page buffer a few screens tall, and each paint only
// copies the visible part of it; the buffer is redrawn when the view leaves
// it or the content changes. Only the rows inside the buffer are drawn, so
// opening or scrolling a list costs what its visible rows cost, whatever
// their number. The fling runs as a chain of repaints on the shell's clock.
class CDynaList : public Window {
 public:
  // What a list tells the dialog it serves.
  class Listener {
   public:
    // After every successful SelectItem.
    virtual void OnListSelectionChanged() = 0;
    // The selected row was double tapped: the user chose it.
    virtual void OnListRowChosen() {}
    // Delete was pressed on the selected row: remove it, as the dialog's
    // remove button would.
    virtual void OnListDeleteKey() {}

   protected:
    ~Listener() = default;
  };

  CDynaList();
  ~CDynaList() override;

  // One line of what to do, shown while the list has no row.
  void set_empty_hint(const std::string& hint) { empty_hint_ = hint; }

  std::string Kind() const override { return "list"; }
  // Tab and the arrow keys its own keys leave alone stop at the list.
  bool TakesTabFocus() const override { return true; }

  // Sets up the buffers for the window's current size: the column is as
  // wide as the list's inside.
  void Init(int item_height);
  // Rows `height` pixels high from now on (the screen's scale changed). The
  // rows at the top of the view stay there, and the selected row in view.
  void SetItemHeight(int height);
  // Who hears of selections, chosen rows and the Delete key (nobody until
  // set).
  void set_listener(Listener* listener) { listener_ = listener; }

  // Nothing happens for an index without a row. The selected index is left
  // as it is.
  void DeleteItem(int index);
  void DeleteAllItems();
  // False when a == b or either row is missing. The selected index stays on
  // its position, which now shows the other item.
  bool SwapItems(int a, int b);
  // False when index is outside [0, count).
  bool HasRow(int index) const { return index >= 0 && index < item_count(); }
  // False when the index has no row. Selecting the selected row again still
  // reports the change.
  bool SelectItem(int index);
  // Leaves no row selected, without telling the listener: the owner brings
  // what depends on the selection up to date itself.
  void ClearSelection();

  int selected_index() const { return selected_; }
  int item_count() const { return RowCount(); }
  int item_height() const { return item_height_; }
  const Rect& viewport() const { return viewport_; }
  Size content_size() const { return content_; }

  // Row under a client point, or -1 outside the viewport or below the rows.
  int HitTest(Point p) const;

  // The touch state: position, velocity, snapping.
  const DynaListScroller& scroller() const { return scroller_; }
  // How many times the page buffer was redrawn in full.
  int buffer_redraw_count() const { return buffer_redraws_; }

  // Adds "scroll": [x, y], the content position at the view's top-left,
  // and "selected", the selected index.
  void Describe(Description& out) const override;
  // Adds "rows" (one entry per row, see DescribeRow) to the dump.
  void AddToDump(Description& dump) const override;
  // Scrolls row `index` into view without any fling and returns the centre
  // of its visible part in client coordinates.
  std::optional<Point> RevealRow(int index) override;
  // Scrolls the least distance that shows row `index` whole, stopping on a
  // row boundary where the view allows; nothing moves when it is in view.
  void EnsureVisible(int index);

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnPointerDown(Point p) override;
  void OnPointerMove(Point p) override;
  void OnPointerUp(Point p) override;
  // A double tap on the selected row chooses it.
  void OnDoubleTap(Point p) override;
  // One row per notch, from row boundary to row boundary.
  bool OnWheel(Point p, int rows) override;
  // Up and Down move the selection by a row, PageUp and PageDown by what
  // the view shows, Home and End to the first and the last row; Backspace
  // shortens the typed letters, Delete asks the listener to remove the
  // selected row.
  bool OnKeyDown(Key key) override;
  // Letters typed in quick succession select the first row in which a word
  // starts with them, whatever their case; Backspace shortens them.
  void OnChar(char32_t ch) override;
  // A fling stops on a rest position: nothing of it is seen until the list
  // shows again, and the page buffer is freed until then.
  void OnCovered() override;
  // The buffers and the view follow the new size, as SetItemHeight does.
  void OnSize() override;
  // The focus frame comes and goes.
  void OnFocus() override { RequestRepaint(); }
  void OnBlur() override { RequestRepaint(); }

  // Draws the content of row `index` over its fill, in `text` colour. The
  // canvas state is restored after each row.
  virtual void DrawRow(Canvas& canvas, const Rect& cell, int index,
                       Colour text) = 0;
  // A tap: selects the row under the point and repaints.
  virtual void OnTap(Point p);
  // The text that typed letters are matched against.
  virtual std::string SearchText(int index) const = 0;
  // One row of the dump.
  virtual void DescribeRow(int index, Description& row) const = 0;

  // The rows' content or number changed: the page buffer is redrawn at the
  // next paint. The subclass calls it after inserting a row.
  void ContentChanged();

  // The subclass's rows. The list checks the indices it passes.
  virtual int RowCount() const = 0;
  virtual void EraseRow(int index) = 0;
  virtual void SwapRows(int a, int b) = 0;
  virtual void ClearRows() = 0;

 private:
  // The view, the column and the rows follow the list's size and a row
  // height, once Init has run.
  void FollowSize(int item_height);
  void FollowScale();
  void UpdateScrollerGeometry();

  bool BufferCoversViewport() const;
  void EnsureBuffer();
  void EnsurePageSize();
  // Where the buffer starts in the content: around the view, or ahead of
  // a fling.
  void ChooseBufferTop();
  void RedrawBuffer();
  void DrawRowIntoBuffer(int index);
  void CopyBuffersTo(Canvas& canvas);
  // The rows, one frame of a running fling.
  void PaintRows(Canvas& canvas);
  void PaintEmptyHint(Canvas& canvas);
  void RequestRepaint();
  static uint32_t Now();
  // The selection after a movement key (-1 in an empty list); nothing for
  // another key.
  std::optional<int> SelectionAfterKey(Key key) const;

  Listener* listener_ = nullptr;

  std::unique_ptr<Image> page_;
  // Declared after the image it draws into, so it ends first.
  std::unique_ptr<Canvas> page_canvas_;

  bool buffer_valid_ = false;
  // The content row of pixels at the buffer's top.
  int buffer_top_ = 0;
  Rect viewport_;
  Size content_;
  int item_height_ = 50;
  std::string empty_hint_;
  bool initialised_ = false;  // Init has run
  int selected_ = -1;
  DynaListScroller scroller_;
  int buffer_redraws_ = 0;
  // The current press is the second of a double tap.
  bool double_tap_ = false;
  // Whether letters typed within the last second still extend typed_.
  bool TypedTextLive() const;
  // Backspace: drops the last typed letter and searches again; false when
  // no typed letters are live.
  bool ShortenTypedText();
  // Selects the first row matching typed_.
  void SelectTypedRow();

  // Letters typed so far, and when the last one came.
  std::string typed_;
  uint32_t typed_time_ = 0;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_DYNA_LIST_H_
