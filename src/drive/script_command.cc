// Reads script lines into commands from one table of names, arguments and
// usage texts.
#include "drive/script_command.h"

#include <glib.h>

#include <charconv>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/screen_size.h"

namespace zorvanel {

namespace {

constexpr int kDefaultDragSteps = 10;
constexpr int kMaxDragSteps = 10000;
// A day of virtual time is more than any script needs.
constexpr int kMaxWaitMs = 24 * 60 * 60 * 1000;

// What follows a command's name.
struct Arguments {
  std::vector<std::string> words;  // up to a comment
  std::vector<int> numbers;        // the words, for commands of numbers
  std::string text;                // the rest of the line, for "type"
};

enum class Takes {
  kNumbers,  // whole numbers, up to a comment
  kWords,    // words, up to a comment
  kText,     // everything after the one space that follows the name
};

using Builder = Expected<ScriptCommand> (*)(const Arguments&);

struct CommandForm {
  std::string_view name;
  Takes takes;
  size_t min_args;  // words; not checked for text
  size_t max_args;
  std::string_view usage;  // what the reason "expected: " goes on with
  Builder build;
};

Status Expecting(std::string_view usage) {
  return Status::Failure("expected: " + std::string(usage));
}

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

template <script::Pointer::Kind kKind>
Expected<ScriptCommand> MakePointer(const Arguments& a) {
  return script::Pointer{kKind, Point{a.numbers[0], a.numbers[1]}};
}

Expected<ScriptCommand> MakeWheel(const Arguments& a) {
  return script::Wheel{Point{a.numbers[0], a.numbers[1]}, a.numbers[2]};
}

Expected<ScriptCommand> MakeDrag(const Arguments& a) {
  const int steps = a.numbers.size() > 4 ? a.numbers[4] : kDefaultDragSteps;
  if (steps < 1 || steps > kMaxDragSteps) {
    return Status::Failure("the number of steps must lie between 1 and " +
                           std::to_string(kMaxDragSteps));
  }
  return script::Drag{Point{a.numbers[0], a.numbers[1]},
                      Point{a.numbers[2], a.numbers[3]}, steps};
}

Expected<ScriptCommand> MakeClick(const Arguments& a) {
  return script::Click{a.numbers[0]};
}

Expected<ScriptCommand> MakeRow(const Arguments& a) {
  return script::Row{a.numbers[0]};
}

Expected<ScriptCommand> MakeType(const Arguments& a) {
  if (!g_utf8_validate(a.text.data(), static_cast<gssize>(a.text.size()),
                       nullptr)) {
    return Status::Failure("the text is not valid UTF-8");
  }
  return script::Type{a.text};
}

Expected<ScriptCommand> MakeKey(const Arguments& a) {
  // Modifiers come first, joined by "+": "shift+left", "ctrl+a".
  int modifiers = 0;
  std::string_view rest = a.words[0];
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
  // Like the keyboard, the A key is a key only with Ctrl held.
  if (rest == "a" && (modifiers & kModCtrl) != 0) {
    return script::KeyPress{Key::kA, modifiers};
  }
  // Like the keyboard without a text field, the H key is its character.
  if (rest == "h" && modifiers == 0) return script::Type{"h"};
  static constexpr std::pair<std::string_view, Key> kKeys[] = {
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
  for (const auto& [name, key] : kKeys) {
    if (rest == name) return script::KeyPress{key, modifiers};
  }
  return Status::Failure("unknown key");
}

constexpr std::string_view kSoftUsage = "soft left or soft right";

Expected<ScriptCommand> MakeSoft(const Arguments& a) {
  if (a.words[0] == "left") return script::Soft{SoftKeySide::kLeft};
  if (a.words[0] == "right") return script::Soft{SoftKeySide::kRight};
  return Expecting(kSoftUsage);
}

Expected<ScriptCommand> MakeWait(const Arguments& a) {
  if (a.numbers[0] < 0 || a.numbers[0] > kMaxWaitMs) {
    return Status::Failure("the time must lie between 0 and " +
                           std::to_string(kMaxWaitMs) + " ms");
  }
  return script::Wait{a.numbers[0]};
}

Expected<ScriptCommand> MakeShot(const Arguments& a) {
  return script::Shot{a.words[0]};
}

Expected<ScriptCommand> MakeResize(const Arguments& a) {
  const Size size{a.numbers[0], a.numbers[1]};
  const std::string problem = ScreenSizeProblem(size);
  if (!problem.empty()) return Status::Failure("the screen is " + problem);
  return script::Resize{size};
}

template <typename Command>
Expected<ScriptCommand> Make(const Arguments& /*a*/) {
  return Command{};
}

using PointerKind = script::Pointer::Kind;

constexpr CommandForm kForms[] = {
    {"tap", Takes::kNumbers, 2, 2, "tap X Y", MakePointer<PointerKind::kTap>},
    {"dbltap", Takes::kNumbers, 2, 2, "dbltap X Y",
     MakePointer<PointerKind::kDoubleTap>},
    {"press", Takes::kNumbers, 2, 2, "press X Y",
     MakePointer<PointerKind::kPress>},
    {"move", Takes::kNumbers, 2, 2, "move X Y",
     MakePointer<PointerKind::kMove>},
    {"release", Takes::kNumbers, 2, 2, "release X Y",
     MakePointer<PointerKind::kRelease>},
    {"wheel", Takes::kNumbers, 3, 3, "wheel X Y DY", MakeWheel},
    {"drag", Takes::kNumbers, 4, 5, "drag X1 Y1 X2 Y2 [STEPS]", MakeDrag},
    {"click", Takes::kNumbers, 1, 1, "click ID", MakeClick},
    {"row", Takes::kNumbers, 1, 1, "row I", MakeRow},
    {"type", Takes::kText, 0, 0, "type TEXT", MakeType},
    {"key", Takes::kWords, 1, 1, "key NAME", MakeKey},
    {"soft", Takes::kWords, 1, 1, kSoftUsage, MakeSoft},
    {"wait", Takes::kNumbers, 1, 1, "wait MS", MakeWait},
    {"shot", Takes::kWords, 1, 1, "shot FILE.png", MakeShot},
    {"dump", Takes::kWords, 0, 0, "dump", Make<script::Dump>},
    {"close", Takes::kWords, 0, 0, "close", Make<script::Close>},
    {"resize", Takes::kNumbers, 2, 2, "resize W H", MakeResize},
};

// The arguments after the name, which ends at `name_end` (npos: the line
// ends with it); the usage as the reason when they do not fit the form.
Expected<Arguments> ReadArguments(const CommandForm& form,
                                  std::string_view line, size_t name_end) {
  Arguments a;
  const bool has_rest = name_end != std::string_view::npos;
  if (form.takes == Takes::kText) {
    if (!has_rest) return Expecting(form.usage);
    a.text = std::string(line.substr(name_end + 1));
    return a;
  }
  a.words = Words(has_rest ? std::string(line.substr(name_end)) : "");
  if (a.words.size() < form.min_args || a.words.size() > form.max_args) {
    return Expecting(form.usage);
  }
  if (form.takes == Takes::kNumbers) {
    for (const std::string& word : a.words) {
      int value = 0;
      if (!ParseInt(word, &value)) return Expecting(form.usage);
      a.numbers.push_back(value);
    }
  }
  return a;
}

}  // namespace

Expected<ScriptCommand> ParseScriptLine(std::string_view line) {
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos || line[start] == '#') {
    return script::Nothing{};
  }
  const size_t name_end = line.find_first_of(" \t", start);
  const std::string_view name = line.substr(start, name_end - start);
  for (const CommandForm& form : kForms) {
    if (form.name != name) continue;
    const Expected<Arguments> arguments = ReadArguments(form, line, name_end);
    if (!arguments.ok()) return arguments.status();
    return form.build(*arguments);
  }
  return Status::Failure("unknown command");
}

}  // namespace zorvanel
