// Tests that 20 restarts leave every wheel where it was, on five screen sizes.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "hardening_support.h"
#include "mainscreen/main_layout.h"
#include "platform/geometry.h"
#include "print_size.h"

namespace zorvanel {
namespace hardening {
namespace {

using nlohmann::json;

constexpr int kRestarts = 20;

// One run of the real program on `folder`: the "main" part of the dump the
// script prints.
json RunMainScreen(const ScratchFolder& folder, Size screen,
                   const std::string& script) {
  WriteFile(folder / "script", script);
  std::string output;
  const ExitStatus status = RunProgram(
      ZV_DRIVER,
      {"--screen",
       std::to_string(screen.width) + "x" + std::to_string(screen.height),
       "--folder", folder.path().string(), (folder / "script").string()},
      &output);
  EXPECT_FALSE(status.signalled);
  EXPECT_EQ(status.code, 0) << output;
  const json dump = json::parse(output.substr(0, output.find('\n')), nullptr,
                                /*allow_exceptions=*/false);
  return dump.is_object() ? dump.value("main", json()) : json();
}

// Turns each wheel by an odd number of pixels, so that no position lands on
// a whole percentage.
std::string TurnEveryWheel(Size screen) {
  const int scale = DisplayScaleFor(screen);
  const MainLayout layout = ComputeMainLayout(
      screen.width, screen.height - Scaled(scale, kSoftKeyBarHeight),
      scale);
  const int turns[kWheelCount] = {37, 101, 203};
  std::string script;
  for (int i = 0; i < kWheelCount; ++i) {
    const std::string y =
        std::to_string(layout.wheel_tops[i] + layout.wheel_height / 2);
    const int from = screen.width / 8;
    script += "drag " + std::to_string(from) + " " + y + " " +
              std::to_string(from + turns[i] * screen.width / 480) + " " + y +
              "\n";
  }
  return script;
}

class WheelRestartTest : public ::testing::TestWithParam<Size> {};

TEST_P(WheelRestartTest, RestartsLeaveEveryWheelWhereItWas) {
  const Size screen = GetParam();
  ScratchFolder folder;
  WriteFile(folder / "ZorvanelData.ptb", FullData().SerializeAsString());
  const json turned = RunMainScreen(
      folder, screen, TurnEveryWheel(screen) + "dump\nsoft right\n");
  ASSERT_TRUE(turned.is_object());
  for (int run = 1; run <= kRestarts; ++run) {
    ASSERT_EQ(RunMainScreen(folder, screen, "dump\nsoft right\n"), turned)
        << "restart " << run;
  }
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, WheelRestartTest,
                         ::testing::Values(Size{600, 800}, Size{720, 960},
                                           Size{960, 1280}, Size{523, 701},
                                           Size{240, 320}),
                         ::testing::PrintToStringParamName());

}  // namespace
}  // namespace hardening
}  // namespace zorvanel
