#include "data/message_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/zorvanel.pb.h"

namespace zorvanel {
namespace {

namespace fs = std::filesystem;

class MessageFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("zv_message_file_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const {
    return (folder_ / name).string();
  }
  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }
  std::string ReadBytes(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Everything in the folder, so that a forgotten temporary file shows.
  std::vector<std::string> FolderContent() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static Zorvanel SampleRoot() {
    Zorvanel root;
    root.mutable_options()->set_language(1);
    Camera* camera = root.mutable_equipment()->add_cameras();
    camera->set_maker("Acme");
    camera->set_model("Z100");
    camera->set_circle_of_confusion(0.03);
    return root;
  }

  fs::path folder_;
};

TEST_F(MessageFileTest, SavedRootLoadsBackEqual) {
  const Zorvanel saved = SampleRoot();
  ASSERT_TRUE(SaveMessageFile(saved, PathOf("ZorvanelData.ptb")).ok());
  Zorvanel loaded;
  ASSERT_TRUE(ReadMessageFile(&loaded, PathOf("ZorvanelData.ptb")).ok());
  EXPECT_EQ(loaded.SerializeAsString(), saved.SerializeAsString());
  EXPECT_EQ(loaded.equipment().cameras(0).model(), "Z100");
  EXPECT_THAT(FolderContent(), ::testing::ElementsAre("ZorvanelData.ptb"));
}

TEST_F(MessageFileTest, FileOfExactlyOneChunkParses) {
  // The model's length is chosen so that the file is exactly 256 bytes: the
  // read of a full chunk must be followed by another.
  Zorvanel root = SampleRoot();
  Camera* camera = root.mutable_equipment()->mutable_cameras(0);
  while (root.ByteSizeLong() < 256) camera->mutable_model()->push_back('x');
  ASSERT_EQ(root.ByteSizeLong(), 256u);
  WriteBytes("d.ptb", root.SerializeAsString());

  Zorvanel loaded;
  EXPECT_TRUE(ReadMessageFile(&loaded, PathOf("d.ptb")).ok());
  EXPECT_EQ(loaded.equipment().cameras(0).model(), camera->model());
}

TEST_F(MessageFileTest, IncompleteOrDamagedContentKeepsWhatWasRead) {
  Zorvanel root = SampleRoot();

  // Zero bytes: neither required field, and nothing left of the old content.
  WriteBytes("empty.ptb", "");
  EXPECT_TRUE(ReadMessageFile(&root, PathOf("empty.ptb")).ok());
  EXPECT_FALSE(root.has_options());
  EXPECT_FALSE(root.has_equipment());

  // Options only (language 2), then a length running past the end.
  WriteBytes("cut.ptb", std::string("\x0A\x02\x20\x02\x12\x09\x12", 7));
  EXPECT_EQ(ReadMessageFile(&root, PathOf("cut.ptb")).error(), EBADMSG);
  EXPECT_EQ(root.options().language(), 2);
}

TEST_F(MessageFileTest, UnreadablePathLeavesTheMessageAlone) {
  Zorvanel root = SampleRoot();
  EXPECT_EQ(ReadMessageFile(&root, PathOf("missing.ptb")).error(), ENOENT);
  EXPECT_EQ(ReadMessageFile(&root, folder_.string()).error(), EISDIR);
  EXPECT_EQ(root.SerializeAsString(), SampleRoot().SerializeAsString());
}

TEST_F(MessageFileTest, SaveReplacesTheOldContentWhole) {
  WriteBytes("d.ptb", std::string(1000, 'z'));
  Zorvanel small;
  small.mutable_options();
  small.mutable_equipment();
  ASSERT_TRUE(SaveMessageFile(small, PathOf("d.ptb")).ok());
  EXPECT_EQ(ReadBytes("d.ptb"), std::string("\x0A\x00\x12\x00", 4));
}

TEST_F(MessageFileTest, SaveKeepsThePermissionsOfTheOldFile) {
  WriteBytes("d.ptb", "old");
  fs::permissions(PathOf("d.ptb"),
                  fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(SaveMessageFile(SampleRoot(), PathOf("d.ptb")).ok());
  EXPECT_EQ(fs::status(PathOf("d.ptb")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(MessageFileTest, SaveWritesAMessageWithoutItsRequiredFields) {
  ASSERT_TRUE(SaveMessageFile(Zorvanel(), PathOf("d.ptb")).ok());
  EXPECT_EQ(ReadBytes("d.ptb"), "");
}

TEST_F(MessageFileTest, FailedSaveGivesTheReasonAndLeavesNothingBehind) {
  EXPECT_EQ(
      SaveMessageFile(SampleRoot(), PathOf("no/such/folder/d.ptb")).error(),
      ENOENT);

  fs::create_directory(PathOf("taken"));
  EXPECT_FALSE(SaveMessageFile(SampleRoot(), PathOf("taken")).ok());
  EXPECT_TRUE(fs::is_directory(PathOf("taken")));
  EXPECT_THAT(FolderContent(), ::testing::ElementsAre("taken"));
}

TEST_F(MessageFileTest, WriteFailureKeepsTheOldFileIntact) {
  // A file size limit below the new content makes the write itself fail,
  // which is what a full disk does.
  const std::string old_content("\x0A\x00\x12\x00", 4);
  WriteBytes("d.ptb", old_content);
  Zorvanel big = SampleRoot();
  big.mutable_equipment()->mutable_cameras(0)->set_model(std::string(500, 'm'));

  struct rlimit saved_limit;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved_limit), 0);
  const auto saved_handler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small_limit = saved_limit;
  small_limit.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small_limit), 0);
  const Status saved = SaveMessageFile(big, PathOf("d.ptb"));
  ::setrlimit(RLIMIT_FSIZE, &saved_limit);
  ::signal(SIGXFSZ, saved_handler);

  EXPECT_EQ(saved.error(), EFBIG);
  EXPECT_EQ(ReadBytes("d.ptb"), old_content);
  EXPECT_THAT(FolderContent(), ::testing::ElementsAre("d.ptb"));
}

}  // namespace
}  // namespace zorvanel
