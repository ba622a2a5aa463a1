#include "app/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zorvanel {
namespace {

TEST(PathsTest, ProgramFolderIsEverythingBeforeTheLastSlash) {
  EXPECT_EQ(ProgramFolderFromExecutable("/opt/zorvanel/bin/zorvanel"),
            "/opt/zorvanel/bin");
  EXPECT_EQ(ProgramFolderFromExecutable("/zorvanel"), "");
  EXPECT_EQ(ProgramFolderFromExecutable("zorvanel"), "");
  EXPECT_EQ(ProgramFolderFromExecutable(""), "");
  EXPECT_EQ(ProgramFolderFromExecutable("/a b/ü/x"), "/a b/\xC3\xBC");
}

TEST(PathsTest, DataFilesSitInTheProgramFolder) {
  EXPECT_EQ(DataFilePath("/opt/zv"), "/opt/zv/ZorvanelData.ptb");
  EXPECT_EQ(CameraDbPath("/opt/zv"), "/opt/zv/CameraDB.ptb");
  EXPECT_EQ(TranslationPath("/opt/zv"), "/opt/zv/Translation.lang");
  // An executable in the root folder has the empty folder.
  EXPECT_EQ(DataFilePath(""), "/ZorvanelData.ptb");
}

TEST(PathsTest, ExecutableFolderIsWhereThisProgramLies) {
  EXPECT_TRUE(std::filesystem::equivalent(ExecutableFolder(), ZV_BIN_DIR));
}

}  // namespace
}  // namespace zorvanel
