// The window's default screen on common displays.
#include "platform/screen_size.h"

#include <gtest/gtest.h>

#include "print_size.h"

namespace zorvanel {
namespace {

TEST(DefaultScreenSizeTest, LargestStepWithinNinetyPercentOfTheDisplay) {
  const struct {
    Size usable;
    Size screen;
  } kDisplays[] = {
      {{1024, 768}, {480, 640}},
      {{1280, 800}, {480, 640}},  // 1.25 times would fill its height
      {{1366, 768}, {480, 640}},
      {{1920, 1080}, {720, 960}},
      {{2560, 1440}, {960, 1280}},
      {{3840, 2160}, {960, 1280}},  // 2 times at most
      {{800, 2000}, {720, 960}},    // 720 is exactly 90 % of 800
      {{1000, 2000}, {720, 960}},   // 960 would fit the width, not 90 % of it
      {{320, 240}, {480, 640}},     // nothing fits: the design size
  };
  for (const auto& display : kDisplays) {
    EXPECT_EQ(DefaultScreenSize(display.usable), display.screen)
        << ::testing::PrintToString(display.usable);
  }
}

}  // namespace
}  // namespace zorvanel
