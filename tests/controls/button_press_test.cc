#include "controls/button_press.h"

#include <gtest/gtest.h>

namespace zorvanel {
namespace {

constexpr Rect kBounds{0, 0, 100, 40};
constexpr Point kInside{50, 20};
constexpr Point kOutside{150, 20};

TEST(ButtonPressTest, ATapInsideClicks) {
  ButtonPress press;
  EXPECT_FALSE(press.Press(kInside, kBounds, false, 0));  // no flash timer
  EXPECT_TRUE(press.LooksPressed());
  EXPECT_EQ(press.Up(kInside, kBounds), ButtonPress::Release::kClick);
  EXPECT_FALSE(press.LooksPressed());
}

TEST(ButtonPressTest, LeavingTheButtonDropsThePressedLookAndTheClick) {
  ButtonPress press;
  press.Press(kInside, kBounds, false, 0);
  EXPECT_TRUE(press.Move(kOutside, kBounds));
  EXPECT_FALSE(press.LooksPressed());
  EXPECT_FALSE(press.Move(kOutside, kBounds));  // no change, no repaint
  EXPECT_TRUE(press.Move(kInside, kBounds));
  EXPECT_TRUE(press.LooksPressed());
  press.Move(kOutside, kBounds);
  EXPECT_EQ(press.Up(kOutside, kBounds), ButtonPress::Release::kNone);
}

TEST(ButtonPressTest, AReleaseWithoutAPressDoesNothing) {
  ButtonPress press;
  EXPECT_EQ(press.Up(kInside, kBounds), ButtonPress::Release::kNone);
}

TEST(ButtonPressTest, TheSecondTapOfADoubleTapIsReportedAsSuch) {
  ButtonPress press;
  press.Press(kInside, kBounds, false, 0);
  EXPECT_EQ(press.Up(kInside, kBounds), ButtonPress::Release::kClick);
  press.Press(kInside, kBounds, true, 150);
  EXPECT_EQ(press.Up(kInside, kBounds), ButtonPress::Release::kDoubleTap);
  // The next tap is an ordinary one again.
  press.Press(kInside, kBounds, false, 900);
  EXPECT_EQ(press.Up(kInside, kBounds), ButtonPress::Release::kClick);
}

TEST(ButtonPressFlash, KeepsThePressedLookForASecond) {
  ButtonPress press;
  press.set_flash_on_press(true);
  EXPECT_TRUE(press.Press(kInside, kBounds, false, 5000));
  press.Up(kInside, kBounds);
  EXPECT_TRUE(press.LooksPressed());
  EXPECT_FALSE(press.FlashTimerFired(5999));
  EXPECT_TRUE(press.LooksPressed());
  EXPECT_TRUE(press.FlashTimerFired(6000));
  EXPECT_FALSE(press.LooksPressed());
}

TEST(ButtonPressFlash, ASecondPressWithinTheSecondRestartsIt) {
  ButtonPress press;
  press.set_flash_on_press(true);
  press.Press(kInside, kBounds, false, 0);
  press.Up(kInside, kBounds);
  EXPECT_TRUE(press.Press(kInside, kBounds, false, 600));  // timer restarts
  press.Up(kInside, kBounds);
  // One second after the first press is not the end any more...
  EXPECT_FALSE(press.FlashTimerFired(1000));
  EXPECT_TRUE(press.LooksPressed());
  // ...one second after the second press is.
  EXPECT_TRUE(press.FlashTimerFired(1600));
  EXPECT_FALSE(press.LooksPressed());
}

TEST(ButtonPressFlash, SurvivesTheWrapOfTheMillisecondClock) {
  ButtonPress press;
  press.set_flash_on_press(true);
  press.Press(kInside, kBounds, false, 0xFFFFFF00u);
  EXPECT_FALSE(press.FlashTimerFired(0xFFFFFFF0u));
  EXPECT_TRUE(press.LooksPressed());
  EXPECT_TRUE(press.FlashTimerFired(0xFFFFFF00u + 1000));
}

}  // namespace
}  // namespace zorvanel
