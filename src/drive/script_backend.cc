#include "drive/script_backend.h"

#include <glib.h>

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string_view>

#include "drive/dialog_dump.h"
#include "platform/dialog.h"
#include "platform/process_endings.h"
#include "platform/shell.h"
#include "platform/text_context.h"
#include "platform/window.h"

namespace zorvanel {

namespace {

constexpr int kDefaultDragSteps = 10;
constexpr int kMaxDragSteps = 10000;
// A day of virtual time is more than any script needs.
constexpr int kMaxWaitMs = 24 * 60 * 60 * 1000;

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream stream(text);
  std::string word;
  while (stream >> word) {
    if (word[0] == '#') break;  // the rest of the line is a comment
    words.push_back(word);
  }
  return words;
}

bool ParseInt(const std::string& word, int* value) {
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, *value);
  return ec == std::errc() && ptr == end;
}

Window* FirstList(Window* window) {
  for (Window* child : window->children()) {
    if (!child->visible()) continue;
    if (child->Kind() == "list") return child;
    if (Window* found = FirstList(child)) return found;
  }
  return nullptr;
}

}  // namespace

ScriptBackend::ScriptBackend(Size screen, std::istream& script,
                             std::ostream& out)
    : screen_(screen), script_(script), out_(out) {}

bool ScriptBackend::WaitEvent(int timeout_ms, InputEvent* event) {
  while (true) {
    if (!queue_.empty()) {
      Queued& next = queue_.front();
      if (next.delay_ms > 0) {
        // Timers and frames due before the event run first.
        if (timeout_ms >= 0 && timeout_ms < next.delay_ms) {
          now_ += timeout_ms;
          next.delay_ms -= timeout_ms;
          return false;
        }
        now_ += next.delay_ms;
        next.delay_ms = 0;
      }
      *event = next.event;
      queue_.pop_front();
      return true;
    }
    if (wait_budget_ms_ > 0) {
      const int step = timeout_ms < 0 ? wait_budget_ms_
                                      : std::min(timeout_ms, wait_budget_ms_);
      now_ += step;
      wait_budget_ms_ -= step;
      return false;
    }
    if (shell_ != nullptr && shell_->paint_pending()) {
      // Settling: a repaint chain runs to its end, one frame at a time,
      // before the next line is read.
      if (++settle_frames_ > settle_frame_limit_) {
        Fail("the screen keeps repainting and never settles");
      }
      now_ += timeout_ms >= 0 ? timeout_ms : kFrameIntervalMs;
      return false;
    }
    settle_frames_ = 0;
    // A termination signal is the window's close request, noticed between
    // lines or once the script has run out.
    bool terminated = TakeTerminationRequest();
    if (!terminated && !ReadNextLine()) {
      terminated = TakeTerminationRequest();
      if (!terminated) throw ScriptFinished{};
    }
    if (terminated) {
      event->type = InputEvent::Type::kClose;
      return true;
    }
  }
}

bool ScriptBackend::ReadNextLine() {
  std::string line;
  while (std::getline(script_, line)) {
    ++line_number_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    current_line_ = line;
    ExecuteLine(line);
    if (!queue_.empty() || wait_budget_ms_ > 0) return true;
  }
  return false;
}

void ScriptBackend::Fail(const std::string& reason) const {
  throw ScriptError{line_number_, current_line_, reason};
}

void ScriptBackend::ExecuteLine(const std::string& line) {
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos || line[start] == '#') return;
  const size_t command_end = line.find_first_of(" \t", start);
  const std::string command = line.substr(start, command_end - start);

  if (command == "type") {
    // Everything after the one separating space is typed, spaces included.
    if (command_end == std::string::npos) Fail("expected: type TEXT");
    QueueText(line.substr(command_end + 1));
    return;
  }

  const std::vector<std::string> words =
      Words(command_end == std::string::npos ? std::string()
                                             : line.substr(command_end));
  std::vector<int> numbers;
  auto want_numbers = [&](size_t min_count, size_t max_count,
                          const char* usage) {
    if (words.size() < min_count || words.size() > max_count) Fail(usage);
    for (const std::string& word : words) {
      int value = 0;
      if (!ParseInt(word, &value)) Fail(usage);
      numbers.push_back(value);
    }
  };

  if (command == "tap" || command == "dbltap" || command == "press" ||
      command == "move" || command == "release") {
    want_numbers(2, 2, ("expected: " + command + " X Y").c_str());
    const Point p{numbers[0], numbers[1]};
    if (command == "tap") {
      QueueTap(p);
    } else if (command == "dbltap") {
      QueueTap(p);
      QueuePointer(InputEvent::Type::kDoubleTap, p);
      QueuePointer(InputEvent::Type::kPointerUp, p);
    } else if (command == "press") {
      QueuePointer(InputEvent::Type::kPointerDown, p);
    } else if (command == "move") {
      QueuePointer(InputEvent::Type::kPointerMove, p);
    } else {
      QueuePointer(InputEvent::Type::kPointerUp, p);
    }
  } else if (command == "wheel") {
    want_numbers(3, 3, "expected: wheel X Y DY");
    InputEvent event;
    event.type = InputEvent::Type::kWheel;
    event.point = Point{numbers[0], numbers[1]};
    event.wheel = numbers[2];
    queue_.push_back(Queued{0, event});
  } else if (command == "drag") {
    want_numbers(4, 5, "expected: drag X1 Y1 X2 Y2 [STEPS]");
    QueueDrag(numbers);
  } else if (command == "click") {
    want_numbers(1, 1, "expected: click ID");
    QueueTap(ControlCentre(numbers[0]));
  } else if (command == "row") {
    want_numbers(1, 1, "expected: row I");
    QueueTap(RevealedRow(numbers[0]));
  } else if (command == "key") {
    if (words.size() != 1) Fail("expected: key NAME");
    QueueKey(words[0]);
  } else if (command == "soft") {
    if (words.size() != 1 || (words[0] != "left" && words[0] != "right")) {
      Fail("expected: soft left or soft right");
    }
    InputEvent event;
    event.type = InputEvent::Type::kSoftKey;
    event.soft_key =
        words[0] == "left" ? SoftKeySide::kLeft : SoftKeySide::kRight;
    queue_.push_back(Queued{0, event});
  } else if (command == "wait") {
    want_numbers(1, 1, "expected: wait MS");
    if (numbers[0] < 0 || numbers[0] > kMaxWaitMs) {
      Fail("the time must lie between 0 and 86400000 ms");
    }
    wait_budget_ms_ = numbers[0];
  } else if (command == "shot") {
    if (words.size() != 1) Fail("expected: shot FILE.png");
    SaveShot(words[0]);
  } else if (command == "dump") {
    if (!words.empty()) Fail("expected: dump");
    PrintDump();
  } else if (command == "close") {
    if (!words.empty()) Fail("expected: close");
    InputEvent event;
    event.type = InputEvent::Type::kClose;
    queue_.push_back(Queued{0, event});
  } else {
    Fail("unknown command");
  }
}

void ScriptBackend::QueuePointer(InputEvent::Type type, Point p, int delay_ms) {
  InputEvent event;
  event.type = type;
  event.point = p;
  queue_.push_back(Queued{delay_ms, event});
}

void ScriptBackend::QueueTap(Point p) {
  QueuePointer(InputEvent::Type::kPointerDown, p);
  QueuePointer(InputEvent::Type::kPointerUp, p);
}

void ScriptBackend::QueueDrag(const std::vector<int>& args) {
  const int steps = args.size() > 4 ? args[4] : kDefaultDragSteps;
  if (steps < 1 || steps > kMaxDragSteps) {
    Fail("the number of steps must lie between 1 and 10000");
  }
  const Point from{args[0], args[1]};
  const Point to{args[2], args[3]};
  QueuePointer(InputEvent::Type::kPointerDown, from);
  for (int i = 1; i <= steps; ++i) {
    // 64-bit so that far-off coordinates cannot overflow.
    const Point p{
        static_cast<int>(from.x +
                         static_cast<int64_t>(to.x - from.x) * i / steps),
        static_cast<int>(from.y +
                         static_cast<int64_t>(to.y - from.y) * i / steps)};
    // A drag moves one step a frame.
    QueuePointer(InputEvent::Type::kPointerMove, p, kFrameIntervalMs);
  }
  QueuePointer(InputEvent::Type::kPointerUp, to);
}

void ScriptBackend::QueueText(const std::string& text) {
  if (!g_utf8_validate(text.data(), static_cast<gssize>(text.size()),
                       nullptr)) {
    Fail("the text is not valid UTF-8");
  }
  // The same characters a window's text input makes of the text.
  for (char32_t ch : TypedCharacters(text)) {
    InputEvent event;
    event.type = InputEvent::Type::kChar;
    event.ch = ch;
    queue_.push_back(Queued{0, event});
  }
}

void ScriptBackend::QueueKey(const std::string& name) {
  // Modifiers come first, joined by "+": "shift+left", "ctrl+a".
  int modifiers = 0;
  std::string_view rest = name;
  while (true) {
    if (rest.starts_with("shift+")) {
      modifiers |= kModShift;
      rest.remove_prefix(6);
    } else if (rest.starts_with("ctrl+")) {
      modifiers |= kModCtrl;
      rest.remove_prefix(5);
    } else {
      break;
    }
  }
  static const std::pair<const char*, Key> kKeys[] = {
      {"left", Key::kLeft},
      {"right", Key::kRight},
      {"up", Key::kUp},
      {"down", Key::kDown},
      {"backspace", Key::kBackspace},
      {"delete", Key::kDelete},
      {"enter", Key::kEnter},
      {"escape", Key::kEscape},
      {"f1", Key::kF1},
      {"f2", Key::kF2},
      {"pageup", Key::kPageUp},
      {"pagedown", Key::kPageDown},
      {"home", Key::kHome},
      {"end", Key::kEnd},
      {"tab", Key::kTab},
  };
  // Like the keyboard, the A key is a key only with Ctrl held.
  if (rest == "a" && (modifiers & kModCtrl) != 0) {
    QueueKeyEvent(Key::kA, modifiers);
    return;
  }
  for (const auto& [key_name, key] : kKeys) {
    if (rest == key_name) {
      QueueKeyEvent(key, modifiers);
      return;
    }
  }
  Fail("unknown key");
}

void ScriptBackend::QueueKeyEvent(Key key, int modifiers) {
  InputEvent event;
  event.type = InputEvent::Type::kKey;
  event.key = key;
  event.modifiers = modifiers;
  queue_.push_back(Queued{0, event});
}

Point ScriptBackend::ControlCentre(int id) const {
  Window* control = shell_ != nullptr ? shell_->FindControl(id) : nullptr;
  if (control == nullptr) Fail("no visible control with that id");
  const Rect r = control->ScreenRect();
  return Point{r.left + r.Width() / 2, r.top + r.Height() / 2};
}

Point ScriptBackend::RevealedRow(int index) const {
  Dialog* top = shell_ != nullptr ? shell_->TopDialog() : nullptr;
  Window* list = top != nullptr ? FirstList(top) : nullptr;
  if (list == nullptr) Fail("the dialog has no list");
  const std::optional<Point> centre = list->RevealRow(index);
  if (!centre) Fail("the list has no such row");
  const Rect r = list->ScreenRect();
  return Point{r.left + centre->x, r.top + centre->y};
}

void ScriptBackend::SaveShot(const std::string& path) {
  if (shell_ == nullptr) Fail("nothing to save");
  if (shell_->paint_pending()) shell_->PaintFrame();
  if (!shell_->frame().SavePng(path).ok()) Fail("cannot write the picture");
}

void ScriptBackend::PrintDump() {
  const nlohmann::json dump =
      shell_ != nullptr ? DumpTopDialog(*shell_) : nlohmann::json::object();
  // Texts that are not valid UTF-8 are printed with replacement characters
  // rather than stopping the dump.
  out_ << dump.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
       << '\n';
  out_.flush();
}

}  // namespace zorvanel
