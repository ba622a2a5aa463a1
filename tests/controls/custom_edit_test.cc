// Tests of the text field: focus, selection, typing, caret and scrolling.
#include "controls/custom_edit.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "dialog_test.h"
#include "platform/canvas.h"
#include "skins/bitmap_background.h"

namespace zorvanel {
namespace {

Colour Inverted(Colour c) { return Rgb(255 - c.r, 255 - c.g, 255 - c.b); }

class TestEdit : public CCustomEdit {
 public:
  using CCustomEdit::OnChar;
  using CCustomEdit::OnDoubleTap;
  using CCustomEdit::OnKeyDown;
  using CCustomEdit::OnPaint;
  using CCustomEdit::OnPointerDown;
  using CCustomEdit::OnPointerMove;
  using CCustomEdit::OnPointerUp;
};

constexpr int kWidth = 200;
constexpr int kHeight = 54;

class CustomEditTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    parent_.Create(nullptr, 0, Rect{0, 0, 480, 588});
    edit_.Create(&parent_, 1001, Rect::FromXYWH(20, 20, kWidth, kHeight));
  }
  void Tap(int x) {
    edit_.OnPointerDown({x, 27});
    edit_.OnPointerUp({x, 27});
  }
  std::unique_ptr<Image> Render() {
    auto image = std::make_unique<Image>(kWidth, kHeight);
    Canvas canvas(*image);
    edit_.OnPaint(canvas);
    return image;
  }

  Window parent_;
  TestEdit edit_;
};

TEST_F(CustomEditTest, FocusSelectsAllAndShowsTheKeyboard) {
  edit_.set_text("abcd");
  Tap(199);
  EXPECT_TRUE(edit_.HasFocus());
  EXPECT_TRUE(edit_.has_selection());
  int start = -1;
  int end = -1;
  edit_.GetSelection(&start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 4);

  Tap(199);  // right of the text: the end
  EXPECT_FALSE(edit_.has_selection());
  EXPECT_EQ(edit_.caret(), 4);
  Tap(0);  // left of the text: the start
  EXPECT_EQ(edit_.caret(), 0);
  EXPECT_TRUE(shell_->keyboard_shown());
  shell_->SetFocus(nullptr);
  EXPECT_FALSE(shell_->keyboard_shown());
  EXPECT_FALSE(edit_.focused());
}

TEST_F(CustomEditTest, DragsOfMoreThanTenPixelsAndDoubleTapsSelect) {
  edit_.set_text("abcd");
  Tap(100);  // takes the focus
  edit_.OnPointerDown({0, 27});
  edit_.OnPointerMove({10, 27});
  EXPECT_FALSE(edit_.has_selection());
  edit_.OnPointerMove({199, 27});
  edit_.OnPointerUp({199, 27});
  int start = -1;
  int end = -1;
  edit_.GetSelection(&start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 4);

  edit_.OnPointerDown({199, 27});
  edit_.OnPointerMove({189, 27});  // exactly ten back
  EXPECT_FALSE(edit_.has_selection());
  edit_.OnPointerMove({188, 27});  // eleven: still the last boundary
  EXPECT_FALSE(edit_.has_selection());
  edit_.OnPointerMove({0, 27});
  EXPECT_TRUE(edit_.has_selection());
  edit_.OnPointerUp({0, 27});

  Tap(199);
  EXPECT_FALSE(edit_.has_selection());
  edit_.OnDoubleTap({199, 27});  // selects everything
  EXPECT_TRUE(edit_.has_selection());
}

TEST_F(CustomEditTest, TypingAndKeys) {
  edit_.set_text("12.5");
  Tap(100);  // everything selected
  edit_.OnChar(U'3');
  edit_.OnChar(U'\u00e9');
  edit_.OnChar(U'7');
  edit_.OnChar(U'\x01');  // not typed
  EXPECT_EQ(edit_.text(), "3\u00e97");
  edit_.OnChar(8);  // backspace as a character
  EXPECT_EQ(edit_.text(), "3\u00e9");
  EXPECT_TRUE(edit_.OnKeyDown(Key::kBackspace));  // the whole character
  EXPECT_EQ(edit_.text(), "3");
  edit_.SetCaret(0);
  EXPECT_TRUE(edit_.OnKeyDown(Key::kDelete));
  EXPECT_EQ(edit_.text(), "");
  // Left and right are the field's while it has the focus; Enter is not.
  EXPECT_TRUE(edit_.OnKeyDown(Key::kLeft));
  EXPECT_FALSE(edit_.OnKeyDown(Key::kEnter));
}

TEST_F(CustomEditTest, TheDumpShowsTheFieldsOwnText) {
  edit_.set_text("Canon");
  Description description;
  edit_.Describe(description);
  const nlohmann::json out = ToJson(description);
  EXPECT_EQ(out["kind"], "edit");
  EXPECT_EQ(out["text"], "Canon");
}

// The focus skin alone, as the field draws it under its text.
std::unique_ptr<Image> FocusSkin() {
  auto image = std::make_unique<Image>(kWidth, kHeight);
  Canvas canvas(*image);
  CBitmapBackground skin(pictures::kEditFocused);
  skin.Draw(canvas, kWidth, kHeight);
  return image;
}

TEST_F(CustomEditTest, AnEmptyFocusedFieldInvertsACentredCaretColumn) {
  Tap(100);
  auto shown = Render();
  auto skin = FocusSkin();
  // The caret of an empty field is the column at 200 / 2, one text line
  // tall around the middle row; its neighbours are plain skin.
  EXPECT_EQ(shown->ColourAt(100, 27), Inverted(skin->ColourAt(100, 27)));
  EXPECT_EQ(shown->ColourAt(99, 27), skin->ColourAt(99, 27));
  EXPECT_EQ(shown->ColourAt(101, 27), skin->ColourAt(101, 27));
  EXPECT_EQ(shown->ColourAt(100, 0), skin->ColourAt(100, 0));
  EXPECT_EQ(shown->ColourAt(100, kHeight - 1),
            skin->ColourAt(100, kHeight - 1));
  // Without the focus there is no caret.
  shell_->SetFocus(nullptr);
  auto idle = Render();
  CBitmapBackground idle_skin(pictures::kEditIdle);
  Image expected(kWidth, kHeight);
  Canvas canvas(expected);
  idle_skin.Draw(canvas, kWidth, kHeight);
  EXPECT_EQ(idle->ColourAt(100, 27), expected.ColourAt(100, 27));
}

TEST_F(CustomEditTest, ALongTextScrollsInsideTheBorder) {
  edit_.set_text(std::string(80, 'W'));
  Tap(100);
  EXPECT_TRUE(edit_.OnKeyDown(Key::kEnd));
  const int margin = Scaled(shell_->scale(), CCustomEdit::kTextMargin);
  auto shown = Render();
  auto skin = FocusSkin();
  for (int y = 0; y < kHeight; ++y) {
    for (int x : {0, margin - 1, kWidth - margin, kWidth - 1}) {
      EXPECT_EQ(shown->ColourAt(x, y), skin->ColourAt(x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace zorvanel
