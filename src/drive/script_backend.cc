// The headless backend: a virtual clock and input events read from a script.
#include "drive/script_backend.h"

#include <algorithm>
#include <variant>

#include "drive/dialog_dump.h"
#include "platform/dialog.h"
#include "platform/process_endings.h"
#include "platform/screen_size.h"
#include "platform/shell.h"
#include "platform/text_context.h"
#include "platform/window.h"

namespace zorvanel {

namespace {

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
  const Expected<ScriptCommand> command = ParseScriptLine(line);
  if (!command.ok()) Fail(command.status().Reason());
  std::visit([this](const auto& c) { Run(c); }, *command);
}

void ScriptBackend::Queue(InputEvent event, int delay_ms) {
  queue_.push_back(Queued{delay_ms, event});
}

void ScriptBackend::QueuePointer(InputEvent::Type type, Point p, int delay_ms) {
  InputEvent event;
  event.type = type;
  event.point = p;
  Queue(event, delay_ms);
}

void ScriptBackend::QueueTap(Point p) {
  QueuePointer(InputEvent::Type::kPointerDown, p);
  QueuePointer(InputEvent::Type::kPointerUp, p);
}

void ScriptBackend::Run(const script::Pointer& line) {
  switch (line.kind) {
    case script::Pointer::Kind::kTap:
      QueueTap(line.at);
      break;
    case script::Pointer::Kind::kDoubleTap:
      QueueTap(line.at);
      QueuePointer(InputEvent::Type::kDoubleTap, line.at);
      QueuePointer(InputEvent::Type::kPointerUp, line.at);
      break;
    case script::Pointer::Kind::kPress:
      QueuePointer(InputEvent::Type::kPointerDown, line.at);
      break;
    case script::Pointer::Kind::kMove:
      QueuePointer(InputEvent::Type::kPointerMove, line.at);
      break;
    case script::Pointer::Kind::kRelease:
      QueuePointer(InputEvent::Type::kPointerUp, line.at);
      break;
  }
}

void ScriptBackend::Run(const script::Wheel& line) {
  InputEvent event;
  event.type = InputEvent::Type::kWheel;
  event.point = line.at;
  event.wheel = line.notches;
  Queue(event);
}

void ScriptBackend::Run(const script::Drag& line) {
  const Point from = line.from;
  const Point to = line.to;
  const int steps = line.steps;
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

void ScriptBackend::Run(const script::Click& line) {
  QueueTap(ControlCentre(line.id));
}

void ScriptBackend::Run(const script::Row& line) {
  QueueTap(RevealedRow(line.index));
}

void ScriptBackend::Run(const script::Type& line) {
  // The same characters a window's text input makes of the text.
  for (char32_t ch : TypedCharacters(line.text)) {
    InputEvent event;
    event.type = InputEvent::Type::kChar;
    event.ch = ch;
    Queue(event);
  }
}

void ScriptBackend::Run(const script::KeyPress& line) {
  InputEvent event;
  event.type = InputEvent::Type::kKey;
  event.key = line.key;
  event.modifiers = line.modifiers;
  Queue(event);
}

void ScriptBackend::Run(const script::Soft& line) {
  InputEvent event;
  event.type = InputEvent::Type::kSoftKey;
  event.soft_key = line.side;
  Queue(event);
}

void ScriptBackend::Run(const script::Close& /*line*/) {
  InputEvent event;
  event.type = InputEvent::Type::kClose;
  Queue(event);
}

void ScriptBackend::Run(const script::Resize& line) {
  InputEvent event;
  event.type = InputEvent::Type::kResize;
  event.size = line.size;
  Queue(event);
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

void ScriptBackend::Run(const script::Shot& line) {
  if (shell_ == nullptr) Fail("nothing to save");
  if (shell_->paint_pending()) shell_->PaintFrame();
  if (!shell_->frame().SavePng(line.path).ok()) {
    Fail("cannot write the picture");
  }
}

void ScriptBackend::Run(const script::Dump& /*line*/) {
  const nlohmann::json dump =
      shell_ != nullptr ? DumpTopDialog(*shell_) : nlohmann::json::object();
  // Texts that are not valid UTF-8 are printed with replacement characters
  // rather than stopping the dump.
  out_ << dump.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
       << '\n';
  out_.flush();
}

}  // namespace zorvanel
