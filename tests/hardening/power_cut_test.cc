// A power cut while the data file is being written: the file of the last
// good run stays as it was, and the next start finds nothing half-written.

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include "hardening_support.h"

namespace zorvanel::hardening {
namespace {

constexpr char kDataFile[] = "ZorvanelData.ptb";

class PowerCutTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    before_ = FiftyMillimetreData();
    ASSERT_TRUE(before_.options().show_hyperfocal());
    WriteFile(folder_ / kDataFile, before_.SerializeAsString());
    // The cut run changes something before it saves, so that its content
    // can be told from the old one.
    WriteFile(folder_ / "toggle.zvs", "tap 50 100\nclose\n");
    WriteFile(folder_ / "close.zvs", "close\n");
  }

  ExitStatus Run(const std::string& cut_point, const std::string& script) {
    return RunProgram(ZV_POWER_CUT_CHILD,
                      {cut_point, "--folder", folder_.path().string(),
                       (folder_ / script).string()},
                      &output_);
  }

  ScratchFolder folder_;
  Zorvanel before_;
  std::string output_;
};

TEST_P(PowerCutTest, OldFileSurvivesAndTheNextStartCleansUp) {
  const std::string old_bytes = ReadFile(folder_ / kDataFile);

  const ExitStatus cut = Run(GetParam(), "toggle.zvs");
  ASSERT_TRUE(cut.signalled) << output_;
  EXPECT_EQ(cut.code, SIGKILL);
  EXPECT_EQ(ReadFile(folder_ / kDataFile), old_bytes);

  // The next start reads the old file and saves it again; whatever the cut
  // left beside it is gone afterwards.
  const ExitStatus next = Run("none", "close.zvs");
  ASSERT_FALSE(next.signalled) << output_;
  EXPECT_EQ(next.code, 0) << output_;
  Zorvanel after;
  ASSERT_TRUE(after.ParseFromString(ReadFile(folder_ / kDataFile)));
  EXPECT_TRUE(after.options().show_hyperfocal())
      << "the next start did not read the last complete file";
  EXPECT_EQ(after.equipment().cameras(0).model(), "Body");
  EXPECT_EQ(folder_.FileNames(),
            (std::vector<std::string>{"ZorvanelData.lock", kDataFile,
                                      "close.zvs", "toggle.zvs"}));
}

INSTANTIATE_TEST_SUITE_P(CutPoints, PowerCutTest,
                         ::testing::Values("write", "rename"),
                         [](const auto& info) { return info.param; });

TEST(PowerCutChildTest, WithoutACutTheChangeIsSaved) {
  // The cut test above only means something if the toggle really changes
  // the saved data.
  ScratchFolder folder;
  WriteFile(folder / kDataFile, FiftyMillimetreData().SerializeAsString());
  WriteFile(folder / "toggle.zvs", "tap 50 100\nclose\n");
  std::string output;
  const ExitStatus run = RunProgram(ZV_POWER_CUT_CHILD,
                                    {"none", "--folder", folder.path().string(),
                                     (folder / "toggle.zvs").string()},
                                    &output);
  ASSERT_FALSE(run.signalled) << output;
  ASSERT_EQ(run.code, 0) << output;
  Zorvanel saved;
  ASSERT_TRUE(saved.ParseFromString(ReadFile(folder / kDataFile)));
  EXPECT_FALSE(saved.options().show_hyperfocal());
  EXPECT_EQ(
      folder.FileNames(),
      (std::vector<std::string>{"ZorvanelData.lock", kDataFile, "toggle.zvs"}));
}

}  // namespace
}  // namespace zorvanel::hardening
