#include "controls/edit_state.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvanel {
namespace {

// A monospaced stand-in for the field font: 10 pixels a character, lines 20
// pixels tall, in a field of 200 x 54.
constexpr int kCharWidth = 10;
constexpr int kLineHeight = 20;
constexpr Size kField{200, 54};

Size FakeMeasure(const std::string& text) {
  int chars = 0;
  for (char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return Size{chars * kCharWidth, kLineHeight};
}

EditState MakeState(const std::string& text) {
  EditState state(FakeMeasure);
  state.SetFieldSize(kField);
  state.set_text(text);
  return state;
}

TEST(EditStateSelection, EndsAreOrderedAndClamped) {
  EditState state = MakeState("abc");
  EXPECT_TRUE(state.SetSelection(5, 2));
  EXPECT_TRUE(state.has_selection());
  EXPECT_EQ(state.selection_start(), 2);
  EXPECT_EQ(state.selection_end(), 3);

  EXPECT_TRUE(state.SetSelection(-4, -1));
  EXPECT_FALSE(state.has_selection());
  EXPECT_EQ(state.caret(), 0);
}

TEST(EditStateSelection, ReportsOnlyRealChanges) {
  EditState state = MakeState("abcd");
  EXPECT_FALSE(state.SetSelection(0, 0));  // caret already at 0
  EXPECT_TRUE(state.SetSelection(1, 3));
  EXPECT_FALSE(state.SetSelection(3, 1));  // the same selection
  EXPECT_TRUE(state.SetSelection(2, 2));   // drops it
  EXPECT_FALSE(state.has_selection());
  EXPECT_EQ(state.caret(), 2);
}

TEST(EditStateSelection, SetCaretClampsAndLeavesTheSelection) {
  EditState state = MakeState("abcd");
  state.SetSelection(1, 3);
  EXPECT_TRUE(state.SetCaret(99));
  EXPECT_EQ(state.caret(), 4);
  EXPECT_TRUE(state.has_selection());
  EXPECT_FALSE(state.SetCaret(4));
  int start = -1;
  int end = -1;
  state.GetSelection(&start, &end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 3);
}

TEST(EditStateCaret, EmptyFieldShowsACentredLineTallCaret) {
  EditState state = MakeState("");
  // Left at the middle of 200; (54 - 20) / 2 = 17.
  EXPECT_EQ(state.caret_rect(), (Rect{100, 17, 101, 37}));
}

TEST(EditStateCaret, SelectionBlockRunsBetweenItsBoundaries) {
  EditState state = MakeState("abcd");  // 40 wide, starting at 80
  state.SetSelection(1, 3);
  EXPECT_EQ(state.caret_rect(), (Rect{90, 17, 110, 37}));
}

TEST(EditStateCaret, LeftAndRightCollapseTheSelection) {
  EditState state = MakeState("abcd");
  state.SetSelection(1, 3);
  EXPECT_TRUE(state.KeyLeft());
  EXPECT_FALSE(state.has_selection());
  EXPECT_EQ(state.caret(), 1);
  EXPECT_EQ(state.caret_rect(), (Rect{90, 17, 91, 37}));

  state.SetSelection(1, 3);
  EXPECT_TRUE(state.KeyRight());
  EXPECT_EQ(state.caret(), 3);
  EXPECT_EQ(state.caret_rect(), (Rect{110, 17, 111, 37}));

  // Without a selection neither key moves the caret.
  EXPECT_FALSE(state.KeyLeft());
  EXPECT_FALSE(state.KeyRight());
  EXPECT_EQ(state.caret(), 3);
}

TEST(EditStateCaret, IndexAtPicksTheNearestBoundaryLowerOnATie) {
  EditState state = MakeState("abcd");  // boundaries at 80 90 100 110 120
  EXPECT_EQ(state.CaretIndexAt(0), 0);
  EXPECT_EQ(state.CaretIndexAt(94), 1);
  EXPECT_EQ(state.CaretIndexAt(95), 1);
  EXPECT_EQ(state.CaretIndexAt(96), 2);
  EXPECT_EQ(state.CaretIndexAt(199), 4);
  EXPECT_EQ(MakeState("").CaretIndexAt(150), 0);
}

TEST(EditStateCaret, IndexAtReachesTheEndOfATextWiderThanTheField) {
  // 30 characters = 300 pixels in a 200-pixel field: the text starts at -50
  // and its boundary 21 lies at 160.
  EditState state = MakeState(std::string(30, 'x'));
  EXPECT_EQ(state.CaretIndexAt(160), 21);
  EXPECT_EQ(state.CaretIndexAt(250), 30);
}

TEST(EditStateTyping, OnlyPrintableAsciiIsTyped) {
  EditState state = MakeState("ab");
  state.SetCaret(2);
  EXPECT_FALSE(state.TypeChar(U'\u00e9'));  // an accented letter
  EXPECT_FALSE(state.TypeChar(0x1F));
  EXPECT_FALSE(state.TypeChar(0x7F));
  EXPECT_EQ(state.text(), "ab");
  EXPECT_TRUE(state.TypeChar('~'));
  EXPECT_TRUE(state.TypeChar(' '));
  EXPECT_EQ(state.text(), "ab~ ");
  EXPECT_EQ(state.caret(), 4);
}

TEST(EditStateTyping, ALetterReplacesTheWholeSelection) {
  EditState state = MakeState("12.5");
  state.SelectAll();
  EXPECT_TRUE(state.TypeChar('7'));
  EXPECT_EQ(state.text(), "7");
  EXPECT_EQ(state.caret(), 1);
  EXPECT_FALSE(state.has_selection());
}

TEST(EditStateTyping, InsertsAtTheCaret) {
  EditState state = MakeState("ac");
  state.SetCaret(1);
  state.TypeChar('b');
  EXPECT_EQ(state.text(), "abc");
  EXPECT_EQ(state.caret(), 2);
}

TEST(EditStateDeleting, BackspaceRemovesBeforeTheCaretOrTheSelection) {
  EditState state = MakeState("abcd");
  EXPECT_FALSE(state.Backspace());  // caret at 0, nothing selected
  EXPECT_EQ(state.text(), "abcd");

  state.SetCaret(2);
  EXPECT_TRUE(state.Backspace());
  EXPECT_EQ(state.text(), "acd");
  EXPECT_EQ(state.caret(), 1);

  state.SetSelection(1, 3);
  EXPECT_TRUE(state.Backspace());
  EXPECT_EQ(state.text(), "a");
  EXPECT_EQ(state.caret(), 1);
}

TEST(EditStateDeleting, DeleteRemovesAfterTheCaretOrTheSelection) {
  EditState state = MakeState("abcd");
  state.SetCaret(1);
  EXPECT_TRUE(state.DeleteForward());
  EXPECT_EQ(state.text(), "acd");
  EXPECT_EQ(state.caret(), 1);

  state.SetSelection(0, 2);
  EXPECT_TRUE(state.DeleteForward());
  EXPECT_EQ(state.text(), "d");
  EXPECT_EQ(state.caret(), 0);

  state.SetCaret(1);
  EXPECT_FALSE(state.DeleteForward());  // at the end
}

TEST(EditStateDeleting, MultiByteCharactersGoWhole) {
  // "é" is two bytes; positions count characters, so nothing is cut in half.
  EditState state = MakeState("a\u00e9b");
  EXPECT_EQ(state.Length(), 3);
  state.SetCaret(2);
  EXPECT_TRUE(state.Backspace());
  EXPECT_EQ(state.text(), "ab");
  state.set_text("\u00e9\u00e9");
  state.SetCaret(0);
  EXPECT_TRUE(state.DeleteForward());
  EXPECT_EQ(state.text(), "\u00e9");
}

TEST(EditStateReplace, InsertsAndMovesTheCaretAfterTheText) {
  EditState state = MakeState("a-d");
  state.SetSelection(1, 2);
  EXPECT_TRUE(state.ReplaceSelection("bc"));
  EXPECT_EQ(state.text(), "abcd");
  EXPECT_EQ(state.caret(), 3);
  EXPECT_FALSE(state.has_selection());
}

TEST(EditStateLimits, TextStopsGrowingAtTheLimit) {
  EditState state = MakeState(std::string(EditState::kMaxLength - 2, 'x'));
  state.SetCaret(state.Length());
  EXPECT_TRUE(state.ReplaceSelection("12345"));
  EXPECT_EQ(state.Length(), EditState::kMaxLength);
  EXPECT_EQ(state.text().substr(state.text().size() - 2), "12");
  EXPECT_FALSE(state.TypeChar('y'));
  EXPECT_EQ(state.Length(), EditState::kMaxLength);
  // Typing over a selection still works at the limit.
  state.SetSelection(0, 1);
  EXPECT_TRUE(state.TypeChar('y'));
  EXPECT_EQ(state.text()[0], 'y');
}

TEST(EditStateText, ANewTextKeepsTheCaretInside) {
  EditState state = MakeState("abcdef");
  state.SetSelection(2, 6);
  state.set_text("ab");
  EXPECT_FALSE(state.has_selection());
  EXPECT_LE(state.caret(), 2);
  EXPECT_TRUE(state.TypeChar('c'));  // no out-of-range insert
  EXPECT_EQ(state.text().size(), 3u);
}

}  // namespace
}  // namespace zorvanel
