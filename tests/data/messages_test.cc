// The stored messages are the file format: these bytes are worked out by hand
// from the wire format (tag = field number << 3 | wire type).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "data/zorvanel.pb.h"

namespace zorvanel {
namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

TEST(MessagesTest, DefaultsOfAbsentFields) {
  const Camera camera;
  EXPECT_EQ(camera.circle_of_confusion(), -1.0);
  EXPECT_EQ(camera.lens_index(), -1);
  EXPECT_EQ(camera.focal_multiplier(), 0.0);
  EXPECT_EQ(camera.displayed_focal(), 35.0);
  EXPECT_EQ(Lens().camera_index(), -1);
  const Equipment equipment;
  EXPECT_EQ(equipment.current_lens(), -1);
  EXPECT_EQ(equipment.current_camera(), -1);
  const Options options;
  EXPECT_TRUE(options.show_hyperfocal());
  EXPECT_EQ(options.units(), 0);
  EXPECT_EQ(options.language(), 0);
}

TEST(MessagesTest, RootWithEmptyOptionsAndEquipmentIsFourBytes) {
  Zorvanel root;
  root.mutable_options();
  root.mutable_equipment();
  EXPECT_EQ(root.SerializeAsString(), Bytes({0x0A, 0x00, 0x12, 0x00}));

  root.mutable_options()->set_show_hyperfocal(false);
  EXPECT_EQ(root.SerializeAsString(),
            Bytes({0x0A, 0x02, 0x30, 0x00, 0x12, 0x00}));
}

TEST(MessagesTest, FieldSetToItsDefaultIsStillWritten) {
  Camera camera;
  camera.set_lens_index(-1);
  // A negative int32 is a sign-extended ten-byte varint.
  EXPECT_EQ(camera.SerializeAsString(),
            Bytes({0x28, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                   0x01}));
}

TEST(MessagesTest, RepeatedDoublesAreNotPacked) {
  Lens lens;
  lens.add_apertures(2.8);
  lens.add_apertures(4.0);
  // 2.8 = 0x4006666666666666, 4.0 = 0x4010000000000000, little-endian.
  EXPECT_EQ(lens.SerializeAsString(),
            Bytes({0x21, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x06, 0x40,  //
                   0x21, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x40}));
}

TEST(MessagesTest, RootParsesOnlyWithBothRequiredFields) {
  Zorvanel root;
  EXPECT_TRUE(root.ParsePartialFromString(""));
  EXPECT_FALSE(root.IsInitialized());
  EXPECT_FALSE(root.has_options());
  EXPECT_FALSE(root.has_equipment());

  // Options only, with language 3: the parse fails but keeps what it read.
  EXPECT_TRUE(root.ParsePartialFromString(Bytes({0x0A, 0x02, 0x20, 0x03})));
  EXPECT_FALSE(root.IsInitialized());
  EXPECT_EQ(root.options().language(), 3);

  EXPECT_TRUE(root.ParseFromString(Bytes({0x0A, 0x00, 0x12, 0x00})));
  EXPECT_TRUE(root.options().show_hyperfocal());
}

}  // namespace
}  // namespace zorvanel
