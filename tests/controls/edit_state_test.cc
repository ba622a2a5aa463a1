// Tests of the text field's editing rules: selection, caret, typing, deleting.
#include "controls/edit_state.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvanel {
namespace {

// A monospaced stand-in for the field font: 10 pixels a character, lines 20
// pixels tall, in a field of 200 x 54. A text of n characters then starts
// at (200 - 10n) / 2 and the caret's top is (54 - 20) / 2 = 17.
Size FakeMeasure(const std::string& text) {
  int chars = 0;
  for (char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return Size{chars * 10, 20};
}

EditState MakeState(const std::string& text) {
  EditState state(FakeMeasure);
  state.SetFieldSize(Size{200, 54});
  state.set_text(text);
  return state;
}

TEST(EditStateSelection, EndsAreOrderedAndClamped) {
  EditState state = MakeState("abc");
  EXPECT_TRUE(state.SetSelection(5, 2));
  EXPECT_EQ(state.selection_start(), 2);
  EXPECT_EQ(state.selection_end(), 3);
  EXPECT_FALSE(state.SetSelection(3, 2));  // the same selection
  EXPECT_TRUE(state.SetSelection(-4, -1));
  EXPECT_FALSE(state.has_selection());
  EXPECT_EQ(state.caret(), 0);
  EXPECT_FALSE(state.SetSelection(0, 0));  // caret already there
}

TEST(EditStateSelection, SetCaretClampsAndLeavesTheSelection) {
  EditState state = MakeState("abcd");
  state.SetSelection(1, 3);
  EXPECT_TRUE(state.SetCaret(99));
  EXPECT_EQ(state.caret(), 4);
  EXPECT_FALSE(state.SetCaret(4));
  int start = -1;
  int end = -1;
  state.GetSelection(&start, &end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 3);
}

TEST(EditStateCaret, RectanglesOfCaretAndSelection) {
  EXPECT_EQ(MakeState("").caret_rect(), (Rect{100, 17, 101, 37}));
  EditState state = MakeState("abcd");  // boundaries at 80 90 100 110 120
  state.SetSelection(1, 3);
  EXPECT_EQ(state.caret_rect(), (Rect{90, 17, 110, 37}));
  // Left and Right drop the selection at its start or end.
  EXPECT_TRUE(state.KeyLeft());
  EXPECT_EQ(state.caret(), 1);
  EXPECT_EQ(state.caret_rect(), (Rect{90, 17, 91, 37}));
  state.SetSelection(1, 3);
  EXPECT_TRUE(state.KeyRight());
  EXPECT_EQ(state.caret_rect(), (Rect{110, 17, 111, 37}));
}

TEST(EditStateCaret, ShiftMovesOnlyTheSelectionsMovingEnd) {
  EditState state = MakeState("abcd");
  EXPECT_FALSE(state.KeyLeft());  // nowhere to go
  state.SetCaret(2);
  state.KeyEnd(true);
  state.KeyHome(true);  // across the end that stays
  int start = -1;
  int end = -1;
  state.GetSelection(&start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 2);
  state.KeyRight(true);
  state.KeyRight(true);  // back where it began: no selection
  EXPECT_FALSE(state.has_selection());
  EXPECT_EQ(state.caret(), 2);
  // After select-all, Shift+Left gives up the last character.
  state.SelectAll();
  state.KeyLeft(true);
  state.GetSelection(&start, &end);
  EXPECT_EQ(end, 3);
}

TEST(EditStateCaret, IndexAtPicksTheNearestBoundaryLowerOnATie) {
  EditState state = MakeState("abcd");  // boundaries at 80 90 100 110 120
  EXPECT_EQ(state.CaretIndexAt(0), 0);
  EXPECT_EQ(state.CaretIndexAt(95), 1);
  EXPECT_EQ(state.CaretIndexAt(96), 2);
  EXPECT_EQ(state.CaretIndexAt(199), 4);
  EXPECT_EQ(MakeState("").CaretIndexAt(150), 0);
}

TEST(EditStateCaret, ALongTextScrollsToKeepTheCaretBetweenTheMargins) {
  // 30 characters (300 pixels) in a 200-pixel field with 5-pixel margins.
  EditState state(FakeMeasure);
  state.SetFieldSize(Size{200, 54}, 5);
  state.set_text(std::string(30, 'x'));
  // At the end the caret takes the last column inside the right margin, and
  // a tap finds the boundaries where they are shown.
  state.KeyEnd();
  EXPECT_EQ(state.caret_rect().left, 194);
  EXPECT_EQ(state.CaretIndexAt(184), 29);
  // Going back scrolls only as far as the caret needs.
  for (int i = 0; i < 20; ++i) state.KeyLeft();
  EXPECT_EQ(state.caret_rect().left, 5);
  // A text that fits again is centred.
  state.set_text("abcd");
  EXPECT_EQ(state.TextLeft(), 80);
}

TEST(EditStateTyping, AnyPrintableCharacterIsTypedOverTheSelection) {
  EditState state = MakeState("12.5");
  state.SelectAll();
  for (char32_t ch : {char32_t{0x1F}, char32_t{0x7F}, char32_t{0x85},
                      char32_t{0xD800}, char32_t{0x110000}}) {
    EXPECT_FALSE(state.TypeChar(ch)) << static_cast<int>(ch);
  }
  EXPECT_EQ(state.text(), "12.5");
  EXPECT_TRUE(state.TypeChar('7'));
  EXPECT_EQ(state.text(), "7");
  EXPECT_EQ(state.caret(), 1);
  state.SetCaret(0);
  for (char32_t ch : std::u32string(U"Éж€")) state.TypeChar(ch);
  EXPECT_EQ(state.text(), "\u00c9\u0436\u20ac7");
  EXPECT_EQ(state.caret(), 3);
  EXPECT_EQ(state.Length(), 4);
}

TEST(EditStateDeleting, BackspaceAndDelete) {
  EditState state = MakeState("abcdef");
  EXPECT_FALSE(state.Backspace());  // caret at 0, nothing selected
  state.SetCaret(2);
  EXPECT_TRUE(state.Backspace());
  EXPECT_EQ(state.text(), "acdef");
  EXPECT_EQ(state.caret(), 1);
  EXPECT_TRUE(state.DeleteForward());
  EXPECT_EQ(state.text(), "adef");
  EXPECT_EQ(state.caret(), 1);
  state.SetSelection(1, 3);
  EXPECT_TRUE(state.Backspace());
  EXPECT_EQ(state.text(), "af");
  state.SetSelection(0, 1);
  EXPECT_TRUE(state.DeleteForward());
  EXPECT_EQ(state.text(), "f");
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
}

TEST(EditStateReplace, InsertsUpToTheLengthLimit) {
  EditState state = MakeState("a-d");
  state.SetSelection(1, 2);
  EXPECT_TRUE(state.ReplaceSelection("bc"));
  EXPECT_EQ(state.text(), "abcd");
  EXPECT_EQ(state.caret(), 3);

  state.set_text(std::string(EditState::kMaxLength - 2, 'x'));
  state.SetCaret(state.Length());
  EXPECT_TRUE(state.ReplaceSelection("12345"));
  EXPECT_EQ(state.Length(), EditState::kMaxLength);
  EXPECT_EQ(state.text().substr(state.text().size() - 2), "12");
  EXPECT_FALSE(state.TypeChar('y'));
  state.SetSelection(0, 1);  // typing over a selection still works
  EXPECT_TRUE(state.TypeChar('y'));
  EXPECT_EQ(state.text()[0], 'y');
}

TEST(EditStateText, ANewTextKeepsTheCaretInside) {
  EditState state = MakeState("abcdef");
  state.SetSelection(2, 6);
  state.set_text("ab");
  EXPECT_FALSE(state.has_selection());
  EXPECT_TRUE(state.TypeChar('c'));
  EXPECT_EQ(state.text().size(), 3u);
}

}  // namespace
}  // namespace zorvanel
