// What the screen can be given, through the real programs: a side out of
// range is refused before anything starts, every other shape runs, and no
// language file can stretch the text until nothing can be drawn.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "hardening_support.h"
#include "language_file_bytes.h"

namespace zorvanel::hardening {
namespace {

TEST(ScreenLimitsTest, BothProgramsRefuseSidesOutOfRange) {
  ScratchFolder folder;
  for (const char* program : {ZV_DRIVER, ZV_DESKTOP}) {
    for (const char* screen : {"8193x480", "47x640"}) {
      std::string output;
      const ExitStatus status = RunProgram(
          program, {"--screen", screen, "--folder", folder.path().string()},
          &output);
      EXPECT_EQ(status.code, 2) << program << " " << screen;
      EXPECT_NE(output.find(std::string("the screen ") + screen),
                std::string::npos)
          << output;
    }
  }
  EXPECT_TRUE(folder.FileNames().empty());  // refused before anything ran
  // The most extreme shapes in range run, the camera list included (the
  // first run opens the equipment screen).
  WriteFile(folder / "script", "click 1000\ndump\n");
  for (const char* screen : {"8192x48", "48x8192"}) {
    std::string output;
    EXPECT_EQ(RunProgram(ZV_DRIVER,
                         {"--screen", screen, "--folder",
                          folder.path().string(), (folder / "script").string()},
                         &output)
                  .code,
              0)
        << output;
  }
}

// At a width ratio of 3000 the large line of the panel once blanked the
// whole screen and every later picture of it failed.
TEST(ScreenLimitsTest, AnAbsurdWidthRatioLeavesTheScreenDrawable) {
  ScratchFolder folder;
  Zorvanel data = FiftyMillimetreData();
  data.mutable_options()->set_language(1);
  WriteFile(folder / "ZorvanelData.ptb", data.SerializeAsString());
  std::string language = "[Exit]\nEnglish;Exit\nFrench;Quitter\n";
  for (const char* font : {"Main", "Wheel", "Screen", "BigScreen",
                           "CameraScreen", "Button", "Title", "Normal"}) {
    language += std::string("[__") + font + "CharWidthRatio__]\nFrench;3000\n";
  }
  WriteFile(folder / "Translation.lang", testing::LanguageFile(language));
  WriteFile(folder / "script", "shot " + (folder / "main.png").string() +
                                   "\nsoft left\nshot " +
                                   (folder / "equipment.png").string() + "\n");
  std::string output;
  const ExitStatus status = RunProgram(
      ZV_DRIVER,
      {"--folder", folder.path().string(), (folder / "script").string()},
      &output);
  EXPECT_EQ(status.code, 0) << output;
  EXPECT_GT(std::filesystem::file_size(folder / "equipment.png"), 0u);
}

}  // namespace
}  // namespace zorvanel::hardening
