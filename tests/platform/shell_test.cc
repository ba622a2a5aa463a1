// Tests of the shell: modal loop, timers, input, focus, soft keys, painting.
#include "platform/shell.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "drive/dialog_dump.h"
#include "fake_backend.h"
#include "platform/palette.h"
#include "test_windows.h"

namespace zorvanel {
namespace {

using ::testing::ElementsAre;
using testing::FakeBackend;
using testing::LogWindow;
using testing::TestDialog;

class ShellTest : public ::testing::Test {
 protected:
  explicit ShellTest(Size screen = Size{480, 640}) {
    auto backend = std::make_unique<FakeBackend>(screen);
    backend_ = backend.get();
    shell_ = std::make_unique<Shell>(std::move(backend));
  }

  // Runs `dialog` with `body` called once it is on screen; the body ends
  // the dialog when it is done (or the test's events do).
  DialogResult RunWith(TestDialog& dialog,
                       std::function<void(TestDialog&)> body) {
    dialog.on_init = std::move(body);
    return dialog.RunModal();
  }

  FakeBackend* backend_;
  std::unique_ptr<Shell> shell_;
  std::vector<std::string> log_;
};

// --- The modal loop ---------------------------------------------------------

TEST_F(ShellTest, NestedDialogsReturnTheirResultsInTurn) {
  TestDialog outer, inner;
  std::vector<size_t> depths;
  DialogResult inner_result = DialogResult::kCancel;
  inner.on_init = [&](TestDialog& d) {
    depths.push_back(shell_->modal_stack().size());
    d.SetTimer(1, 50);
    d.on_timer = [](TestDialog& d, int) { d.EndDialog(DialogResult::kOk); };
  };
  outer.on_init = [&](TestDialog& d) {
    depths.push_back(shell_->modal_stack().size());
    inner_result = inner.RunModal();
    depths.push_back(shell_->modal_stack().size());
    EXPECT_EQ(shell_->TopDialog(), &outer);
    d.EndDialog(DialogResult::kCancel);
  };
  EXPECT_EQ(outer.RunModal(), DialogResult::kCancel);
  EXPECT_EQ(inner_result, DialogResult::kOk);
  EXPECT_THAT(depths, ElementsAre(1, 2, 1));
  EXPECT_TRUE(shell_->modal_stack().empty());
  EXPECT_FALSE(outer.running());
  // The dialog fills the screen above the soft-key bar.
  EXPECT_EQ(outer.rect(), (Rect{0, 0, 480, 588}));
}

TEST_F(ShellTest, DialogEndedDuringInitialisationNeverWaits) {
  TestDialog dialog;
  EXPECT_EQ(RunWith(dialog,
                    [](TestDialog& d) { d.EndDialog(DialogResult::kCancel); }),
            DialogResult::kCancel);
  EXPECT_EQ(backend_->waits_, 0);
}

TEST_F(ShellTest, DialogEndedFromATimerStopsAtThatTime) {
  TestDialog dialog;
  dialog.on_timer = [&](TestDialog& d, int id) {
    EXPECT_EQ(id, 3);
    EXPECT_EQ(shell_->Now(), 250u);
    d.EndDialog(DialogResult::kOk);
  };
  EXPECT_EQ(RunWith(dialog, [](TestDialog& d) { d.SetTimer(3, 250); }),
            DialogResult::kOk);
  EXPECT_EQ(backend_->now_, 250u);
}

TEST_F(ShellTest, DialogDestroyedInsideItsOwnLoopEndsIt) {
  auto dialog = std::make_unique<TestDialog>();
  // A window outside the dialog whose timer destroys it.
  struct Killer : Window {
    std::unique_ptr<TestDialog>* victim;
    void OnTimer(int) override {
      KillTimer(1);
      victim->reset();
    }
  } killer;
  killer.victim = &dialog;
  killer.SetTimer(1, 30);
  EXPECT_EQ(dialog->RunModal(), DialogResult::kCancel);
  EXPECT_EQ(dialog, nullptr);
  EXPECT_TRUE(shell_->modal_stack().empty());
}

TEST_F(ShellTest, DialogAlreadyRunningCannotRunAgain) {
  TestDialog dialog;
  DialogResult again = DialogResult::kOk;
  EXPECT_EQ(RunWith(dialog,
                    [&](TestDialog& d) {
                      EXPECT_TRUE(d.running());
                      again = d.RunModal();
                      d.EndDialog(DialogResult::kOk);
                    }),
            DialogResult::kOk);
  EXPECT_EQ(again, DialogResult::kCancel);
  EXPECT_FALSE(dialog.running());
}

// --- Timers on the clock -----------------------------------------------------

TEST_F(ShellTest, TimersRepeatUntilKilledAndDieWithTheirWindow) {
  TestDialog dialog;
  auto window = std::make_unique<LogWindow>("w", &log_);
  std::vector<uint32_t> fired;
  dialog.on_timer = [&](TestDialog& d, int id) {
    fired.push_back(shell_->Now());
    if (fired.size() == 3) {
      d.KillTimer(id);
      window.reset();  // its own timer goes with it
      d.SetTimer(9, 1000);
    }
    if (id == 9) d.EndDialog(DialogResult::kOk);
  };
  RunWith(dialog, [&](TestDialog& d) {
    window->Create(&d, 5, Rect{0, 0, 10, 10});
    window->SetTimer(1, 120);
    d.SetTimer(1, 100);
  });
  EXPECT_THAT(fired, ElementsAre(100, 200, 300, 1300));
  // The window's timer fired at 120 and 240 only.
  EXPECT_THAT(log_, ElementsAre("w timer 1", "w timer 1"));
}

TEST_F(ShellTest, SettingATimerAgainRestartsIt) {
  TestDialog dialog;
  std::vector<std::string> fired;
  dialog.on_timer = [&](TestDialog& d, int id) {
    fired.push_back(std::to_string(id) + "@" + std::to_string(shell_->Now()));
    if (id == 2) {
      d.KillTimer(2);
      d.SetTimer(1, 1000);  // due at 1600 now, not 1000
    } else {
      d.EndDialog(DialogResult::kOk);
    }
  };
  RunWith(dialog, [](TestDialog& d) {
    d.SetTimer(1, 1000);
    d.SetTimer(2, 600);
  });
  EXPECT_THAT(fired, ElementsAre("2@600", "1@1600"));
}

// --- Pointer input -----------------------------------------------------------

class PointerTest : public ShellTest {
 protected:
  void SetUp() override {
    // panel (10,10)-(210,210) holds a at (0,0)-(100,100) with a child
    // deep at (10,10)-(30,30), and b at (50,50)-(150,150) over part of a.
    panel_.Create(&dialog_, 10, Rect{10, 10, 210, 210});
    a_.Create(&panel_, 11, Rect{0, 0, 100, 100});
    deep_.Create(&a_, 12, Rect{10, 10, 30, 30});
    b_.Create(&panel_, 13, Rect{50, 50, 150, 150});
  }

  // Runs the dialog's loop, with `setup` done once it is on screen, until
  // the queued events are used up.
  void Feed(std::function<void()> setup = {}) {
    dialog_.on_init = [&](TestDialog&) {
      if (setup) setup();
    };
    try {
      dialog_.RunModal();
    } catch (const testing::Stalled&) {
    }
  }

  void Tap(Point p) {
    backend_->Push(InputEvent::Type::kPointerDown, p);
    backend_->Push(InputEvent::Type::kPointerUp, p);
  }

  TestDialog dialog_;
  LogWindow panel_{"panel", &log_};
  LogWindow a_{"a", &log_};
  LogWindow deep_{"deep", &log_};
  LogWindow b_{"b", &log_};
};

TEST_F(PointerTest, PressGoesToTheDeepestTopmostVisibleWindow) {
  Tap(Point{25, 25});    // deep, in its own coordinates (5, 5)
  Tap(Point{70, 70});    // a and b overlap: b was added later, b wins
  Tap(Point{200, 200});  // only the panel
  Feed([&] {
    EXPECT_EQ(shell_->WindowAt(Point{5, 5}), &dialog_);
    EXPECT_EQ(shell_->WindowAt(Point{5, 600}), nullptr);  // soft-key bar
  });
  EXPECT_THAT(log_, ElementsAre("deep down 5,5", "deep up 5,5", "b down 10,10",
                                "b up 10,10", "panel down 190,190",
                                "panel up 190,190"));
}

TEST_F(PointerTest, HiddenWindowsAreSkippedAndDisabledOnesDropThePress) {
  b_.Show(false);
  Tap(Point{70, 70});  // b hidden: a gets it
  Feed();
  EXPECT_THAT(log_, ElementsAre("a down 60,60", "a up 60,60"));

  log_.clear();
  a_.Enable(false);
  Tap(Point{70, 70});  // a disabled: nobody
  Tap(Point{25, 25});  // deep is enabled but its parent is not
  Feed();
  EXPECT_TRUE(log_.empty());
}

TEST_F(PointerTest, TheWindowPressedKeepsThePointerUntilRelease) {
  backend_->Push(InputEvent::Type::kPointerDown, Point{25, 25});
  backend_->Push(InputEvent::Type::kPointerMove, Point{300, 25});
  backend_->Push(InputEvent::Type::kPointerUp, Point{300, 400});
  backend_->Push(InputEvent::Type::kPointerMove, Point{25, 25});  // no one
  Feed();
  EXPECT_THAT(
      log_, ElementsAre("deep down 5,5", "deep move 280,5", "deep up 280,380"));
  EXPECT_EQ(shell_->capture(), nullptr);
}

TEST_F(PointerTest, ExplicitCaptureTakesEveryPointerEvent) {
  Tap(Point{200, 200});
  backend_->Push(InputEvent::Type::kDoubleTap, Point{200, 200});
  Feed([&] { a_.SetCapture(); });
  EXPECT_THAT(log_,
              ElementsAre("a down 190,190", "a up 190,190", "a dbl 190,190"));
  // The dialog has gone, and its capture with it.
  EXPECT_EQ(shell_->capture(), nullptr);
}

TEST_F(PointerTest, WheelGoesToTheWindowUnderThePointerOrItsParents) {
  a_.use_wheel = true;
  backend_->PushWheel(Point{25, 25}, 2);     // deep declines, a takes it
  backend_->PushWheel(Point{200, 200}, -1);  // the panel declines
  backend_->PushWheel(Point{25, 600}, 1);    // the soft-key bar: nobody
  Feed();
  EXPECT_THAT(log_, ElementsAre("deep wheel 2 5,5", "a wheel 2 15,15",
                                "panel wheel -1 190,190"));
}

TEST_F(ShellTest, SecondClickOfADoubleClickStaysInTheDialogOfTheFirst) {
  TestDialog outer, inner;
  const Point right_key{400, 620};
  // The first click of a double click on "Back" ends the inner dialog; the
  // second one must not press the outer dialog's key in the same place.
  for (InputEvent::Type type :
       {InputEvent::Type::kPointerDown, InputEvent::Type::kPointerUp,
        InputEvent::Type::kDoubleTap, InputEvent::Type::kPointerUp}) {
    backend_->Push(type, right_key);
  }
  // A click of its own still works.
  backend_->Push(InputEvent::Type::kPointerDown, right_key);
  backend_->Push(InputEvent::Type::kPointerUp, right_key);
  outer.on_init = [&](TestDialog& d) {
    d.SetSoftKeyBar(SoftKeys{"", 0, "Exit", 50});
    inner.on_init = [](TestDialog& i) {
      i.SetSoftKeyBar(SoftKeys{"", 0, "Back", kIdCancel});
    };
    inner.RunModal();
  };
  EXPECT_THROW(outer.RunModal(), testing::Stalled);
  EXPECT_THAT(inner.commands, ElementsAre(kIdCancel));
  EXPECT_THAT(outer.commands, ElementsAre(50));
}

// --- Focus and keys ----------------------------------------------------------

class NamedWindow : public LogWindow {
 public:
  using LogWindow::LogWindow;
  std::string Tooltip() const override { return "Remove"; }
};

TEST_F(PointerTest, RestingMouseShowsTheTooltipUntilAnythingElseHappens) {
  NamedWindow named{"named", &log_};
  named.Create(&dialog_, 20, Rect{300, 300, 400, 400});
  auto hover = [&](Point p, uint32_t ms) {
    InputEvent move;
    move.type = InputEvent::Type::kPointerMove;
    move.point = p;
    shell_->Dispatch(move);
    backend_->Advance(ms);
    shell_->RunPendingWork();
    return shell_->tooltip().shown();
  };
  Feed([&] {
    // No press happened in this dialog: a hover is never a stray gesture.
    EXPECT_FALSE(hover(Point{350, 350}, kTooltipDelayMs - 1));
    EXPECT_TRUE(hover(Point{360, 350}, 1));  // moving within it keeps time
    EXPECT_EQ(shell_->tooltip().text(), "Remove");
    EXPECT_FALSE(hover(Point{25, 25}, kTooltipDelayMs));  // a has none
    EXPECT_TRUE(hover(Point{350, 350}, kTooltipDelayMs));
    shell_->Dispatch(InputEvent{.type = InputEvent::Type::kPointerDown,
                                .point = Point{350, 350}});
    EXPECT_FALSE(shell_->tooltip().shown());
  });
  EXPECT_THAT(log_, ElementsAre("named down 50,50"));
}

TEST_F(PointerTest, FocusMovesWithBlurFirstAndDiesWithItsWindow) {
  a_.SetFocus();
  b_.SetFocus();
  EXPECT_TRUE(b_.HasFocus());
  EXPECT_THAT(log_, ElementsAre("a focus", "a blur", "b focus"));
  {
    LogWindow temporary("t", &log_);
    temporary.Create(&dialog_, 30, Rect{0, 0, 1, 1});
    temporary.SetFocus();
  }
  EXPECT_EQ(shell_->focus(), nullptr);
}

TEST_F(PointerTest, KeysGoToTheFocusOrTheDialog) {
  backend_->PushKey(Key::kLeft);
  backend_->PushKey(Key::kDelete);
  backend_->PushKey(Key::kBackspace);  // not used as a key: a char 8 follows
  backend_->PushChar(U'é');
  backend_->PushKey(Key::kEnter);
  Feed([&] { a_.SetFocus(); });
  EXPECT_THAT(log_, ElementsAre("a focus", "a key 0", "a key 5", "a key 4",
                                "a char 8", "a char 233", "a key 6", "a blur"));
  EXPECT_THAT(dialog_.commands, ElementsAre(kIdOk));
}

TEST_F(PointerTest, BackspaceUsedAsAKeySendsNoCharacter) {
  a_.use_keys = true;
  backend_->PushKey(Key::kBackspace);
  Feed([&] { a_.SetFocus(); });
  EXPECT_THAT(log_, ElementsAre("a focus", "a key 4", "a blur"));
}

TEST_F(PointerTest, DisabledFocusHearsNoKeys) {
  backend_->PushKey(Key::kLeft);
  backend_->PushChar(U'x');
  Feed([&] {
    a_.SetFocus();
    panel_.Enable(false);
  });
  EXPECT_THAT(log_, ElementsAre("a focus", "a blur"));
}

TEST_F(PointerTest, TabAndShiftTabGoRoundTheFields) {
  a_.tab_stop = true;
  b_.tab_stop = true;
  backend_->PushKey(Key::kTab);
  backend_->PushKey(Key::kTab);
  backend_->PushKey(Key::kTab);
  backend_->PushKey(Key::kTab, kModShift);
  Feed();
  EXPECT_THAT(log_, ElementsAre("a focus", "a blur", "b focus", "b blur",
                                "a focus", "a blur", "b focus", "b blur"));
}

TEST_F(ShellTest, EscapeCancelsUnlessTheDialogRefuses) {
  TestDialog dialog;
  dialog.escape_cancels = false;
  backend_->PushKey(Key::kEscape);
  backend_->PushKey(Key::kF2);  // then the right soft key ends it
  RunWith(dialog, [](TestDialog& d) {
    d.SetSoftKeyBar(SoftKeys{"Options...", 40, "Exit", kIdOk});
  });
  EXPECT_THAT(dialog.commands, ElementsAre(kIdOk));

  TestDialog other;
  backend_->PushKey(Key::kEscape);
  EXPECT_EQ(RunWith(other, [](TestDialog&) {}), DialogResult::kCancel);
}

TEST_F(ShellTest, ModalDialogTakesTheFocusAwayAndGivesItBack) {
  TestDialog outer, inner;
  LogWindow field("field", &log_);
  outer.on_init = [&](TestDialog& d) {
    field.Create(&d, 1, Rect{0, 0, 10, 10});
    field.SetFocus();
    inner.on_init = [&](TestDialog& i) {
      EXPECT_EQ(shell_->focus(), nullptr);
      i.EndDialog(DialogResult::kOk);
    };
    inner.RunModal();
    d.EndDialog(DialogResult::kOk);
  };
  outer.RunModal();
  // Back to the field when the inner one leaves, and away from it with its
  // own dialog (nothing had the focus before).
  EXPECT_THAT(log_, ElementsAre("field focus", "field covered", "field blur",
                                "field focus", "field blur"));
}

// --- The soft-key bar and the close request ---------------------------------

TEST_F(ShellTest, SoftKeyBarSendsTheKeysCommandOnRelease) {
  EXPECT_EQ(shell_->soft_key_bar_height(), 52);
  EXPECT_EQ(shell_->DialogArea(), (Rect{0, 0, 480, 588}));
  TestDialog dialog;
  backend_->Push(InputEvent::Type::kPointerDown, Point{10, 600});
  backend_->Push(InputEvent::Type::kPointerUp, Point{10, 630});  // left
  backend_->Push(InputEvent::Type::kPointerDown, Point{100, 600});
  backend_->Push(InputEvent::Type::kPointerUp, Point{400, 600});  // moved off
  backend_->Push(InputEvent::Type::kPointerDown, Point{479, 639});
  backend_->Push(InputEvent::Type::kPointerUp, Point{479, 639});  // right
  RunWith(dialog, [](TestDialog& d) {
    d.SetSoftKeyBar(SoftKeys{"Options...", 32778, "Exit", kIdOk});
  });
  EXPECT_THAT(dialog.commands, ElementsAre(32778, kIdOk));
}

TEST_F(ShellTest, AnUnlabelledSoftKeyNeverReacts) {
  TestDialog dialog;
  backend_->Push(InputEvent::Type::kPointerDown, Point{10, 600});
  backend_->Push(InputEvent::Type::kPointerUp, Point{10, 600});
  backend_->PushKey(Key::kF1);
  backend_->Push(InputEvent::Type::kPointerDown, Point{10, 600});
  Colour held;
  dialog.on_timer = [&](TestDialog& d, int) {
    shell_->PaintFrame();
    held = shell_->frame().ColourAt(10, 630);
    d.EndDialog(DialogResult::kOk);
  };
  RunWith(dialog, [](TestDialog& d) {
    d.SetSoftKeyBar(SoftKeys{"", 32778, "Back", kIdCancel});
    d.SetTimer(1, 10);  // fires once the events are used up
  });
  EXPECT_THAT(dialog.commands, ElementsAre());
  EXPECT_NE(held, palette::kSoftKeyPressed);  // held down, yet not lit
}

TEST_F(ShellTest, CloseRequestCancelsUpperDialogsThenAsksTheBottomOne) {
  TestDialog bottom, middle, top;
  DialogResult middle_result = DialogResult::kOk,
               top_result = DialogResult::kOk, late_result = DialogResult::kOk;
  top.on_init = [&](TestDialog&) {
    InputEvent close;
    close.type = InputEvent::Type::kClose;
    shell_->Dispatch(close);
    // The bottom dialog hears nothing until the ones above are gone.
    EXPECT_EQ(bottom.close_requests, 0);
  };
  middle.on_init = [&](TestDialog&) {
    top_result = top.RunModal();
    TestDialog late;
    late_result = late.RunModal();  // refused while closing
  };
  bottom.on_init = [&](TestDialog&) { middle_result = middle.RunModal(); };
  EXPECT_EQ(bottom.RunModal(), DialogResult::kCancel);  // the default: cancel
  EXPECT_EQ(top_result, DialogResult::kCancel);
  EXPECT_EQ(middle_result, DialogResult::kCancel);
  EXPECT_EQ(late_result, DialogResult::kCancel);
  EXPECT_EQ(bottom.close_requests, 1);
  EXPECT_FALSE(shell_->closing());
}

TEST_F(ShellTest, BottomDialogMayRefuseToClose) {
  struct Stubborn : TestDialog {
    void OnCloseRequest() override { ++close_requests; }
  } dialog;
  backend_->Push(InputEvent::Type::kClose);
  backend_->PushKey(Key::kEnter);
  EXPECT_EQ(RunWith(dialog, [&](TestDialog&) {}), DialogResult::kOk);
  EXPECT_EQ(dialog.close_requests, 1);
}

// --- Painting and the dump
// ----------------------------------------------------

TEST_F(ShellTest, FramePaintsChildrenOverParentsClippedAndThenTheBar) {
  TestDialog dialog;
  LogWindow box("box", &log_);
  LogWindow inner("inner", &log_);
  box.paint = [&](Canvas& c) {
    log_.push_back("paint box");
    c.FillRect(Rect{-50, -50, 500, 500}, Rgb(255, 0, 0));  // clipped
  };
  inner.paint = [&](Canvas& c) {
    log_.push_back("paint inner");
    c.FillRect(Rect{0, 0, 5, 5}, Rgb(0, 255, 0));
  };
  dialog.on_init = [&](TestDialog& d) {
    box.Create(&d, 1, Rect{100, 100, 200, 150});
    inner.Create(&box, 2, Rect{10, 10, 40, 40});
    d.SetSoftKeyBar(SoftKeys{"Left", 5, "Right", 6});
    shell_->RunPendingWork();
    d.EndDialog(DialogResult::kOk);
  };
  dialog.RunModal();
  EXPECT_THAT(log_, ElementsAre("paint box", "paint inner"));
  EXPECT_EQ(backend_->presents_, 1);
  const Image& frame = shell_->frame();
  EXPECT_EQ(frame.ColourAt(100, 100), Rgb(255, 0, 0));
  EXPECT_EQ(frame.ColourAt(199, 149), Rgb(255, 0, 0));
  EXPECT_EQ(frame.ColourAt(200, 150), Rgb(0, 0, 0));
  EXPECT_EQ(frame.ColourAt(99, 100), Rgb(0, 0, 0));
  EXPECT_EQ(frame.ColourAt(110, 110), Rgb(0, 255, 0));  // inner's origin
  EXPECT_EQ(frame.ColourAt(115, 115), Rgb(255, 0, 0));
  // The bar: dark, not black, and with the labels' white ink somewhere.
  const Colour bar = frame.ColourAt(2, 635);
  EXPECT_GT(bar.r, 0);
  EXPECT_LT(bar.r, 80);
  int white = 0;
  for (int y = 588; y < 640; ++y) {
    for (int x = 0; x < 480; ++x) white += frame.ColourAt(x, y).r > 200;
  }
  EXPECT_GT(white, 50);
}

class DumpWindow : public LogWindow {
 public:
  using LogWindow::LogWindow;
  void AddToDump(Description& dump) const override {
    dump.Set("rows", std::vector<int>{id()});
  }
};

TEST_F(ShellTest, DumpDescribesTheTopDialogInScreenPixels) {
  TestDialog dialog;
  DumpWindow panel("panel", &log_);
  LogWindow label("label", &log_);
  nlohmann::json dump;
  dialog.on_init = [&](TestDialog& d) {
    panel.Create(&d, 1000, Rect{10, 20, 110, 220});
    panel.kind = "list";
    panel.SetText("row text");
    label.Create(&panel, 1007, Rect{5, 5, 55, 25});
    label.SetText("Ünïcode");
    label.Enable(false);
    label.SetFocus();
    d.SetSoftKeyBar(SoftKeys{"Select", 1, "Back", 2});
    dump = DumpTopDialog(*shell_);
    d.EndDialog(DialogResult::kOk);
  };
  dialog.RunModal();
  const nlohmann::json expected = nlohmann::json::parse(R"({
    "dialog": "TestDialog", "title": "Test title",
    "softkeys": ["Select", "Back"],
    "controls": [
      {"id": 1000, "kind": "list", "rect": [10, 20, 100, 200],
       "visible": true, "enabled": true, "focused": false,
       "text": "row text"},
      {"id": 1007, "kind": "window", "rect": [15, 25, 50, 20],
       "visible": true, "enabled": false, "focused": true,
       "text": "Ünïcode"}],
    "rows": [1000]})");
  EXPECT_EQ(dump, expected) << dump.dump();
}

class SmallScreenTest : public ShellTest {
 protected:
  SmallScreenTest() : ShellTest(Size{240, 320}) {}
};

TEST_F(SmallScreenTest, BarAndDialogAreaFollowTheScale) {
  EXPECT_EQ(shell_->scale(), 50);
  EXPECT_EQ(shell_->soft_key_bar_height(), 26);
  EXPECT_EQ(shell_->DialogArea(), (Rect{0, 0, 240, 294}));
}

}  // namespace
}  // namespace zorvanel
