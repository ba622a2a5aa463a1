// Tests of the script backend and of zorvanel-drive's command line.
#include "drive/script_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "drive/driver.h"
#include "scratch_folder.h"
#include "test_windows.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::LogWindow;
using testing::TestDialog;

// A list stand-in: rows 10 pixels tall; revealing a row scrolls so that it
// is the third one shown.
class FakeList : public LogWindow {
 public:
  using LogWindow::LogWindow;
  std::optional<Point> RevealRow(int index) override {
    if (index < 0 || index >= 100) return std::nullopt;
    first_row = std::max(0, index - 2);
    return Point{5, (index - first_row) * 10 + 5};
  }
  int first_row = 0;
};

// Records events with the virtual time they arrived at.
class TimedWindow : public Window {
 public:
  std::vector<std::string> log;

 protected:
  void OnPointerDown(Point p) override { Add("down", p); }
  void OnPointerMove(Point p) override { Add("move", p); }
  void OnPointerUp(Point p) override { Add("up", p); }
  void OnTimer(int id) override { Add("timer", Point{id, 0}); }

 private:
  void Add(const char* what, Point p) {
    log.push_back(std::string(what) + " " + std::to_string(p.x) + "," +
                  std::to_string(p.y) + " @" +
                  std::to_string(Shell::Get().Now()));
  }
};

// The program's status for how its dialog ended, apart from the driver's own
// statuses (0: the script ran out, 2: a bad line).
int StatusOf(DialogResult result) {
  return result == DialogResult::kOk ? 1 : 3;
}

// The program: `dialog`, run until it ends or the script does.
std::function<int()> Running(Dialog& dialog) {
  return [&dialog] { return StatusOf(dialog.RunModal()); };
}

struct DriverRun {
  int status = -1;
  std::string out;
  std::string err;
};

DriverRun Drive(const std::string& script,
                const std::function<int()>& program) {
  std::istringstream in(script);
  std::ostringstream out, err;
  DriverOptions options;
  DriverRun run;
  run.status = RunDriver(options, in, out, err, program);
  run.out = out.str();
  run.err = err.str();
  return run;
}

TEST(ScriptBackendTest, EachLineKindBecomesItsEvents) {
  std::vector<std::string> log;
  TestDialog dialog;
  LogWindow pad("pad", &log);
  LogWindow button("button", &log);
  FakeList list("list", &log);
  list.kind = "list";
  dialog.on_init = [&](TestDialog& d) {
    pad.Create(&d, 1, Rect{0, 0, 200, 200});
    button.Create(&d, 7, Rect{300, 100, 340, 120});
    list.Create(&d, 1000, Rect{200, 300, 400, 500});
    pad.SetFocus();
    d.SetSoftKeyBar(SoftKeys{"", 0, "Exit", 55});
  };
  const DriverRun run = Drive(
      "# every kind of line\n"
      "\n"
      "   tap 10 20\n"
      "dbltap 5 5   # a comment after the numbers\n"
      "press 1 2\r\n"
      "move 3 4\n"
      "release 5 6\n"
      "type a é€\n"
      "key left\n"
      "key backspace\n"
      "key shift+home\n"
      "key ctrl+a\n"
      "soft right\n"
      "click 7\n"
      "row 13\n"
      "key enter\n"
      "never read: the program has ended\n",
      [&] { return dialog.RunModal() == DialogResult::kOk ? 5 : 6; });
  EXPECT_EQ(run.status, 5) << run.err;
  EXPECT_THAT(
      log,
      ElementsAre("pad focus", "pad down 10,20", "pad up 10,20", "pad down 5,5",
                  "pad up 5,5", "pad dbl 5,5", "pad up 5,5", "pad down 1,2",
                  "pad move 3,4", "pad up 5,6", "pad char 97", "pad char 32",
                  "pad char 233", "pad char 8364", "pad key 0", "pad key 4",
                  "pad char 8", "pad key 12+1", "pad key 15+2",
                  "button down 20,10", "button up 20,10", "list down 5,25",
                  "list up 5,25", "pad key 6", "pad blur"));
  EXPECT_THAT(dialog.commands, ElementsAre(55, kIdOk));
  EXPECT_EQ(list.first_row, 11);
}

TEST(ScriptBackendTest, DragMovesEvery16MillisecondsAndWaitRunsTimers) {
  TestDialog dialog;
  TimedWindow pad;
  dialog.on_init = [&](TestDialog& d) {
    pad.Create(&d, 1, Rect{0, 0, 480, 588});
  };
  const DriverRun run = Drive(
      "drag 0 0 100 50 5\n"
      "tap 1 1\n"
      "wait 250\n"
      "tap 2 2\n",
      [&] {
        pad.SetTimer(4, 100);
        return StatusOf(dialog.RunModal());
      });
  EXPECT_EQ(run.status, 0) << run.err;
  // The timer, due every 100 ms from 0, waits for time to pass: not during
  // the drag (0 to 80 ms) nor the tap, but three times in the wait that
  // takes the clock from 80 to 330.
  EXPECT_THAT(pad.log,
              ElementsAre("down 0,0 @0", "move 20,10 @16", "move 40,20 @32",
                          "move 60,30 @48", "move 80,40 @64", "move 100,50 @80",
                          "up 100,50 @80", "down 1,1 @80", "up 1,1 @80",
                          "timer 4,0 @100", "timer 4,0 @200", "timer 4,0 @300",
                          "down 2,2 @330", "up 2,2 @330"));
}

// Repaints itself frame after frame, like a list gliding to rest, and
// shows "settled" once it has run `frames` frames.
class GlidingWindow : public Window {
 public:
  explicit GlidingWindow(int frames) : frames_(frames) {}
  int painted = 0;

 protected:
  void OnPaint(Canvas& /*canvas*/) override {
    ++painted;
    if (frames_ < 0 || painted < frames_) {
      Invalidate();
    } else if (painted == frames_) {
      SetText("settled at " + std::to_string(Shell::Get().Now()));
    }
  }

 private:
  int frames_;
};

TEST(ScriptBackendTest, ProgramSettlesBeforeEachLine) {
  TestDialog dialog;
  GlidingWindow glider(10);
  dialog.on_init = [&](TestDialog& d) {
    glider.Create(&d, 3, Rect{10, 20, 60, 80});
    d.SetSoftKeyBar(SoftKeys{"Options...", 10, "Exit", 1});
  };
  const DriverRun run = Drive("dump\n", Running(dialog));
  EXPECT_EQ(run.status, 0) << run.err;
  // Ten frames, 16 ms apart: the tenth at 9 * 16 = 144 ms; the new text
  // takes one more frame to show.
  ASSERT_EQ(glider.painted, 11);
  const nlohmann::json dump = nlohmann::json::parse(run.out);
  EXPECT_EQ(dump["dialog"], "TestDialog");
  EXPECT_EQ(dump["softkeys"], nlohmann::json({"Options...", "Exit"}));
  ASSERT_EQ(dump["controls"].size(), 1u);
  EXPECT_EQ(dump["controls"][0]["text"], "settled at 144");
  EXPECT_EQ(dump["controls"][0]["rect"], nlohmann::json({10, 20, 50, 60}));
  EXPECT_EQ(run.out.back(), '\n');
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

TEST(ScriptBackendTest, RunawayRepaintChainIsAnError) {
  std::istringstream script("dump\n");
  std::ostringstream out;
  auto backend = std::make_unique<ScriptBackend>(Size{480, 640}, script, out);
  backend->set_settle_frame_limit(50);
  Shell shell(std::move(backend));
  TestDialog dialog;
  GlidingWindow glider(-1);
  dialog.on_init = [&](TestDialog& d) {
    glider.Create(&d, 3, Rect{0, 0, 10, 10});
  };
  try {
    dialog.RunModal();
    FAIL() << "the chain ended";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.line_number, 0);
    EXPECT_THAT(e.reason, HasSubstr("never settles"));
  }
  EXPECT_EQ(glider.painted, 51);
  EXPECT_TRUE(out.str().empty());
}

TEST(ScriptBackendTest, BadLinesStopTheScriptWithTheirNumber) {
  const std::pair<const char*, const char*> cases[] = {
      // A line that cannot be read (the reasons: ScriptCommandTest), then
      // lines that cannot be carried out.
      {"tap 1", "expected: tap X Y"},
      {"click 99", "no visible control"},
      {"click 4", "no visible control"},  // hidden
      {"row 2", "no list"},
      {"shot /nonexistent/folder/x.png", "cannot write"},
  };
  for (const auto& [line, reason] : cases) {
    TestDialog dialog;
    Window hidden;
    dialog.on_init = [&](TestDialog& d) {
      hidden.Create(&d, 4, Rect{0, 0, 10, 10});
      hidden.Show(false);
    };
    const DriverRun run =
        Drive(std::string("# first\ntap 5 5\n") + line + "\ntap 6 6\n",
              Running(dialog));
    EXPECT_EQ(run.status, 2) << line;
    EXPECT_THAT(run.err, HasSubstr(reason)) << line;
    EXPECT_EQ(run.err.rfind("line 3: ", 0), 0u) << run.err;
    EXPECT_THAT(run.err, HasSubstr(std::string(": ") + line + "\n"));
  }
}

TEST(ScriptBackendTest, ShotSavesTheWholeScreen) {
  const testing::ScratchFolder folder;
  const std::string path = (folder / "shot.png").string();
  TestDialog dialog;
  LogWindow red("red", nullptr);
  red.paint = [](Canvas& c) { c.FillRect(Rect{0, 0, 5, 5}, Rgb(255, 0, 0)); };
  dialog.on_init = [&](TestDialog& d) { red.Create(&d, 1, Rect{2, 3, 7, 8}); };
  std::istringstream in("shot " + path + "\n");
  std::ostringstream out, err;
  DriverOptions options;
  options.screen = Size{240, 320};
  EXPECT_EQ(RunDriver(options, in, out, err, Running(dialog)), 0);
  std::unique_ptr<Image> shot = Image::LoadPng(path);
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot->size(), (Size{240, 320}));
  EXPECT_EQ(shot->ColourAt(2, 3), Rgb(255, 0, 0));
  EXPECT_EQ(shot->ColourAt(7, 8), Rgb(0, 0, 0));
  EXPECT_NE(shot->ColourAt(5, 310), Rgb(0, 0, 0));  // the soft-key bar
}

TEST(ScriptBackendTest, CloseLineIsTheWindowsCloseRequest) {
  TestDialog bottom, top;
  DialogResult top_result = DialogResult::kOk;
  bottom.on_init = [&](TestDialog&) { top_result = top.RunModal(); };
  const DriverRun run = Drive("close\n", Running(bottom));
  EXPECT_EQ(run.status, StatusOf(DialogResult::kCancel));
  EXPECT_EQ(top_result, DialogResult::kCancel);
  EXPECT_EQ(bottom.close_requests, 1);
  EXPECT_EQ(top.close_requests, 0);
}

TEST(DriverArgsTest, ReadsTheCommandLine) {
  std::vector<std::string> args = {"/opt/zv/zorvanel-drive",
                                   "--screen",
                                   "240x320",
                                   "--folder",
                                   "/data",
                                   "s.txt"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  Expected<DriverOptions> options =
      ParseDriverArgs(static_cast<int>(argv.size()), argv.data());
  ASSERT_TRUE(options.ok()) << options.status().Reason();
  EXPECT_EQ(options->screen, (Size{240, 320}));
  EXPECT_EQ(options->folder, "/data");
  EXPECT_EQ(options->script_path, "s.txt");

  // Defaults: 480 x 640, stdin, the folder of the running program.
  options = ParseDriverArgs(1, argv.data());
  ASSERT_TRUE(options.ok());
  EXPECT_EQ(options->screen, (Size{480, 640}));
  EXPECT_TRUE(options->script_path.empty());
  EXPECT_EQ(
      options->folder,
      std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

TEST(DriverArgsTest, RefusesBadCommandLines) {
  const std::vector<std::vector<std::string>> bad = {
      {"--screen"},          {"--screen", "480"},  {"--screen", "0x640"},
      {"--screen", "480x"},  {"--screen", "-4x5"}, {"--screen", "99999x640"},
      {"--folder"},          {"--verbose"},        {"a.txt", "b.txt"},
      {"--screen", "48x64x"}};
  for (const auto& words : bad) {
    std::vector<std::string> args = {"drive"};
    args.insert(args.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    const Expected<DriverOptions> options =
        ParseDriverArgs(static_cast<int>(argv.size()), argv.data());
    EXPECT_FALSE(options.ok()) << args[1];
    EXPECT_FALSE(options.status().Reason().empty());
  }
}

TEST(DriverTest, MissingScriptFileIsAnError) {
  DriverOptions options;
  options.script_path = "/nonexistent/script.txt";
  bool ran = false;
  EXPECT_EQ(RunDriver(options,
                      [&] {
                        ran = true;
                        return 0;
                      }),
            2);
  EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace zorvanel
