// The camera database apart from its dialogs: manufacturer runs, loading,
// and the lens a database camera comes with.
#include "data/camera_database.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "file_bytes.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

Equipment WithMakers(std::initializer_list<const char*> makers) {
  Equipment database;
  for (const char* maker : makers) database.add_cameras()->set_maker(maker);
  return database;
}

TEST(ManufacturerRuns, OneRunPerStretchOfEqualMakers) {
  using Runs = std::vector<ManufacturerRun>;
  EXPECT_EQ(ManufacturerRuns(WithMakers({"A", "A", "B", "B", "B"})),
            (Runs{{"A", 0, 2}, {"B", 2, 3}}));
  // A maker that comes back gets a row of its own for each stretch.
  EXPECT_EQ(ManufacturerRuns(WithMakers({"A", "B", "A"})),
            (Runs{{"A", 0, 1}, {"B", 1, 1}, {"A", 2, 1}}));
  // Makers compare byte for byte.
  EXPECT_EQ(ManufacturerRuns(WithMakers({"Acme", "acme"})),
            (Runs{{"Acme", 0, 1}, {"acme", 1, 1}}));
  EXPECT_TRUE(ManufacturerRuns(Equipment()).empty());
}

TEST(ManufacturerRuns, CamerasWithoutMaker) {
  using Runs = std::vector<ManufacturerRun>;
  // First: a row with an empty name. Last: no row, the end of the list is
  // what closes a run and it has no maker either.
  EXPECT_EQ(ManufacturerRuns(WithMakers({"", "", "A"})),
            (Runs{{"", 0, 2}, {"A", 2, 1}}));
  EXPECT_EQ(ManufacturerRuns(WithMakers({"A", "", ""})), (Runs{{"A", 0, 1}}));
  EXPECT_EQ(ManufacturerRuns(WithMakers({"A", "", "B"})),
            (Runs{{"A", 0, 1}, {"", 1, 1}, {"B", 2, 1}}));
  EXPECT_TRUE(ManufacturerRuns(WithMakers({"", ""})).empty());
}

class CameraDatabaseFile : public ::testing::Test {
 protected:
  void Write(const std::string& bytes) { testing::WriteFile(path_, bytes); }

  testing::ScratchFolder folder_;
  std::string path_ = folder_ / "CameraDB.ptb";
};

TEST_F(CameraDatabaseFile, MissingDamagedOrEmptyFilesOfferNothing) {
  CameraDatabase database;
  EXPECT_EQ(database.Load(path_).error(), ENOENT);

  // A length running past the end of the data.
  Write(std::string("\x12\x40\x12\x01", 4));
  EXPECT_EQ(database.Load(path_).error(), EBADMSG);
  EXPECT_EQ(database.equipment().cameras_size(), 0);
  EXPECT_TRUE(database.runs().empty());

  // Zero bytes parse as an equipment without cameras: nothing to pick.
  Write("");
  EXPECT_EQ(database.Load(path_).error(), ENODATA);
}

TEST_F(CameraDatabaseFile, LoadsCamerasRunsAndKitLenses) {
  Equipment source = WithMakers({"A", "A", "B"});
  source.add_lenses()->set_model("Kit");
  source.mutable_cameras(0)->set_lens_index(0);
  source.mutable_cameras(1)->set_lens_index(1);  // past the lenses
  source.mutable_cameras(2)->set_lens_index(-1);
  Write(source.SerializeAsString());

  CameraDatabase database;
  ASSERT_TRUE(database.Load(path_).ok());
  EXPECT_EQ(database.equipment().cameras_size(), 3);
  EXPECT_EQ(database.runs().size(), 2u);
  ASSERT_NE(database.KitLens(0), nullptr);
  EXPECT_EQ(database.KitLens(0)->model(), "Kit");
  EXPECT_EQ(database.KitLens(1), nullptr);
  EXPECT_EQ(database.KitLens(2), nullptr);
  EXPECT_EQ(database.KitLens(3), nullptr);
  EXPECT_EQ(database.KitLens(-1), nullptr);
}

}  // namespace
}  // namespace zorvanel
