#include "app/program_args.h"

#include <gtest/gtest.h>

namespace zorvanel {
namespace {

bool Parse(std::initializer_list<const char*> words, ProgramArgs* args,
           std::string* error) {
  std::vector<const char*> argv = {"zorvanel"};
  argv.insert(argv.end(), words);
  return ParseProgramArgs(static_cast<int>(argv.size()), argv.data(), args,
                          error);
}

TEST(ProgramArgsTest, AcceptsScreenAndFolderInAnyOrder) {
  ProgramArgs args;
  std::string error;
  ASSERT_TRUE(Parse({}, &args, &error));
  EXPECT_FALSE(args.screen.has_value());
  EXPECT_EQ(args.folder, "");
  ASSERT_TRUE(
      Parse({"--folder", "/tmp/z", "--screen", "240x320"}, &args, &error));
  EXPECT_EQ(args.screen, (Size{240, 320}));
  EXPECT_EQ(args.folder, "/tmp/z");
  EXPECT_FALSE(args.help);
  ASSERT_TRUE(Parse({"--help"}, &args, &error));
  EXPECT_TRUE(args.help);
}

TEST(ProgramArgsTest, RejectsWhatItCannotUse) {
  ProgramArgs args;
  std::string error;
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
    std::vector<const char*> argv = {"zorvanel"};
    argv.insert(argv.end(), words.begin(), words.end());
    EXPECT_FALSE(ParseProgramArgs(static_cast<int>(argv.size()), argv.data(),
                                  &args, &error))
        << argv.back();
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace zorvanel
