// Tests of a button's flash: restarted by a second press, across clock wrap.
#include "controls/button_press.h"

#include <gtest/gtest.h>

namespace zorvanel {
namespace {

constexpr Rect kBounds{0, 0, 100, 40};
constexpr Point kInside{50, 20};

TEST(ButtonPressFlash, ASecondPressWithinTheSecondRestartsIt) {
  ButtonPress press;
  press.set_flash_on_press(true);
  EXPECT_TRUE(press.Press(kInside, kBounds, false, 0));
  press.Up(kInside, kBounds);
  EXPECT_TRUE(press.LooksPressed());  // released, still flashing
  EXPECT_TRUE(press.Press(kInside, kBounds, false, 600));
  press.Up(kInside, kBounds);
  // A second after the first press is not the end any more...
  EXPECT_FALSE(press.FlashTimerFired(1000));
  EXPECT_TRUE(press.LooksPressed());
  // ...a second after the second press is.
  EXPECT_TRUE(press.FlashTimerFired(1600));
  EXPECT_FALSE(press.LooksPressed());
}

TEST(ButtonPressFlash, SurvivesTheWrapOfTheMillisecondClock) {
  ButtonPress press;
  press.set_flash_on_press(true);
  press.Press(kInside, kBounds, false, 0xFFFFFF00u);
  press.Up(kInside, kBounds);
  EXPECT_FALSE(press.FlashTimerFired(0xFFFFFFF0u));
  EXPECT_TRUE(press.FlashTimerFired(0xFFFFFF00u + 1000));
  EXPECT_FALSE(press.LooksPressed());
}

}  // namespace
}  // namespace zorvanel
