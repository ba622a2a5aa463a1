// Replays through the fuzz harness every input a fuzzer once broke the
// program with (tests/fuzz_regressions/<target>/), and the seed inputs the
// fuzzers start from, so that an ordinary build keeps them all passing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_harness.h"
#include "hardening_support.h"

namespace zorvanel::hardening {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  std::function<std::string(std::string_view)> feed;
};

const std::vector<Target>& Targets() {
  static const std::vector<Target> targets = {
      {"language_file", fuzz::FeedLanguageFile},
      {"data_file", fuzz::FeedDataFile},
      {"camera_db", fuzz::FeedCameraDatabase},
      {"decimal", fuzz::FeedDecimal},
      {"script", fuzz::FeedScript},
  };
  return targets;
}

// Feeds every file under root/<target> and names each that breaks a
// promise. Returns how many files were fed.
int ReplayFolder(const fs::path& root, const Target& target) {
  const fs::path folder = root / target.name;
  if (!fs::is_directory(folder)) return 0;
  int count = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    ++count;
    EXPECT_EQ(target.feed(ReadFile(entry.path())), "")
        << target.name << " input " << entry.path();
  }
  return count;
}

// Every folder there belongs to a target, and some inputs were fed: a
// folder under a wrong name, or the wrong root, would check nothing.
TEST(FuzzReplayTest, InputsThatOnceFailedStayFixed) {
  ASSERT_TRUE(fs::is_directory(ZV_FUZZ_REGRESSIONS_DIR))
      << ZV_FUZZ_REGRESSIONS_DIR;
  for (const fs::directory_entry& entry :
       fs::directory_iterator(ZV_FUZZ_REGRESSIONS_DIR)) {
    if (!entry.is_directory()) continue;
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(
        std::any_of(Targets().begin(), Targets().end(),
                    [&](const Target& target) { return name == target.name; }))
        << "no fuzz target is called " << name;
  }
  int fed = 0;
  for (const Target& target : Targets()) {
    fed += ReplayFolder(ZV_FUZZ_REGRESSIONS_DIR, target);
  }
  EXPECT_GT(fed, 0) << "no inputs under " << ZV_FUZZ_REGRESSIONS_DIR;
}

TEST(FuzzReplayTest, SeedInputsPass) {
  for (const Target& target : Targets()) {
    EXPECT_GT(ReplayFolder(ZV_FUZZ_CORPUS_DIR, target), 0)
        << "no seed inputs for " << target.name;
  }
}

}  // namespace
}  // namespace zorvanel::hardening
