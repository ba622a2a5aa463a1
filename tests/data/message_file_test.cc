// Tests of reading and atomically saving stored messages, and of failed saves.
#include "data/message_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "data/zorvanel.pb.h"
#include "file_bytes.h"
#include "file_size_limit.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

namespace fs = std::filesystem;

class MessageFileTest : public ::testing::Test {
 protected:
  static Zorvanel SampleRoot() {
    Zorvanel root;
    root.mutable_options()->set_language(1);
    Camera* camera = root.mutable_equipment()->add_cameras();
    camera->set_maker("Acme");
    camera->set_model("Z100");
    camera->set_circle_of_confusion(0.03);
    return root;
  }

  testing::ScratchFolder folder_;
};

TEST_F(MessageFileTest, SavedRootLoadsBackEqual) {
  const Zorvanel saved = SampleRoot();
  ASSERT_TRUE(SaveMessageFile(saved, (folder_ / "ZorvanelData.ptb")).ok());
  Zorvanel loaded;
  ASSERT_TRUE(ReadMessageFile(&loaded, (folder_ / "ZorvanelData.ptb")).ok());
  EXPECT_EQ(loaded.SerializeAsString(), saved.SerializeAsString());
  EXPECT_EQ(loaded.equipment().cameras(0).model(), "Z100");
  EXPECT_THAT(folder_.FileNames(), ::testing::ElementsAre("ZorvanelData.ptb"));
}

TEST_F(MessageFileTest, FileOfExactlyOneChunkParses) {
  // The model's length is chosen so that the file is exactly 256 bytes: the
  // read of a full chunk must be followed by another.
  Zorvanel root = SampleRoot();
  Camera* camera = root.mutable_equipment()->mutable_cameras(0);
  while (root.ByteSizeLong() < 256) camera->mutable_model()->push_back('x');
  ASSERT_EQ(root.ByteSizeLong(), 256u);
  testing::WriteFile(folder_ / "d.ptb", root.SerializeAsString());

  Zorvanel loaded;
  EXPECT_TRUE(ReadMessageFile(&loaded, (folder_ / "d.ptb")).ok());
  EXPECT_EQ(loaded.equipment().cameras(0).model(), camera->model());
}

TEST_F(MessageFileTest, IncompleteOrDamagedContentKeepsWhatWasRead) {
  Zorvanel root = SampleRoot();

  // Zero bytes: neither required field, and nothing left of the old content.
  testing::WriteFile(folder_ / "empty.ptb", "");
  EXPECT_TRUE(ReadMessageFile(&root, (folder_ / "empty.ptb")).ok());
  EXPECT_FALSE(root.has_options());
  EXPECT_FALSE(root.has_equipment());

  // Options only (language 2), then a length running past the end.
  testing::WriteFile(folder_ / "cut.ptb", std::string("\x0A\x02\x20\x02\x12\x09\x12", 7));
  EXPECT_EQ(ReadMessageFile(&root, (folder_ / "cut.ptb")).error(), EBADMSG);
  EXPECT_EQ(root.options().language(), 2);
}

TEST_F(MessageFileTest, UnreadablePathLeavesTheMessageAlone) {
  Zorvanel root = SampleRoot();
  EXPECT_EQ(ReadMessageFile(&root, (folder_ / "missing.ptb")).error(), ENOENT);
  EXPECT_EQ(ReadMessageFile(&root, folder_.path().string()).error(), EISDIR);
  EXPECT_EQ(root.SerializeAsString(), SampleRoot().SerializeAsString());
}

TEST_F(MessageFileTest, SaveReplacesTheOldContentWhole) {
  testing::WriteFile(folder_ / "d.ptb", std::string(1000, 'z'));
  Zorvanel small;
  small.mutable_options();
  small.mutable_equipment();
  ASSERT_TRUE(SaveMessageFile(small, (folder_ / "d.ptb")).ok());
  EXPECT_EQ(testing::ReadFile(folder_ / "d.ptb"), std::string("\x0A\x00\x12\x00", 4));
}

TEST_F(MessageFileTest, SaveKeepsThePermissionsOfTheOldFile) {
  testing::WriteFile(folder_ / "d.ptb", "old");
  fs::permissions(folder_ / "d.ptb",
                  fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(SaveMessageFile(SampleRoot(), (folder_ / "d.ptb")).ok());
  EXPECT_EQ(fs::status((folder_ / "d.ptb")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(MessageFileTest, SaveWritesAMessageWithoutItsRequiredFields) {
  ASSERT_TRUE(SaveMessageFile(Zorvanel(), (folder_ / "d.ptb")).ok());
  EXPECT_EQ(testing::ReadFile(folder_ / "d.ptb"), "");
}

TEST_F(MessageFileTest, FailedSaveGivesTheReasonAndLeavesNothingBehind) {
  EXPECT_EQ(
      SaveMessageFile(SampleRoot(), (folder_ / "no/such/folder/d.ptb")).error(),
      ENOENT);

  fs::create_directory((folder_ / "taken"));
  EXPECT_FALSE(SaveMessageFile(SampleRoot(), (folder_ / "taken")).ok());
  EXPECT_TRUE(fs::is_directory((folder_ / "taken")));
  EXPECT_THAT(folder_.FileNames(), ::testing::ElementsAre("taken"));
}

TEST_F(MessageFileTest, WriteFailureKeepsTheOldFileIntact) {
  // A file size limit below the new content makes the write itself fail,
  // which is what a full disk does.
  const std::string old_content("\x0A\x00\x12\x00", 4);
  testing::WriteFile(folder_ / "d.ptb", old_content);
  Zorvanel big = SampleRoot();
  big.mutable_equipment()->mutable_cameras(0)->set_model(std::string(500, 'm'));

  Status saved;
  {
    const testing::FileSizeLimit limit(100);
    saved = SaveMessageFile(big, folder_ / "d.ptb");
  }

  EXPECT_EQ(saved.error(), EFBIG);
  EXPECT_EQ(testing::ReadFile(folder_ / "d.ptb"), old_content);
  EXPECT_THAT(folder_.FileNames(), ::testing::ElementsAre("d.ptb"));
}

}  // namespace
}  // namespace zorvanel
