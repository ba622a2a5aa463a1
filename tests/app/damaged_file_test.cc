#include "app/damaged_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zorvanel {
namespace {

namespace fs = std::filesystem;

std::string Content(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(DamagedFileTest, KeptCopyNeverReplacesAnEarlierOne) {
  char pattern[] = "/tmp/zorvanel-damaged-test.XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path folder = pattern;
  const std::string path = (folder / "ZorvanelData.ptb").string();
  std::ofstream(path) << "damaged";
  // Earlier copies under the names of this second and the next.
  const std::time_t now = std::time(nullptr);
  for (std::time_t when : {now, now + 1}) {
    std::ofstream(DamagedCopyPath(path, when)) << "earlier";
  }

  const Expected<std::string> kept = KeepDamagedFile(path);
  ASSERT_TRUE(kept.ok()) << kept.status().Reason();
  EXPECT_EQ(Content(*kept), "damaged");
  EXPECT_FALSE(fs::exists(path));
  for (std::time_t when : {now, now + 1}) {
    EXPECT_EQ(Content(DamagedCopyPath(path, when)), "earlier");
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace zorvanel
