// Reading driver script lines: each kind of line, and each reason a line is
// refused, word for word as the driver prints it.
#include "drive/script_command.h"

#include <gtest/gtest.h>

namespace zorvanel {
namespace {

using script::Pointer;

TEST(ScriptCommandTest, ReadsEachKindOfLine) {
  const std::pair<const char*, ScriptCommand> cases[] = {
      {"", script::Nothing{}},
      {"  # a comment", script::Nothing{}},
      {"   tap 10 20", Pointer{Pointer::Kind::kTap, {10, 20}}},
      {"dbltap 5 5   # after the numbers",
       Pointer{Pointer::Kind::kDoubleTap, {5, 5}}},
      {"press\t-1 2", Pointer{Pointer::Kind::kPress, {-1, 2}}},
      {"move 3 4", Pointer{Pointer::Kind::kMove, {3, 4}}},
      {"release 5 6", Pointer{Pointer::Kind::kRelease, {5, 6}}},
      {"wheel 1 2 -3", script::Wheel{{1, 2}, -3}},
      {"drag 0 0 100 50", script::Drag{{0, 0}, {100, 50}, 10}},
      {"drag 0 0 100 50 10000", script::Drag{{0, 0}, {100, 50}, 10000}},
      {"click 7", script::Click{7}},
      {"row 13", script::Row{13}},
      {"type a é # typed too", script::Type{"a é # typed too"}},
      {"type ", script::Type{""}},
      {"key shift+home", script::KeyPress{Key::kHome, kModShift}},
      {"key ctrl+a", script::KeyPress{Key::kA, kModCtrl}},
      {"key h", script::Type{"h"}},  // as the keyboard gives it
      {"soft right", script::Soft{SoftKeySide::kRight}},
      {"wait 86400000", script::Wait{86400000}},
      {"shot /tmp/x.png", script::Shot{"/tmp/x.png"}},
      {"dump", script::Dump{}},
      {"close # the window", script::Close{}},
  };
  for (const auto& [line, command] : cases) {
    const Expected<ScriptCommand> read = ParseScriptLine(line);
    ASSERT_TRUE(read.ok()) << line << ": " << read.status().Reason();
    EXPECT_EQ(*read, command) << line;
  }
}

TEST(ScriptCommandTest, RefusesBadLinesWithTheirReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"jump 1 2", "unknown command"},
      {"tap#1 2", "unknown command"},
      {"tap 1", "expected: tap X Y"},
      {"tap 1 2 3", "expected: tap X Y"},
      {"tap 1 y", "expected: tap X Y"},
      {"release 1 2.5", "expected: release X Y"},
      {"wheel 1 2", "expected: wheel X Y DY"},
      {"drag 0 0 10", "expected: drag X1 Y1 X2 Y2 [STEPS]"},
      {"drag 0 0 10 10 0", "the number of steps must lie between 1 and 10000"},
      {"click", "expected: click ID"},
      {"row x", "expected: row I"},
      {"type", "expected: type TEXT"},
      {"type \xC3", "the text is not valid UTF-8"},
      {"key", "expected: key NAME"},
      {"key a", "unknown key"},  // a letter is typed, not a key
      {"key shift+", "unknown key"},
      {"soft middle", "expected: soft left or soft right"},
      {"soft", "expected: soft left or soft right"},
      {"wait", "expected: wait MS"},
      {"wait -5", "the time must lie between 0 and 86400000 ms"},
      {"wait 86400001", "the time must lie between 0 and 86400000 ms"},
      {"shot", "expected: shot FILE.png"},
      {"dump now", "expected: dump"},
      {"close 1", "expected: close"},
  };
  for (const auto& [line, reason] : cases) {
    const Expected<ScriptCommand> read = ParseScriptLine(line);
    ASSERT_FALSE(read.ok()) << line;
    EXPECT_EQ(read.status().Reason(), reason) << line;
  }
}

}  // namespace
}  // namespace zorvanel
