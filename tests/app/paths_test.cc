// Tests of where the program looks for its files and keeps the user's data.
#include "app/paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>

#include "scratch_folder.h"

#include "data/camera_database.h"

namespace zorvanel {
namespace {

namespace fs = std::filesystem;

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
  EXPECT_EQ(CameraDatabase::PathIn("/opt/zv"), "/opt/zv/CameraDB.ptb");
  EXPECT_EQ(TranslationPath("/opt/zv"), "/opt/zv/Translation.lang");
  // An executable in the root folder has the empty folder.
  EXPECT_EQ(DataFilePath(""), "/ZorvanelData.ptb");
}

TEST(PathsTest, ExecutableFolderIsWhereThisProgramLies) {
  EXPECT_TRUE(std::filesystem::equivalent(ExecutableFolder(), ZV_BIN_DIR));
}

// A scratch tree: prefix/bin for the executable, prefix/share/zorvanel for
// what an installed program ships, XDG_DATA_HOME pointing into it.
class ProgramFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin());
    fs::create_directories(share());
    Touch(share() / "CameraDB.ptb");
    Touch(share() / "Translation.lang");
    setenv("XDG_DATA_HOME", (root_ / "xdg").c_str(), 1);
  }
  void TearDown() override { unsetenv("XDG_DATA_HOME"); }

  static void Touch(const fs::path& path) { testing::WriteFile(path, "x"); }
  fs::path bin() const { return root_ / "bin"; }
  fs::path share() const { return root_ / "share/zorvanel"; }
  ProgramFolders Resolve(const fs::path& given = "") const {
    return ResolveProgramFolders(bin().string(), given.string());
  }

  testing::ScratchFolder root_;
};

TEST_F(ProgramFoldersTest, InstalledProgramReadsShareAndKeepsDataInXdgHome) {
  const ProgramFolders folders = Resolve();
  EXPECT_EQ(folders.shipped, share().string());  // no "bin/.." left in it
  EXPECT_EQ(folders.data, (root_ / "xdg/zorvanel").string());
}

TEST_F(ProgramFoldersTest, FilesBesideTheExecutableWin) {
  // A build tree or a portable copy: the shipped files beside the program,
  // and a data file from an earlier run stays where it is.
  Touch(bin() / "Translation.lang");
  EXPECT_EQ(Resolve().shipped, bin().string());
  EXPECT_EQ(Resolve().data, (root_ / "xdg/zorvanel").string());
  Touch(bin() / "ZorvanelData.ptb");
  EXPECT_EQ(Resolve().data, bin().string());
}

TEST_F(ProgramFoldersTest, GivenFolderHoldsTheDataAndMayHoldTheRest) {
  const fs::path kit = root_ / "kit";
  fs::create_directories(kit);
  EXPECT_EQ(Resolve(kit).data, kit.string());
  EXPECT_EQ(Resolve(kit).shipped, share().string());
  Touch(kit / "CameraDB.ptb");
  EXPECT_EQ(Resolve(kit).shipped, kit.string());
}

TEST_F(ProgramFoldersTest, HomeDataFolderFollowsTheXdgRules) {
  const std::string old_home = getenv("HOME") ? getenv("HOME") : "";
  setenv("HOME", (root_ / "home").c_str(), 1);
  EXPECT_EQ(UserDataHome(), (root_ / "xdg/zorvanel").string());
  for (const char* ignored : {"", "relative/path"}) {
    setenv("XDG_DATA_HOME", ignored, 1);
    EXPECT_EQ(UserDataHome(), (root_ / "home/.local/share/zorvanel").string());
  }
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDataHome(), (root_ / "home/.local/share/zorvanel").string());
  setenv("HOME", old_home.c_str(), 1);
}

TEST_F(ProgramFoldersTest, MakeFoldersMakesParentsAndRefusesAFile) {
  EXPECT_TRUE(MakeFolders((root_ / "a/b/c").string()).ok());
  EXPECT_TRUE(fs::is_directory(root_ / "a/b/c"));
  EXPECT_TRUE(MakeFolders((root_ / "a/b/c").string()).ok());  // already there
  Touch(root_ / "file");
  EXPECT_EQ(MakeFolders((root_ / "file/d").string()).error(), ENOTDIR);
}

}  // namespace
}  // namespace zorvanel
