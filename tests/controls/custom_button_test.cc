// Tests of the push button: taps, double taps, flash, icon frames, captions.
#include "controls/custom_button.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "dialog_test.h"
#include "platform/canvas.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {
namespace {

// A parent that records what its child buttons send.
class RecordingParent : public Window {
 public:
  void OnCommand(int id) override { commands.push_back(id); }
  std::vector<int> commands;
  std::vector<int> double_taps;

 protected:
  void OnDoubleTapCommand(int id) override { double_taps.push_back(id); }
};

// Whether two colours are within `tolerance` per channel.
bool Near(Colour a, Colour b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

// Bitmap 158 is one of the list dialogs' three-state icon strips: 180 x 60,
// normal | disabled | pressed, 60 x 60 each.
constexpr int kThreeStateIcon = 158;
constexpr int kFrame = 60;

class TestButton : public CCustomButton {
 public:
  using CCustomButton::OnDoubleTap;
  using CCustomButton::OnPaint;
  using CCustomButton::OnPointerDown;
  using CCustomButton::OnPointerMove;
  using CCustomButton::OnPointerUp;
};

std::unique_ptr<Image> Render(TestButton& button) {
  auto image = std::make_unique<Image>(button.width(), button.height());
  Canvas canvas(*image);
  button.OnPaint(canvas);
  return image;
}

class CustomButtonTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    StartClockShell();
    parent_.Create(nullptr, 0, Rect{0, 0, 480, 588});
    button_.Create(&parent_, 1234, Rect::FromXYWH(10, 10, 100, 80));
  }

  RecordingParent parent_;
  TestButton button_;
};

TEST_F(CustomButtonTest, TapsDoubleTapsAndSlidingOff) {
  button_.OnPointerDown({50, 40});
  EXPECT_EQ(button_.CurrentLook(), ButtonLook::kPressed);
  button_.OnPointerUp({50, 40});
  EXPECT_EQ(button_.CurrentLook(), ButtonLook::kNormal);
  // The second tap of a double tap is reported as such, not as a click.
  button_.OnDoubleTap({50, 40});
  button_.OnPointerUp({50, 40});
  EXPECT_EQ(parent_.commands, std::vector<int>{1234});
  EXPECT_EQ(parent_.double_taps, std::vector<int>{1234});
  // Sliding off drops the pressed look and the click.
  button_.OnPointerDown({50, 40});
  button_.OnPointerMove({150, 40});
  EXPECT_EQ(button_.CurrentLook(), ButtonLook::kNormal);
  button_.OnPointerUp({150, 40});
  EXPECT_EQ(parent_.commands.size(), 1u);
}

TEST_F(CustomButtonTest, ADisabledButtonTakesNoPress) {
  button_.Enable(false);
  button_.OnPointerDown({50, 40});
  button_.OnPointerUp({50, 40});
  EXPECT_TRUE(parent_.commands.empty());
  EXPECT_EQ(button_.CurrentLook(), ButtonLook::kDisabled);
}

TEST_F(CustomButtonTest, FlashLastsASecondFromTheLastPress) {
  button_.set_flash_on_press(true);
  AdvanceTo(1000);
  button_.OnPointerDown({50, 40});
  button_.OnPointerUp({50, 40});
  AdvanceTo(1600);
  button_.OnPointerDown({50, 40});
  button_.OnPointerUp({50, 40});
  EXPECT_EQ(parent_.commands.size(), 2u);

  AdvanceTo(2000);  // a second after the first press
  EXPECT_EQ(button_.CurrentLook(), ButtonLook::kPressed);
  AdvanceTo(2599);
  EXPECT_EQ(button_.CurrentLook(), ButtonLook::kPressed);
  AdvanceTo(2600);  // a second after the second press
  EXPECT_EQ(button_.CurrentLook(), ButtonLook::kNormal);
}

TEST_F(CustomButtonTest, ACaptionOnlyButtonLooksPressedWhileHeld) {
  button_.SetText("Ok");
  auto normal = Render(button_);
  button_.OnPointerDown({50, 40});
  auto pressed = Render(button_);
  const Colour before = normal->ColourAt(5, 40);
  const Colour after = pressed->ColourAt(5, 40);
  EXPECT_LT(after.r + after.g + after.b, before.r + before.g + before.b);
  button_.OnPointerUp({50, 40});
  EXPECT_EQ(Render(button_)->ColourAt(5, 40), before);
}

// Pixel probes: a 100 x 80 button with no caption shows the 60 x 60 frame
// centred at (20, 10).
class ButtonIconTest : public CustomButtonTest {
 protected:
  void SetUp() override {
    CustomButtonTest::SetUp();
    icon_ = GetBitmap(kThreeStateIcon);
    ASSERT_NE(icon_, nullptr);
    ASSERT_EQ(icon_->width(), 3 * kFrame);
    ASSERT_EQ(icon_->height(), kFrame);
    button_.set_overlay(false);
    TestButton bare;
    bare.set_overlay(false);
    bare.Create(&parent_, 1, button_.rect());
    skin_ = Render(bare);
    button_.SetIcon(kThreeStateIcon, true);
  }

  Colour IconPixel(int frame, int x, int y) const {
    return icon_->image().ColourAt(frame * kFrame + x, y);
  }

  // How many pixels of the icon area differ from frame `frame` drawn over
  // the bare skin with `alpha`.
  int Mismatches(const Image& shown, int frame, int alpha) const {
    int mismatches = 0;
    for (int y = 0; y < kFrame; ++y) {
      for (int x = 0; x < kFrame; ++x) {
        const Colour src = IconPixel(frame, x, y);
        const Colour dst = skin_->ColourAt(20 + x, 10 + y);
        auto mix = [alpha](int s, int d) {
          return (s * alpha + d * (255 - alpha) + 127) / 255;
        };
        const Colour expected =
            Rgb(mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b));
        if (!Near(shown.ColourAt(20 + x, 10 + y), expected, 2)) ++mismatches;
      }
    }
    return mismatches;
  }

  const Bitmap* icon_ = nullptr;
  std::unique_ptr<Image> skin_;
};

TEST_F(ButtonIconTest, NormalShowsTheLeftFrame) {
  auto shown = Render(button_);
  EXPECT_EQ(Mismatches(*shown, 0, 255), 0);
  EXPECT_GT(Mismatches(*shown, 2, 255), 0);  // the frames really differ
}

TEST_F(ButtonIconTest, DisabledShowsTheMiddleFrameAtAlpha136) {
  button_.Enable(false);
  auto shown = Render(button_);
  EXPECT_EQ(Mismatches(*shown, 1, 136), 0);
  EXPECT_GT(Mismatches(*shown, 1, 255), 0);
}

TEST_F(ButtonIconTest, PressedShowsTheRightFrame) {
  button_.OnPointerDown({50, 40});
  auto shown = Render(button_);
  EXPECT_EQ(Mismatches(*shown, 2, 255), 0);
  EXPECT_GT(Mismatches(*shown, 0, 255), 0);
}

// The box of the pixels in rows [top, bottom) where `shown` differs from
// `base`; empty when none do.
Rect InkBox(const Image& shown, const Image& base, int top, int bottom) {
  Rect box{shown.width(), 0, -1, 0};
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (Near(shown.ColourAt(x, y), base.ColourAt(x, y), 8)) continue;
      if (box.right < 0) box.top = y;
      box = Rect{std::min(box.left, x), box.top, std::max(box.right, x + 1),
                 y + 1};
    }
  }
  return box;
}

TEST_F(CustomButtonTest, ATwoLineCaptionDrawsTwoCentredLines) {
  button_.SetRect(Rect::FromXYWH(0, 0, 300, 120));
  button_.set_overlay(false);
  TestButton bare;
  bare.set_overlay(false);
  bare.Create(&parent_, 1, button_.rect());
  auto skin = Render(bare);
  button_.SetText("I\r\nWWWWWWWW");
  auto shown = Render(button_);

  const Rect all = InkBox(*shown, *skin, 0, 120);
  ASSERT_FALSE(all.IsEmpty());
  EXPECT_NEAR(all.top + all.bottom, 120, 12);  // the block in the middle
  const int middle = (all.top + all.bottom) / 2;
  const Rect first = InkBox(*shown, *skin, all.top, middle);
  const Rect second = InkBox(*shown, *skin, middle, all.bottom);
  EXPECT_LT(first.Width(), second.Width() / 3);  // "I" over "WWWWWWWW"
  EXPECT_NEAR(first.left + first.right, 300, 6);
  EXPECT_NEAR(second.left + second.right, 300, 6);
}

}  // namespace
}  // namespace zorvanel
