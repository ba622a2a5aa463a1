// Tests of the touch list: rows, selection, typed search, reveal, buffer.
#include "controls/row_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialog_test.h"
#include "platform/canvas.h"
#include "platform/palette.h"

namespace zorvanel {
namespace {

constexpr int kItemHeight = 80;

// A list 402 x 502 (a 400 x 500 viewport inside a one-pixel edge) of text
// rows, that hears its own selections.
class TestList : public CRowList<std::string>, private CDynaList::Listener {
 public:
  using CDynaList::OnChar;
  using CDynaList::OnCovered;
  using CDynaList::OnKeyDown;
  using CDynaList::OnPointerDown;
  using CDynaList::OnPointerMove;
  using CDynaList::OnPointerUp;

  TestList() {
    Create(nullptr, 1000, Rect::FromXYWH(0, 0, 402, 502));
    Init(kItemHeight);
    set_listener(this);
  }

  int AddRow(const std::string& text, int index = -1) {
    return InsertRow(text, index);
  }
  void AddRows(int count) {
    for (int i = 0; i < count; ++i) {
      AddRow("Row " + std::to_string(item_count()));
    }
  }
  std::string TextOf(int index) const {
    const std::string* row = RowAt(index);
    return row == nullptr ? "(none)" : *row;
  }

  void Paint(Image& image) {
    Canvas canvas(image);
    OnPaint(canvas);
  }

  void Tap(Point p) {
    OnPointerDown(p);
    OnPointerUp(p);
  }

  int draw_row_calls = 0;
  std::vector<int> selections;

 protected:
  void DrawRow(Canvas& canvas, const Rect& cell, int index,
               Colour text) override {
    ++draw_row_calls;
    canvas.DrawText(TextOf(index), cell, kTextLeft, font_, text);
  }
  std::string SearchText(int index) const override { return TextOf(index); }
  void DescribeRow(int index, Description& row) const override {
    row.Set("text", TextOf(index));
  }

 private:
  void OnListSelectionChanged() override {
    selections.push_back(selected_index());
  }

  Font font_{FontRequest{.height = 13}};
};

class DynaListTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    StartClockShell();
  }
  Image image_{402, 502};
};

TEST_F(DynaListTest, InsertPlacesBeforeTheIndexOrAppends) {
  TestList list;
  list.AddRows(3);
  EXPECT_EQ(list.AddRow("late", 7), 3);
  EXPECT_EQ(list.TextOf(3), "late");
  EXPECT_EQ(list.AddRow("first", 0), 0);
  EXPECT_EQ(list.TextOf(0), "first");
  EXPECT_EQ(list.TextOf(1), "Row 0");
  EXPECT_EQ(list.content_size().height, 5 * kItemHeight);
  EXPECT_FALSE(list.HasRow(5));
  EXPECT_FALSE(list.HasRow(-1));
}

TEST_F(DynaListTest, SwapAndDeleteLeaveTheSelectedIndexWhereItWas) {
  TestList list;
  list.AddRows(4);
  EXPECT_FALSE(list.SelectItem(4));
  EXPECT_FALSE(list.SelectItem(-1));
  EXPECT_FALSE(list.SwapItems(2, 2));
  EXPECT_FALSE(list.SwapItems(1, 4));
  ASSERT_TRUE(list.SelectItem(1));
  EXPECT_TRUE(list.SwapItems(1, 3));
  EXPECT_EQ(list.selected_index(), 1);
  EXPECT_EQ(list.TextOf(1), "Row 3");
  // Selecting the selected row again is reported again.
  EXPECT_TRUE(list.SelectItem(1));
  EXPECT_EQ(list.selections, (std::vector<int>{1, 1}));
  EXPECT_EQ(list.TextOf(3), "Row 1");

  list.DeleteItem(9);
  list.DeleteItem(-1);
  EXPECT_EQ(list.item_count(), 4);
  list.DeleteItem(0);
  EXPECT_EQ(list.item_count(), 3);
  EXPECT_EQ(list.selected_index(), 1);
  EXPECT_EQ(list.TextOf(1), "Row 2");
  list.DeleteAllItems();
  EXPECT_EQ(list.item_count(), 0);
  EXPECT_EQ(list.content_size().height, 0);
}

TEST_F(DynaListTest, TapSelectsTheRowUnderTheFingerAfterScrolling) {
  TestList list;
  list.AddRows(20);
  list.Tap(Point{200, 100});  // (100 - 1) / 80
  EXPECT_EQ(list.selected_index(), 1);
  // Row 10 revealed near the bottom: 11 * 80 - 500 = 380, on to the row
  // boundary at 400.
  list.RevealRow(10);
  EXPECT_EQ(list.scroller().scroll().y, 400);
  list.Tap(Point{200, 100});  // (100 - 1 + 400) / 80
  EXPECT_EQ(list.selected_index(), 6);
  // The edge around the viewport is no row.
  list.Tap(Point{0, 100});
  EXPECT_EQ(list.selected_index(), 6);
  EXPECT_EQ(list.selections, (std::vector<int>{1, 6}));
  // Below the last row there is none.
  list.DeleteAllItems();
  list.AddRows(3);
  list.Tap(Point{200, 300});
  EXPECT_EQ(list.selections, (std::vector<int>{1, 6}));
}

TEST_F(DynaListTest, TypedLettersSelectTheFirstRowWithAWordStartingWithThem) {
  TestList list;
  for (const char* text :
       {"Leica", "Ёлка", "Élan", "Lumo", "Nikon D7500", "Fujifilm X-T4"}) {
    list.AddRow(text);
  }
  list.OnChar(U'l');
  list.OnChar(U'U');
  EXPECT_EQ(list.selected_index(), 3);
  list.OnChar(U'x');  // "lux" starts no word: the selection stays
  EXPECT_EQ(list.selected_index(), 3);
  EXPECT_TRUE(list.OnKeyDown(Key::kBackspace));  // "lu"
  list.OnChar(U'm');
  EXPECT_EQ(list.selected_index(), 3);
  clock_->Advance(1500);  // a pause starts a new search
  EXPECT_FALSE(list.OnKeyDown(Key::kBackspace));
  list.OnChar(U'ё');
  EXPECT_EQ(list.selected_index(), 1);
  clock_->Advance(1500);
  list.OnChar(U'é');
  EXPECT_EQ(list.selected_index(), 2);
  struct Case {
    const char32_t* typed;
    int row;
  };
  for (const Case& c : {Case{U"d7", 4}, Case{U"D750", 4}, Case{U"x-t", 5}}) {
    clock_->Advance(1500);
    for (const char32_t* ch = c.typed; *ch != 0; ++ch) list.OnChar(*ch);
    EXPECT_EQ(list.selected_index(), c.row);
  }
}

TEST_F(DynaListTest, RevealRowScrollsJustEnoughAndAnswersItsCentre) {
  TestList list;
  list.AddRows(20);
  // Rows 1200..1280 need a scroll of 780 in a 500-pixel view; the next row
  // boundary, 800, still shows them.
  const std::optional<Point> centre = list.RevealRow(15);
  ASSERT_TRUE(centre.has_value());
  EXPECT_EQ(list.scroller().scroll().y, 800);
  EXPECT_EQ(*centre, (Point{201, 1 + 1240 - 800}));
  EXPECT_EQ(list.HitTest(*centre), 15);
  // A row above the view comes in at the top.
  EXPECT_EQ(list.RevealRow(2)->y, 1 + 40);
  EXPECT_EQ(list.scroller().scroll().y, 160);
  // A row already in view does not move it.
  list.RevealRow(4);
  EXPECT_EQ(list.scroller().scroll().y, 160);
  EXPECT_FALSE(list.RevealRow(20).has_value());
}

TEST_F(DynaListTest, BufferIsRedrawnOnlyWhenTheViewLeavesItOrContentChanges) {
  TestList list;
  list.AddRows(100);
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 1);
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 1);

  // A new selection redraws its row and the old one in place: 1 + 2 rows.
  list.draw_row_calls = 0;
  list.SelectItem(3);
  list.SelectItem(4);
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 1);
  EXPECT_EQ(list.draw_row_calls, 3);

  // Scrolling inside the 15-row buffer copies from it.
  list.RevealRow(12);
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 1);
  // Leaving it redraws once.
  list.RevealRow(60);
  list.Paint(image_);
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 2);

  list.AddRows(1);
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 3);
  list.SwapItems(0, 1);
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 4);
}

TEST_F(DynaListTest, CoveredListFreesItsBufferAndPaintsTheSameAfterwards) {
  TestList list;
  list.AddRows(40);
  list.RevealRow(20);
  list.SelectItem(21);
  list.Paint(image_);
  list.OnCovered();
  // A selection made while covered still shows.
  list.SelectItem(20);
  list.SelectItem(21);
  Image again(402, 502);
  list.Paint(again);
  EXPECT_EQ(list.buffer_redraw_count(), 2);
  for (int y = 0; y < 502; ++y) {
    for (int x = 0; x < 402; ++x) {
      ASSERT_EQ(again.PixelAt(x, y), image_.PixelAt(x, y)) << x << "," << y;
    }
  }
}

TEST_F(DynaListTest, BufferRedrawDrawsOnlyTheRowsInsideIt) {
  TestList list;
  list.AddRows(10000);
  list.RevealRow(5000);
  list.draw_row_calls = 0;
  list.Paint(image_);
  EXPECT_EQ(list.buffer_redraw_count(), 1);
  // 15 rows of 80 pixels; an origin between two rows touches 16.
  EXPECT_GE(list.draw_row_calls, 15);
  EXPECT_LE(list.draw_row_calls, 16);
}

TEST_F(DynaListTest, RowsAlternateDarkWithTheSelectionLightInAGreyFrame) {
  TestList list;
  list.AddRows(3);
  list.SelectItem(0);
  list.Paint(image_);
  EXPECT_EQ(image_.ColourAt(0, 0), palette::kListFrame);
  EXPECT_EQ(image_.ColourAt(401, 300), palette::kListFrame);
  // Sampled at the right of each row, away from its text.
  EXPECT_EQ(image_.ColourAt(390, 1 + 40), palette::kRowSelected);
  EXPECT_EQ(image_.ColourAt(390, 1 + 120), palette::kRowOdd);
  EXPECT_EQ(image_.ColourAt(390, 1 + 200), palette::kRowEven);
  EXPECT_EQ(image_.ColourAt(390, 1 + 300), palette::kGround);  // no row
  // The selected row's text is drawn in its own colour somewhere on the left.
  bool inked = false;
  for (int x = 2; x < 100 && !inked; ++x) {
    for (int y = 2; y < 80 && !inked; ++y) {
      inked = image_.ColourAt(x, y) == palette::kRowSelectedText;
    }
  }
  EXPECT_TRUE(inked);
}

}  // namespace
}  // namespace zorvanel
