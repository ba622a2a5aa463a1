// The driver's script language: each line read into one typed command.
#ifndef ZORVANEL_DRIVE_SCRIPT_COMMAND_H_
#define ZORVANEL_DRIVE_SCRIPT_COMMAND_H_

#include <string>
#include <string_view>
#include <variant>

#include "platform/geometry.h"
#include "platform/status.h"
#include "platform/window.h"

namespace zorvanel {
namespace script {

// A blank line or a comment.
struct Nothing {
  friend bool operator==(const Nothing&, const Nothing&) = default;
};

// tap, dbltap, press, move, release.
struct Pointer {
  enum class Kind { kTap, kDoubleTap, kPress, kMove, kRelease };
  Kind kind;
  Point at;
  friend bool operator==(const Pointer&, const Pointer&) = default;
};

struct Wheel {
  Point at;
  int notches;  // positive toward the end of a list
  friend bool operator==(const Wheel&, const Wheel&) = default;
};

struct Drag {
  Point from;
  Point to;
  int steps;  // moves, one a frame
  friend bool operator==(const Drag&, const Drag&) = default;
};

struct Click {
  int id;  // of a visible control in the top dialog
  friend bool operator==(const Click&, const Click&) = default;
};

struct Row {
  int index;  // in the top dialog's first list
  friend bool operator==(const Row&, const Row&) = default;
};

struct Type {
  std::string text;  // valid UTF-8, spaces included
  friend bool operator==(const Type&, const Type&) = default;
};

struct KeyPress {
  Key key;
  int modifiers;  // kModShift, kModCtrl
  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

struct Soft {
  SoftKeySide side;
  friend bool operator==(const Soft&, const Soft&) = default;
};

struct Wait {
  int ms;
  friend bool operator==(const Wait&, const Wait&) = default;
};

struct Shot {
  std::string path;
  friend bool operator==(const Shot&, const Shot&) = default;
};

struct Dump {
  friend bool operator==(const Dump&, const Dump&) = default;
};

struct Close {
  friend bool operator==(const Close&, const Close&) = default;
};

// The window's inside changed size.
struct Resize {
  Size size;  // an accepted screen size
  friend bool operator==(const Resize&, const Resize&) = default;
};

}  // namespace script

using ScriptCommand =
    std::variant<script::Nothing, script::Pointer, script::Wheel, script::Drag,
                 script::Click, script::Row, script::Type, script::KeyPress,
                 script::Soft, script::Wait, script::Shot, script::Dump,
                 script::Close, script::Resize>;

// One line of a script, without its line break: the command, or the reason
// it cannot be one ("expected: tap X Y", "unknown command"), which the
// driver prints with the line. Whether a command can be carried out (a
// control with that id, a picture that can be written) is found out only
// when it runs.
Expected<ScriptCommand> ParseScriptLine(std::string_view line);

}  // namespace zorvanel

#endif  // ZORVANEL_DRIVE_SCRIPT_COMMAND_H_
