// A copy kept aside never replaces an earlier one.
#include "app/kept_copy.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "scratch_folder.h"

namespace zorvanel {
namespace {

namespace fs = std::filesystem;

using testing::ReadFile;
using testing::WriteFile;

TEST(KeptCopyTest, KeptCopyNeverReplacesAnEarlierOne) {
  const testing::ScratchFolder folder;
  const std::string path = (folder / "ZorvanelData.ptb").string();
  WriteFile(path, "damaged");
  // Earlier copies under the names of this second and the next.
  const std::time_t now = std::time(nullptr);
  for (std::time_t when : {now, now + 1}) {
    WriteFile(KeptCopyPath(path, kDamagedCopy, when), "earlier");
  }

  const Expected<std::string> kept = MoveAside(path, kDamagedCopy);
  ASSERT_TRUE(kept.ok()) << kept.status().Reason();
  EXPECT_EQ(ReadFile(*kept), "damaged");
  EXPECT_FALSE(fs::exists(path));
  for (std::time_t when : {now, now + 1}) {
    EXPECT_EQ(ReadFile(KeptCopyPath(path, kDamagedCopy, when)), "earlier");
  }
}

}  // namespace
}  // namespace zorvanel
