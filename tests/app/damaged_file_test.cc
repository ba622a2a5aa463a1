#include "app/damaged_file.h"

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

TEST(DamagedFileTest, KeptCopyNeverReplacesAnEarlierOne) {
  const testing::ScratchFolder folder;
  const std::string path = (folder / "ZorvanelData.ptb").string();
  WriteFile(path, "damaged");
  // Earlier copies under the names of this second and the next.
  const std::time_t now = std::time(nullptr);
  for (std::time_t when : {now, now + 1}) {
    WriteFile(DamagedCopyPath(path, when), "earlier");
  }

  const Expected<std::string> kept = KeepDamagedFile(path);
  ASSERT_TRUE(kept.ok()) << kept.status().Reason();
  EXPECT_EQ(ReadFile(*kept), "damaged");
  EXPECT_FALSE(fs::exists(path));
  for (std::time_t when : {now, now + 1}) {
    EXPECT_EQ(ReadFile(DamagedCopyPath(path, when)), "earlier");
  }
}

}  // namespace
}  // namespace zorvanel
