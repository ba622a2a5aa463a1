// The shipped camera database, and the tool that builds it from the
// readable camera list.

#include "camdb/camera_database.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "camdb/camera_list.h"
#include "data/zorvanel.pb.h"
#include "file_bytes.h"
#include "language_file_reader.h"
#include "optics/sensor.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

Equipment LoadShippedDatabase() {
  Equipment database;
  const std::string bytes =
      testing::ReadFile(std::string(ZV_BIN_DIR) + "/CameraDB.ptb");
  EXPECT_FALSE(bytes.empty()) << "CameraDB.ptb was not built";
  EXPECT_TRUE(database.ParseFromString(bytes)) << "CameraDB.ptb is damaged";
  return database;
}

const Camera* FindCamera(const Equipment& database, const std::string& maker,
                         const std::string& model) {
  for (const Camera& camera : database.cameras())
    if (camera.maker() == maker && camera.model() == model) return &camera;
  return nullptr;
}

class ShippedDatabaseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { database_ = LoadShippedDatabase(); }
  static Equipment database_;
};
Equipment ShippedDatabaseTest::database_;

TEST_F(ShippedDatabaseTest, HoldsManyCamerasFromManyMakers) {
  std::set<std::string> makers;
  for (const Camera& camera : database_.cameras()) {
    EXPECT_FALSE(camera.maker().empty());
    EXPECT_FALSE(camera.model().empty());
    makers.insert(camera.maker());
  }
  EXPECT_GE(database_.cameras_size(), 400);
  EXPECT_GE(makers.size(), 12u);
  // The selection is the user's business, not the database's.
  EXPECT_FALSE(database_.has_current_camera());
  EXPECT_FALSE(database_.has_current_lens());
}

// The manufacturer list is built from runs of equal maker: a maker that
// came back later would show twice and hide its first run.
TEST_F(ShippedDatabaseTest, EachMakerFormsOneRun) {
  std::set<std::string> finished;
  std::string current;
  for (const Camera& camera : database_.cameras()) {
    if (camera.maker() == current) continue;
    EXPECT_TRUE(finished.insert(current).second || current.empty())
        << current << " appears in two runs";
    EXPECT_EQ(finished.count(camera.maker()), 0u)
        << camera.maker() << " " << camera.model() << " starts a second run";
    current = camera.maker();
  }
}

TEST_F(ShippedDatabaseTest, KitLensesArePairedBothWays) {
  std::set<int> used_lenses;
  for (int i = 0; i < database_.cameras_size(); ++i) {
    const Camera& camera = database_.cameras(i);
    const int k = camera.lens_index();
    if (k == -1) continue;
    ASSERT_GE(k, 0) << camera.model();
    ASSERT_LT(k, database_.lenses_size()) << camera.model();
    EXPECT_EQ(database_.lenses(k).camera_index(), i) << camera.model();
    EXPECT_TRUE(used_lenses.insert(k).second)
        << "lens " << k << " is shared by two cameras";
  }
  // Every lens belongs to the camera that names it, and has a usable range
  // and its own widest f-number (then its narrowest, when not f/22).
  for (int k = 0; k < database_.lenses_size(); ++k) {
    const Lens& lens = database_.lenses(k);
    const int c = lens.camera_index();
    ASSERT_GE(c, 0) << lens.model();
    ASSERT_LT(c, database_.cameras_size()) << lens.model();
    EXPECT_EQ(database_.cameras(c).lens_index(), k) << lens.model();
    EXPECT_GT(lens.min_focal(), 0.0) << lens.model();
    EXPECT_GE(lens.max_focal(), lens.min_focal()) << lens.model();
    ASSERT_GE(lens.apertures_size(), 1) << lens.model();
    EXPECT_LE(lens.apertures_size(), 2) << lens.model();
    EXPECT_GE(lens.apertures(0), 0.95) << lens.model();
    EXPECT_GE(lens.apertures(lens.apertures_size() - 1), lens.apertures(0))
        << lens.model();
  }
}

// Two different kit lenses must not read alike: one name, one lens.
TEST_F(ShippedDatabaseTest, EachLensNameStandsForOneLens) {
  std::map<std::string, const Lens*> by_name;
  for (const Lens& lens : database_.lenses()) {
    const auto [it, first] =
        by_name.emplace(lens.maker() + " " + lens.model(), &lens);
    if (first) continue;
    const Lens& other = *it->second;
    EXPECT_TRUE(other.min_focal() == lens.min_focal() &&
                other.max_focal() == lens.max_focal() &&
                other.nearest_focus() == lens.nearest_focus() &&
                std::equal(other.apertures().begin(), other.apertures().end(),
                           lens.apertures().begin(), lens.apertures().end()))
        << "\"" << it->first << "\" names two different lenses";
  }
}

TEST_F(ShippedDatabaseTest, CirclesOfConfusionAndMultipliersAreSensible) {
  for (const Camera& camera : database_.cameras()) {
    const double coc = camera.circle_of_confusion();
    EXPECT_GE(coc, 0.004) << camera.maker() << " " << camera.model();
    EXPECT_LE(coc, 0.06) << camera.maker() << " " << camera.model();
    // Both come from one diagonal: coc = d / 1500 and m = 43.27 / d, so
    // coc * m * 1500 is 43.27 up to the roundings (coc to 0.001 mm, m to
    // 0.01 or a full frame's 1.0).
    const double diagonal = 43.27 / camera.focal_multiplier();
    EXPECT_NEAR(coc, diagonal / 1500.0, 0.0007) << camera.model();
    EXPECT_FALSE(camera.has_displayed_focal()) << camera.model();
  }
}

// Values worked out by hand from the published sensor sizes.
TEST_F(ShippedDatabaseTest, WellKnownBodiesHaveTheExpectedValues) {
  struct Expected {
    const char* maker;
    const char* model;
    double coc;         // diagonal / 1500, to 0.001 mm
    double multiplier;  // 43.27 / diagonal, to 0.01; full frame 1.0
  };
  const Expected kBodies[] = {
      // 36 x 24: diagonal 43.267
      {"Canon", "EOS 5D Mark IV", 0.029, 1.0},
      // 35.6 x 23.8: diagonal 42.823, still a full frame
      {"Panasonic", "Lumix S5", 0.029, 1.0},
      // 23.5 x 15.6: diagonal 28.207
      {"Nikon", "D5600", 0.019, 1.53},
      {"Sony", "Alpha 6400", 0.019, 1.53},
      // 22.3 x 14.9: diagonal 26.820
      {"Canon", "EOS 250D", 0.018, 1.61},
      // 17.3 x 13: diagonal 21.640
      {"Olympus", "E-M10 Mark IV", 0.014, 2.0},
      {"Panasonic", "Lumix G9", 0.014, 2.0},
      // 13.2 x 8.8: diagonal 15.864
      {"Sony", "Cyber-shot RX100 VII", 0.011, 2.73},
      // 6.17 x 4.55: diagonal 7.666
      {"Nikon", "Coolpix P1000", 0.005, 5.64},
      // 43.8 x 32.9: diagonal 54.780
      {"Fujifilm", "GFX 100S", 0.037, 0.79},
  };
  for (const Expected& expected : kBodies) {
    const Camera* camera =
        FindCamera(database_, expected.maker, expected.model);
    ASSERT_NE(camera, nullptr) << expected.maker << " " << expected.model;
    EXPECT_DOUBLE_EQ(camera->circle_of_confusion(), expected.coc)
        << expected.model;
    EXPECT_DOUBLE_EQ(camera->focal_multiplier(), expected.multiplier)
        << expected.model;
  }
}

TEST_F(ShippedDatabaseTest, KitAndBuiltInLensesComeWithTheirCameras) {
  const Camera* body = FindCamera(database_, "Canon", "EOS 250D");
  ASSERT_NE(body, nullptr);
  ASSERT_GE(body->lens_index(), 0);
  const Lens& kit = database_.lenses(body->lens_index());
  EXPECT_EQ(kit.maker(), "Canon");
  EXPECT_EQ(kit.model(), "EF-S 18-55 f/4 IS STM");
  EXPECT_EQ(kit.min_focal(), 18.0);
  EXPECT_EQ(kit.max_focal(), 55.0);
  EXPECT_THAT(kit.apertures(), ElementsAre(4.0));

  // A compact's own lens carries the camera's name, so the main screen
  // shows the camera's full name for the pair.
  const Camera* compact = FindCamera(database_, "Sony", "Cyber-shot RX100 VII");
  ASSERT_NE(compact, nullptr);
  ASSERT_GE(compact->lens_index(), 0);
  const Lens& built_in = database_.lenses(compact->lens_index());
  EXPECT_EQ(built_in.maker(), "Sony");
  EXPECT_EQ(built_in.model(), "Cyber-shot RX100 VII");
  EXPECT_EQ(built_in.min_focal(), 9.0);
  EXPECT_EQ(built_in.max_focal(), 72.0);
  EXPECT_THAT(built_in.apertures(), ElementsAre(2.8, 11.0));

  // A prime stores the same length at both ends.
  const Camera* prime = FindCamera(database_, "Fujifilm", "X100VI");
  ASSERT_NE(prime, nullptr);
  ASSERT_GE(prime->lens_index(), 0);
  EXPECT_EQ(database_.lenses(prime->lens_index()).min_focal(), 23.0);
  EXPECT_EQ(database_.lenses(prime->lens_index()).max_focal(), 23.0);

  // The kit lens's published nearest focus, where it has been checked.
  const Camera* d7500 = FindCamera(database_, "Nikon", "D7500");
  ASSERT_TRUE(d7500 && d7500->lens_index() >= 0);
  EXPECT_EQ(database_.lenses(d7500->lens_index()).nearest_focus(), 0.45);

  const Camera* alone = FindCamera(database_, "Nikon", "D850");
  ASSERT_NE(alone, nullptr);
  EXPECT_EQ(alone->lens_index(), -1);
}

std::optional<std::vector<CameraEntry>> Parse(const std::string& text,
                                              std::string* error) {
  std::istringstream in(text);
  return ParseCameraList(in, error);
}

TEST(CameraListTest, ReadsEveryFormOfLine) {
  std::string error;
  const auto entries = Parse(
      "# a comment\n"
      "\n"
      "  Acme | Z100 | 36x24  \n"
      "Acme | Pocket | d7.66 | built-in | 4.5-108 | f/3.3 | f/8\n"
      "Bolt | B1 | 23.5x15.6 | Bolt | 23mm f/2 | 23 | f/2\n"
      "Bolt | B2 | 23.5x15.6 | Bolt | 18-140mm | 18-140 | f/3.5 | | 0.45 m\n",
      &error);
  ASSERT_TRUE(entries) << error;
  ASSERT_EQ(entries->size(), 4u);

  EXPECT_EQ((*entries)[0].maker, "Acme");
  EXPECT_EQ((*entries)[0].model, "Z100");
  EXPECT_NEAR((*entries)[0].sensor_diagonal, 43.2666, 1e-4);
  EXPECT_FALSE((*entries)[0].lens);
  EXPECT_EQ((*entries)[0].line, 3);

  ASSERT_TRUE((*entries)[1].lens);
  EXPECT_DOUBLE_EQ((*entries)[1].sensor_diagonal, 7.66);
  EXPECT_EQ((*entries)[1].lens->maker, "Acme");
  EXPECT_EQ((*entries)[1].lens->model, "Pocket");
  EXPECT_EQ((*entries)[1].lens->min_focal, 4.5);
  EXPECT_EQ((*entries)[1].lens->max_focal, 108.0);
  EXPECT_EQ((*entries)[1].lens->widest_aperture, 3.3);
  EXPECT_EQ((*entries)[1].lens->narrowest_aperture, 8.0);

  ASSERT_TRUE((*entries)[2].lens);
  EXPECT_EQ((*entries)[2].lens->model, "23mm f/2");
  EXPECT_EQ((*entries)[2].lens->min_focal, 23.0);
  EXPECT_EQ((*entries)[2].lens->max_focal, 23.0);
  EXPECT_EQ((*entries)[2].lens->widest_aperture, 2.0);
  EXPECT_FALSE((*entries)[2].lens->narrowest_aperture);
  ASSERT_TRUE((*entries)[3].lens);
  EXPECT_FALSE((*entries)[3].lens->narrowest_aperture);
  EXPECT_EQ((*entries)[3].lens->nearest_focus, 0.45);
}

// A mistake in the list must stop the build with the line, not ship a
// camera with a wrong or missing value.
TEST(CameraListTest, RejectsMalformedLinesNamingTheLine) {
  const struct {
    const char* line;
    const char* message;
  } kBad[] = {
      {"Acme | Z100", "fields"},
      {"Acme | Z100 | 36x24 | Acme", "fields"},
      {"Acme | | 36x24", "must not be empty"},
      {"Acme | Z100 | 36*24", "sensor"},
      {"Acme | Z100 | 36x", "sensor"},
      {"Acme | Z100 | 36,0x24", "sensor"},
      {"Acme | Z100 | 1x1", "sensor"},
      {"Acme | Z100 | d400", "sensor"},
      {"Acme | Z100 | 36x24 | kit | 18-55", "built-in"},
      {"Acme | Z100 | 36x24 | built-in | 55-18", "focal"},
      {"Acme | Z100 | 36x24 | built-in | 0", "focal"},
      {"Acme | Z100 | 36x24 | built-in | 18-", "focal"},
      {"Acme | Z100 | 36x24 | Acme | | 18-55", "lens model"},
      {"Acme | Z100 | 36x24 | built-in | 18-55 | 3.5", "aperture"},
      {"Acme | Z100 | 36x24 | Acme | 18-55mm | 18-55 | f/0", "aperture"},
      {"Acme | Z100 | 36x24 | built-in | 18-55 | f/8 | f/2.8", "narrowest"},
      {"Acme | Z100 | 36x24 | built-in | 18-55 | f/2 | f/8 | f/16", "nearest"},
      {"Acme | Z100 | 36x24 | built-in | 18 | f/2 | | 0.2 m | x", "fields"},
  };
  for (const auto& bad : kBad) {
    std::string error;
    EXPECT_FALSE(Parse(std::string("# first\n") + bad.line + "\n", &error))
        << bad.line;
    EXPECT_THAT(error, HasSubstr("line 2")) << bad.line;
    EXPECT_THAT(error, HasSubstr(bad.message)) << bad.line;
  }
}

TEST(CameraListTest, RejectsACameraListedTwice) {
  std::string error;
  EXPECT_FALSE(
      Parse("Acme | Z100 | 36x24\nBolt | B1 | 36x24\n"
            "Acme | Z100 | 23.5x15.6\n",
            &error));
  EXPECT_THAT(error, HasSubstr("line 3"));
  EXPECT_THAT(error, HasSubstr("line 1"));
}

// A sensor within 2 % of the 36 x 24 diagonal (43.27 mm) is a full frame;
// just outside, its multiplier is rounded like any other.
TEST(CameraListTest, FullFrameBoundLiesTwoPercentEitherSide) {
  const struct {
    double multiplier;  // 43.27 / diagonal before rounding
    double stored;
  } kCases[] = {{1.019, 1.0}, {1.021, 1.02}, {0.981, 1.0}, {0.979, 0.98}};
  for (const auto& c : kCases) {
    EXPECT_DOUBLE_EQ(FocalMultiplier(43.27 / c.multiplier), c.stored)
        << c.multiplier;
  }
}

TEST(CameraDatabaseTest, GroupsMakersAndPairsLenses) {
  std::string error;
  const auto entries = Parse(
      "Acme | A1 | 36x24 | Acme | 24-70mm | 24-70\n"
      "Bolt | B1 | 17.3x13\n"
      "Acme | A2 | 13.2x8.8 | built-in | 8.8-36.8\n"
      "Bolt | B2 | 22.3x14.9 | Bolt | 18-55mm | 18-55\n",
      &error);
  ASSERT_TRUE(entries) << error;
  const Equipment database = BuildCameraDatabase(*entries);

  ASSERT_EQ(database.cameras_size(), 4);
  EXPECT_EQ(database.cameras(0).model(), "A1");
  EXPECT_EQ(database.cameras(1).model(), "A2");
  EXPECT_EQ(database.cameras(2).model(), "B1");
  EXPECT_EQ(database.cameras(3).model(), "B2");

  ASSERT_EQ(database.lenses_size(), 3);
  EXPECT_EQ(database.cameras(0).lens_index(), 0);
  EXPECT_EQ(database.lenses(0).camera_index(), 0);
  EXPECT_EQ(database.cameras(1).lens_index(), 1);
  EXPECT_EQ(database.lenses(1).camera_index(), 1);
  EXPECT_EQ(database.lenses(1).model(), "A2");
  EXPECT_EQ(database.cameras(2).lens_index(), -1);
  EXPECT_EQ(database.cameras(3).lens_index(), 2);
  EXPECT_EQ(database.lenses(2).camera_index(), 3);

  // 13.2 x 8.8: diagonal 15.864, / 1500 = 0.01058
  EXPECT_DOUBLE_EQ(database.cameras(1).circle_of_confusion(), 0.011);
  // 17.3 x 13: diagonal 21.640, / 1500 = 0.01443
  EXPECT_DOUBLE_EQ(database.cameras(2).circle_of_confusion(), 0.014);
}

TEST(CameraDatabaseTest, ListingShowsBrokenLinksInsteadOfFollowingThem) {
  Equipment database;
  Camera* camera = database.add_cameras();
  camera->set_maker("Acme");
  camera->set_model("Z100");
  camera->set_circle_of_confusion(0.029);
  camera->set_focal_multiplier(1.0);
  camera->set_lens_index(5);
  Camera* other = database.add_cameras();
  other->set_maker("Acme");
  other->set_model("Z200");
  other->set_lens_index(0);
  Lens* lens = database.add_lenses();
  lens->set_model("Stray");
  lens->set_min_focal(35);
  lens->set_max_focal(35);
  lens->set_camera_index(7);

  const std::string text = FormatCameraDatabase(database);
  EXPECT_THAT(text, HasSubstr("2 cameras from 1 makers, 1 lenses"));
  EXPECT_THAT(text, HasSubstr("Acme | Z100 | 0.029 mm | x1.000 | lens 5 is "
                              "missing"));
  EXPECT_THAT(text, HasSubstr("Stray | 35 mm (not paired back)"));
}

}  // namespace
}  // namespace zorvanel
