// Tests of the application's run: loading, damaged files, settings, saving.
#include "app/zorvanel_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "app/paths.h"
#include "dialog_test.h"
#include "file_size_limit.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "language_file_bytes.h"
#include "optics/units.h"
#include "platform/shell.h"
#include "sample_data.h"
#include "scratch_folder.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {
namespace {

namespace fs = std::filesystem;
using testing::FiftyMillimetreData;
using testing::LanguageFile;
using testing::ReadFile;
using testing::WriteFile;

Zorvanel ParseFile(const fs::path& path, bool* complete) {
  Zorvanel data;
  *complete = data.ParseFromString(ReadFile(path));
  return data;
}

class AppTest : public testing::DialogTest {
 protected:
  void TearDown() override {
    unsetenv("XDG_DATA_HOME");
    DialogTest::TearDown();
  }

  fs::path data_path() const { return folder_ / "ZorvanelData.ptb"; }

  // Runs the application on a headless screen; the equipment screen is
  // replaced by `equipment` (counted in equipment_calls_), which may look at
  // the application's data through AppData().
  int RunApp(const std::string& script, std::function<DialogResult()> equipment,
             Size screen = Size{480, 640}) {
    StartShell(script, screen);
    GetFontTable().Clear();
    CZorvanelApp app(Folders());
    app_ = &app;
    app.set_equipment_screen([this, equipment](Window*) {
      ++equipment_calls_;
      return equipment();
    });
    return app.Run();
  }

  ProgramFolders Folders() const {
    return {data_folder_.string(), shipped_folder_.empty()
                                       ? data_folder_.string()
                                       : shipped_folder_.string()};
  }

  const Zorvanel& AppData() const { return app_->data(); }

  testing::ScratchFolder folder_;
  // The program folder the app is given, and the folder of what ships with
  // it (none: the program folder).
  fs::path data_folder_ = folder_.path();
  fs::path shipped_folder_;
  int equipment_calls_ = 0;
  const CZorvanelApp* app_ = nullptr;
};

DialogResult LeaveEquipmentScreen() { return DialogResult::kCancel; }

TEST_F(AppTest, FirstRunInAnEmptyFolderCreatesTheDataFile) {
  bool data_was_empty = false;
  const int status = RunApp("", [&] {
    data_was_empty =
        AppData().equipment().cameras_size() == 0 && !AppData().has_options();
    return LeaveEquipmentScreen();
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(equipment_calls_, 1);
  EXPECT_TRUE(data_was_empty);
  bool complete = false;
  const Zorvanel saved = ParseFile(data_path(), &complete);
  EXPECT_TRUE(complete);  // options and equipment both written
  EXPECT_TRUE(saved.options().show_hyperfocal());
  EXPECT_EQ(saved.options().focal_wheel(), 0.0);
  EXPECT_EQ(saved.equipment().current_camera(), -1);
}

TEST_F(AppTest, DataFileWithOnlyOptionsKeepsTheSettings) {
  Zorvanel stored;
  stored.mutable_options()->set_units(kImperial);
  stored.mutable_options()->set_focal_wheel(50.0);
  stored.mutable_options()->set_show_hyperfocal(false);
  WriteFile(data_path(), stored.SerializePartialAsString());

  int units_seen = -1;
  EXPECT_EQ(RunApp("",
                   [&] {
                     units_seen = ToUnitSystem(AppData().options().units());
                     return LeaveEquipmentScreen();
                   }),
            0);
  EXPECT_EQ(equipment_calls_, 1);  // no equipment: the first-run screen
  EXPECT_EQ(units_seen, kImperial);
  bool complete = false;
  const Zorvanel saved = ParseFile(data_path(), &complete);
  EXPECT_TRUE(complete);
  EXPECT_DOUBLE_EQ(saved.options().focal_wheel(), 50.0);  // 240 px and back
  EXPECT_FALSE(saved.options().show_hyperfocal());
  EXPECT_EQ(saved.options().units(), kImperial);
}

TEST_F(AppTest, CorruptDataFileIsKeptAsideAndWhatWasReadIsUsed) {
  // A valid root followed by an equipment block cut short.
  std::string bytes = FiftyMillimetreData().SerializeAsString();
  bytes += std::string("\x12\x05\x20\x01", 4);
  WriteFile(data_path(), bytes);

  EXPECT_EQ(RunApp("dump\nkey enter\ndump\nsoft right\n", LeaveEquipmentScreen),
            0);
  EXPECT_EQ(equipment_calls_, 0);  // the camera and lens were read
  EXPECT_NE(out_.str().find("\"title\":\"Data file damaged\""),
            std::string::npos);
  EXPECT_NE(out_.str().find("\"camera\":\"Body + Fifty\""), std::string::npos);
  bool complete = false;
  const Zorvanel saved = ParseFile(data_path(), &complete);
  EXPECT_TRUE(complete);
  ASSERT_EQ(saved.equipment().cameras_size(), 1);
  EXPECT_EQ(saved.equipment().cameras(0).model(), "Body");
  int kept = 0;
  for (const auto& entry : fs::directory_iterator(folder_.path())) {
    if (entry.path().filename().string().starts_with(
            "ZorvanelData.ptb.damaged-")) {
      EXPECT_EQ(ReadFile(entry.path()), bytes);
      ++kept;
    }
  }
  EXPECT_EQ(kept, 1);
}

TEST_F(AppTest, PowerCutBeforeExitWritesNothing) {
  const std::string old_bytes = FiftyMillimetreData().SerializeAsString();
  WriteFile(data_path(), old_bytes);
  EXPECT_THROW(RunApp("drag 100 240 300 240\n", LeaveEquipmentScreen),
               ScriptFinished);
  EXPECT_EQ(ReadFile(data_path()), old_bytes);
}

TEST_F(AppTest, StoredLanguageAndUnitsApplyAtStart) {
  WriteFile(folder_ / "Translation.lang",
            LanguageFile("[Exit]\nEnglish;Exit\nFrench;Quitter\n"
                         "[Hyperfocal]\nFrench;Hyperfocale\n"));
  Zorvanel stored = FiftyMillimetreData();
  stored.mutable_options()->set_language(1);
  stored.mutable_options()->set_units(kImperial);
  WriteFile(data_path(), stored.SerializeAsString());

  EXPECT_EQ(RunApp("dump\nsoft right\n", LeaveEquipmentScreen), 0);
  const std::string dump = out_.str();
  EXPECT_NE(dump.find("\"softkeys\":[\"Options...\",\"Quitter\"]"),
            std::string::npos)
      << dump;
  EXPECT_NE(dump.find("\"large_label\":\"Hyperfocale\""), std::string::npos);
  EXPECT_NE(dump.find("\"distance\":\"9.84 ft.\""), std::string::npos);
}

TEST_F(AppTest, InstalledProgramReadsShareAndMakesItsHomeDataFolder) {
  setenv("XDG_DATA_HOME", (folder_ / "xdg").c_str(), 1);
  data_folder_ = UserDataHome();
  shipped_folder_ = folder_ / "share";
  fs::create_directories(shipped_folder_);
  WriteFile(shipped_folder_ / "Translation.lang",
            LanguageFile("[Exit]\nEnglish;Exit\nFrench;Quitter\n"));
  int languages = 0;
  EXPECT_EQ(RunApp("",
                   [&] {
                     languages = GetTranslator().language_count();
                     return LeaveEquipmentScreen();
                   }),
            0);
  EXPECT_EQ(languages, 2);
  // The run made the folder, private to the user.
  const fs::path home = folder_ / "xdg/zorvanel";
  EXPECT_TRUE(fs::is_regular_file(home / "ZorvanelData.ptb"));
  EXPECT_EQ(fs::status(home).permissions(), fs::perms::owner_all);
}

TEST_F(AppTest, DisplayScaleAndFontsFollowTheScreen) {
  WriteFile(data_path(), FiftyMillimetreData().SerializeAsString());
  int scale = 0;
  for (const auto& [screen, expected] :
       {std::pair{Size{240, 320}, 50}, std::pair{Size{480, 640}, 100},
        std::pair{Size{480, 800}, 100}, std::pair{Size{640, 480}, 75}}) {
    StartShell("", screen);
    CZorvanelApp app(Folders());
    scale = app.GetDisplayScale();
    EXPECT_EQ(scale, expected) << screen.width << "x" << screen.height;
  }
  RunApp("soft right\n", LeaveEquipmentScreen, Size{240, 320});
  ASSERT_NE(GetFontTable().GetFont("BigScreen"), nullptr);
  EXPECT_EQ(GetFontTable().GetFont("BigScreen")->request().height,
            -32);  // -65 * 50 / 100
  EXPECT_EQ(GetFontTable().GetFont("Wheel")->request().height, -7);

  // A window resized again and again ends with the fonts of its last size
  // and keeps stretched pictures for that size only.
  GetBitmapCache().DropScaled();
  RunApp("soft right\n", LeaveEquipmentScreen, Size{1200, 700});
  const size_t one_size = GetBitmapCache().scaled_count();
  RunApp("resize 960 1280\nresize 1024 600\nresize 1200 700\nsoft right\n",
         LeaveEquipmentScreen);
  EXPECT_EQ(GetBitmapCache().scaled_count(), one_size);
  EXPECT_EQ(GetFontTable().GetFont("BigScreen")->request().height,
            -70);  // -65 * 109 / 100
}

// Collects what is written to stderr while it lives (through a pipe, which
// no file size limit touches).
class StderrCapture {
 public:
  StderrCapture() {
    if (pipe(fds_) != 0) std::abort();
    saved_ = dup(2);
    dup2(fds_[1], 2);
  }
  std::string Finish() {
    dup2(saved_, 2);
    close(saved_);
    close(fds_[1]);
    std::string text;
    char buffer[512];
    ssize_t n;
    while ((n = read(fds_[0], buffer, sizeof buffer)) > 0)
      text.append(buffer, n);
    close(fds_[0]);
    return text;
  }

 private:
  int fds_[2];
  int saved_;
};

TEST_F(AppTest, FailedSaveReportsAndKeepsTheOldFile) {
  const std::string old_bytes = FiftyMillimetreData().SerializeAsString();
  WriteFile(data_path(), old_bytes);
  int status = 0;
  std::string message;
  {
    // The saved data grows by the wheel positions, so it cannot fit.
    testing::FileSizeLimit limit(old_bytes.size());
    StderrCapture capture;
    // "No" on the question that follows: end without saving.
    status = RunApp("drag 100 240 200 240\nsoft right\nkey escape\n",
                    LeaveEquipmentScreen);
    message = capture.Finish();
  }
  EXPECT_NE(status, 0);
  EXPECT_EQ(message.rfind(
                "zorvanel: could not save " + data_path().string() + ": ", 0),
            0u)
      << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  EXPECT_EQ(ReadFile(data_path()), old_bytes);
  for (const auto& entry : fs::directory_iterator(folder_.path())) {
    EXPECT_THAT(entry.path().filename().string(),  // no leftovers
                ::testing::AnyOf("ZorvanelData.ptb", "ZorvanelData.lock"));
  }
}

}  // namespace
}  // namespace zorvanel
