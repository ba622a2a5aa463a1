// Tests of the desktop program's command line: accepted and refused options.
#include "app/program_args.h"

#include <gtest/gtest.h>

namespace zorvanel {
namespace {

Expected<ProgramArgs> Parse(const std::vector<const char*>& words) {
  std::vector<const char*> argv = {"zorvanel"};
  argv.insert(argv.end(), words.begin(), words.end());
  return ParseProgramArgs(static_cast<int>(argv.size()), argv.data());
}

TEST(ProgramArgsTest, AcceptsScreenAndFolderInAnyOrder) {
  Expected<ProgramArgs> args = Parse({});
  ASSERT_TRUE(args.ok());
  EXPECT_FALSE(args->screen.has_value());
  EXPECT_EQ(args->folder, "");
  args = Parse({"--folder", "/tmp/z", "--screen", "240x320"});
  ASSERT_TRUE(args.ok());
  EXPECT_EQ(args->screen, (Size{240, 320}));
  EXPECT_EQ(args->folder, "/tmp/z");
  EXPECT_FALSE(args->help);
  args = Parse({"--help"});
  ASSERT_TRUE(args.ok());
  EXPECT_TRUE(args->help);
}

TEST(ProgramArgsTest, RejectsWhatItCannotUse) {
  for (auto words :
       std::vector<std::vector<const char*>>{{"--screen"},
                                             {"--screen", "480"},
                                             {"--screen", "480x"},
                                             {"--screen", "0x640"},
                                             {"--screen", "-480x640"},
                                             {"--screen", "480x640x2"},
                                             {"--screen", "99999x640"},
                                             {"--screen", " 480x640"},
                                             {"--folder", ""},
                                             {"--fullscreen"},
                                             {"extra"}}) {
    const Expected<ProgramArgs> args = Parse(words);
    EXPECT_FALSE(args.ok()) << words.back();
    EXPECT_FALSE(args.status().Reason().empty());
  }
}

}  // namespace
}  // namespace zorvanel
