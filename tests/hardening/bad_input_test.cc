// Bad typed input in every entry of the equipment screens, through the real
// program: each number entry refuses what is not a sound number with a
// message and shows the text again, the entries that repair a value make it
// sound, no screen ever shows a broken number, and the saved data holds
// only finite numbers.

#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "driver_process.h"
#include "hardening_support.h"
#include "saved_data_check.h"

namespace zorvanel::hardening {
namespace {

using nlohmann::json;

constexpr char kDataFile[] = "ZorvanelData.ptb";
// A text field keeps at most this many characters.
constexpr size_t kFieldLength = 255;

// Ids of the value entry and of the message box.
constexpr int kField1 = 1021;
constexpr int kField2 = 1022;

// What users type by mistake, and what a number parser must not take for a
// number.
const std::vector<std::string>& BadNumbers() {
  static const std::vector<std::string> texts = {
      "",
      "   ",
      "nan",
      "NaN",
      "inf",
      "-inf",
      "1e400",
      "-0",
      "0x10",
      "1e-400",
      std::string(300, '9')};  // longer than the field, too
  return texts;
}

// "nan" or "inf" as a word of a text on the screen: a number that went
// wrong on its way to the screen ("Infinity" is a word of its own).
bool ShowsBrokenNumber(const std::string& text) {
  static const std::regex kBroken("(^|[^A-Za-z])(nan|inf)([^A-Za-z]|$)",
                                  std::regex::icase);
  return std::regex_search(text, kBroken);
}

const json* FindControl(const json& dump, int id) {
  for (const json& control : dump["controls"]) {
    if (control.value("id", 0) == id && control.value("visible", false)) {
      return &control;
    }
  }
  return nullptr;
}

class BadInputTest : public ::testing::Test {
 protected:
  enum class Outcome { kRejected, kAccepted };

  void Start(const Zorvanel* data) {
    if (data != nullptr) {
      WriteFile(folder_ / kDataFile, data->SerializeAsString());
    }
    driver_ = std::make_unique<DriverProcess>(ZV_DRIVER, folder_.path(),
                                              "480x640", folder_ / "log");
  }

  // Sends one line and returns the screen after it.
  json Do(const std::string& line) {
    Send(line);
    return Screen(line);
  }

  void Send(const std::string& line) {
    EXPECT_TRUE(driver_->Send(line)) << line;
  }

  // What the screen shows now.
  json Screen(const std::string& after = "") {
    json dump = driver_->Dump();
    if (dump.is_discarded()) {
      ADD_FAILURE() << "the program ended after \"" << after
                    << "\": " << ReadFile(folder_ / "log");
      throw std::runtime_error("the program ended");
    }
    ExpectNoBrokenNumber(dump, after);
    return dump;
  }

  static void ExpectNoBrokenNumber(const json& dump, const std::string& line) {
    for (const json& control : dump["controls"]) {
      if (control.value("kind", "") == "edit") continue;  // what was typed
      EXPECT_FALSE(ShowsBrokenNumber(control.value("text", "")))
          << control.value("text", "") << " after " << line;
    }
    if (dump.contains("rows")) {
      EXPECT_FALSE(ShowsBrokenNumber(dump["rows"].dump()))
          << dump["rows"].dump() << " after " << line;
    }
  }

  // Types `texts` into the open value entry, one per field.
  void Fill(const std::vector<std::string>& texts) {
    const json before = Screen();
    for (size_t i = 0; i < texts.size(); ++i) {
      const json* field = FindControl(before, i == 0 ? kField1 : kField2);
      ASSERT_NE(field, nullptr);
      // A double tap focuses the field and selects its whole text.
      const json& r = (*field)["rect"];
      const int x = r[0].get<int>() + r[2].get<int>() / 2;
      const int y = r[1].get<int>() + r[3].get<int>() / 2;
      Send("dbltap " + std::to_string(x) + " " + std::to_string(y));
      Send("key delete");
      if (!texts[i].empty()) Send("type " + texts[i]);
    }
    const json after = Screen();
    for (size_t i = 0; i < texts.size(); ++i) {
      const json* field = FindControl(after, i == 0 ? kField1 : kField2);
      ASSERT_NE(field, nullptr);
      EXPECT_EQ((*field)["text"], texts[i].substr(0, kFieldLength));
    }
  }

  // Presses "Ok" in the entry. A refusal must come as a message; after it
  // the entry is back with the refused text.
  Outcome PressOk(const std::vector<std::string>& texts) {
    json dump = Do("click 1");
    if (dump["dialog"] != "CMessageBox") return Outcome::kAccepted;
    EXPECT_FALSE(dump["title"].get<std::string>().empty());
    dump = Do("click 1");
    EXPECT_EQ(dump["dialog"], "CEditValueDlg");
    const json* field = FindControl(dump, kField1);
    if (field != nullptr) {
      EXPECT_EQ((*field)["text"], texts[0].substr(0, kFieldLength));
    }
    return Outcome::kRejected;
  }

  // Every bad number, in each field of the open entry (the other field
  // holding `good`), must be refused; then `good` is accepted.
  void ExpectAllRefused(const std::vector<std::string>& good) {
    for (const std::string& bad : BadNumbers()) {
      for (size_t field = 0; field < good.size(); ++field) {
        std::vector<std::string> texts = good;
        texts[field] = bad;
        Fill(texts);
        EXPECT_EQ(PressOk(texts), Outcome::kRejected)
            << "\"" << bad << "\" in field " << field + 1 << " was accepted";
      }
    }
    Fill(good);
    EXPECT_EQ(PressOk(good), Outcome::kAccepted);
  }

  // Ends the run as closing the window does, and returns the saved data.
  Zorvanel CloseAndLoad() {
    driver_->Send("close");
    EXPECT_EQ(driver_->Finish(), 0) << ReadFile(folder_ / "log");
    EXPECT_EQ(CheckSavedData(folder_ / kDataFile), "");
    Zorvanel saved;
    EXPECT_TRUE(saved.ParseFromString(ReadFile(folder_ / kDataFile)));
    return saved;
  }

  ScratchFolder folder_;
  std::unique_ptr<DriverProcess> driver_;
};

TEST_F(BadInputTest, CameraEditorRefusesBadNumbersAndKeepsAnyName) {
  Start(nullptr);
  ASSERT_EQ(Screen()["dialog"], "CEquipmentDlg");
  Send("click 1000");                                       // the camera list
  Send("click 1002");                                       // add
  ASSERT_EQ(Do("click 1002")["dialog"], "CEditCameraDlg");  // by hand

  ASSERT_EQ(Do("click 1000")["title"], "Circle of confusion");
  Send("row 2");  // the sensor's size, then its crop factor
  Send("key enter");
  ExpectAllRefused({"23.5", "15.6"});
  Send("row 3");
  Send("key enter");
  ExpectAllRefused({"1.5"});
  Send("row 4");  // a value of one's own
  Send("key enter");
  ExpectAllRefused({"0.019"});
  ASSERT_EQ(Do("click 1001")["title"], "Focal multiplier");
  ExpectAllRefused({"35", "52.5"});

  // Names are free text: none is refused, none breaks the editor.
  for (const std::string& name :
       {std::string(), std::string("   "), std::string("-0"),
        std::string(300, 'x'), std::string("Maker\\nModel")}) {
    Send("click 1009");
    Fill({name});
    EXPECT_EQ(PressOk({name}), Outcome::kAccepted) << name;
    EXPECT_EQ(Screen()["dialog"], "CEditCameraDlg");
  }
  EXPECT_EQ(Do("soft left")["dialog"], "CameraListDlg");

  const Zorvanel saved = CloseAndLoad();
  ASSERT_EQ(saved.equipment().cameras_size(), 1);
  const Camera& camera = saved.equipment().cameras(0);
  EXPECT_DOUBLE_EQ(camera.circle_of_confusion(), 0.019);
  EXPECT_NEAR(camera.focal_multiplier(), 1.5, 1e-9);  // 52.5 / 35
  EXPECT_EQ(camera.maker(), "Maker");
  EXPECT_EQ(camera.model(), "Model");
}

TEST_F(BadInputTest, ValueListsRefuseBadNumbersInBothUnitSystems) {
  // The full collection shows distances in feet.
  const Zorvanel data = FullData();
  ASSERT_EQ(data.options().units(), 1);
  Start(&data);
  ASSERT_EQ(Do("soft left")["dialog"], "CEquipmentDlg");  // "Options..."
  // Good values differ between the rounds and from the lens's own, so that
  // none is refused as already there. Only distances depend on the units.
  const struct {
    const char* units;
    std::vector<const char*> lists;
    const char* one;
    std::vector<std::string> range;
  } kRounds[] = {{"imperial", {"1037"}, "7", {"30", "40"}},
                 {"metric", {"1035", "1036", "1037"}, "9.5", {"60", "70"}}};
  for (const auto& round : kRounds) {
    SCOPED_TRACE(round.units);
    ASSERT_EQ(Do("click 1003")["dialog"], "LensListDlg");
    Send("row 0");
    ASSERT_EQ(Do("click 1004")["dialog"], "CEditLensDlg");
    for (const char* list : round.lists) {
      SCOPED_TRACE(list);
      ASSERT_EQ(Do(std::string("click ") + list)["dialog"],
                "CEditValueListDlg");
      Send("click 1000");  // add one
      ExpectAllRefused({round.one});
      Send("click 1001");  // add a range
      ExpectAllRefused(round.range);
      EXPECT_EQ(Do("soft left")["dialog"], "CEditLensDlg");
    }
    EXPECT_EQ(Do("soft left")["dialog"], "LensListDlg");
    EXPECT_EQ(Do("soft right")["dialog"], "CEquipmentDlg");
    Send("click 1006");  // the other unit system
  }
  const Zorvanel saved = CloseAndLoad();
  const Lens& lens = saved.equipment().lenses(0);
  // A value and a range were added to each list.
  EXPECT_GT(lens.focals_size(), data.equipment().lenses(0).focals_size());
  EXPECT_GT(lens.apertures_size(), data.equipment().lenses(0).apertures_size());
  EXPECT_GT(lens.distances_size(), data.equipment().lenses(0).distances_size());
}

TEST_F(BadInputTest, LensCreationBoundsAreRefusedOrMadeSound) {
  Start(nullptr);
  ASSERT_EQ(Do("click 1003")["dialog"], "LensListDlg");
  int created = 0;
  // Each bad number in each of the four bounds, the others sound.
  for (const std::string& bad : BadNumbers()) {
    for (int bound = 0; bound < 4; ++bound) {
      std::vector<std::string> texts = {"18", "55", "2.8", "22"};
      texts[bound] = bad;
      SCOPED_TRACE("bound " + std::to_string(bound) + ": \"" + bad + "\"");
      ASSERT_EQ(Do("click 1002")["title"], "Focal of your lens");
      Fill({texts[0], texts[1]});
      if (PressOk({texts[0], texts[1]}) == Outcome::kRejected) {
        Do("click 2");
        continue;
      }
      ASSERT_EQ(Screen()["title"], "Aperture of your lens");
      Fill({texts[2], texts[3]});
      if (PressOk({texts[2], texts[3]}) == Outcome::kRejected) {
        Do("click 2");
        continue;
      }
      ASSERT_EQ(Screen()["title"], "Name of your lens");
      Fill({"Lens " + std::to_string(++created)});
      EXPECT_EQ(PressOk({""}), Outcome::kAccepted);
      ASSERT_EQ(Screen()["dialog"], "CEditLensDlg");
      EXPECT_EQ(Do("soft left")["dialog"], "LensListDlg");
    }
  }
  const Zorvanel saved = CloseAndLoad();
  EXPECT_EQ(saved.equipment().lenses_size(), created);
  for (const Lens& lens : saved.equipment().lenses()) {
    EXPECT_GT(lens.focals_size(), 0) << lens.model();
    EXPECT_GT(lens.apertures_size(), 0) << lens.model();
    EXPECT_GE(lens.min_focal(), 1.0) << lens.model();
  }
}

// A damaged or hand-edited data file may hold any double and a name padded
// with NULs: the program must start on it, keep it aside as it was, drop
// what it never stores, and show the broken numbers as "no value", never as
// "nan" or "inf".
Zorvanel DamagedData() {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  Zorvanel data = FiftyMillimetreData();
  Options* options = data.mutable_options();
  options->set_focal_wheel(nan);
  options->set_aperture_wheel(inf);
  options->set_distance_wheel(-1e300);
  options->set_language(99);
  options->set_units(-3);
  Camera* camera = data.mutable_equipment()->mutable_cameras(0);
  camera->set_circle_of_confusion(nan);
  camera->set_focal_multiplier(inf);
  camera->set_displayed_focal(-inf);
  Lens* lens = data.mutable_equipment()->mutable_lenses(0);
  lens->add_focals(nan);
  lens->add_focals(1e308);
  lens->add_apertures(nan);
  lens->add_apertures(-inf);
  lens->add_distances(nan);
  lens->add_distances(1e300);
  lens->set_min_focal(nan);
  lens->set_max_focal(inf);
  lens->set_model(lens->model() + std::string(14, '\0'));
  return data;
}

TEST_F(BadInputTest, DamagedNumbersInTheDataFileShowAsNoValue) {
  const Zorvanel data = DamagedData();
  Start(&data);
  EXPECT_EQ(Screen()["title"], "Data file damaged");
  EXPECT_EQ(Do("key enter")["dialog"], "CZorvanelDlg");
  // The three wheels over all their entries.
  for (int y : {250, 360, 470}) {
    Send("drag 10 " + std::to_string(y) + " 470 " + std::to_string(y));
    Screen("wheel at " + std::to_string(y));
  }
  Do("tap 50 100");  // the other large line
  ASSERT_EQ(Do("soft left")["dialog"], "CEquipmentDlg");
  ASSERT_EQ(Do("click 1000")["dialog"], "CameraListDlg");
  Send("row 0");
  EXPECT_EQ(Do("click 1004")["dialog"], "CEditCameraDlg");
  Do("soft right");
  Do("soft right");
  ASSERT_EQ(Do("click 1003")["dialog"], "LensListDlg");
  Send("row 0");
  EXPECT_EQ(Do("click 1004")["dialog"], "CEditLensDlg");
  for (const char* list : {"1035", "1036", "1037"}) {
    EXPECT_EQ(Do(std::string("click ") + list)["dialog"], "CEditValueListDlg");
    Do("soft right");
  }
  driver_->Send("close");
  EXPECT_EQ(driver_->Finish(), 0) << ReadFile(folder_ / "log");
  EXPECT_EQ(CheckSavedData(folder_ / kDataFile), "");
  Zorvanel saved;
  ASSERT_TRUE(saved.ParseFromString(ReadFile(folder_ / kDataFile)));
  EXPECT_EQ(saved.equipment().lenses(0).model(),
            FiftyMillimetreData().equipment().lenses(0).model());
  // The lock, the data file, the kept copy, the log.
  const std::string kept = folder_.FileNames()[2];
  ASSERT_TRUE(kept.starts_with("ZorvanelData.ptb.damaged-")) << kept;
  EXPECT_EQ(ReadFile(folder_ / kept), data.SerializeAsString());
}

}  // namespace
}  // namespace zorvanel::hardening
