// The headless backend: a virtual clock and input events read from a script.
#ifndef ZORVANEL_DRIVE_SCRIPT_BACKEND_H_
#define ZORVANEL_DRIVE_SCRIPT_BACKEND_H_

#include <deque>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>

#include "drive/script_command.h"
#include "platform/backend.h"

namespace zorvanel {

// The script ran out before the program ended: the process ends as if its
// power were cut (nothing saved). Thrown out of WaitEvent through the modal
// loops; RunDriver catches it.
struct ScriptFinished : std::exception {
  const char* what() const noexcept override { return "the script ran out"; }
};

// A line of the script could not be read; RunDriver reports it and returns 2.
struct ScriptError : std::runtime_error {
  ScriptError(int line_number, std::string line, std::string reason)
      : std::runtime_error(reason),
        line_number(line_number),
        line(std::move(line)),
        reason(std::move(reason)) {}

  int line_number;
  std::string line;
  std::string reason;
};

// Headless backend: a virtual clock, events from a script, frames kept in
// memory. Time moves only through "wait", the frame between two steps of a
// drag, and repaint chains (one frame after another). Before each script line
// the program settles: pending paints, and the work they trigger, run first.
class ScriptBackend : public Backend {
 public:
  ScriptBackend(Size screen, std::istream& script, std::ostream& out);

  void Attach(Shell* shell) override { shell_ = shell; }
  Size ScreenSize() const override { return screen_; }
  uint32_t Now() override { return now_; }
  bool WaitEvent(int timeout_ms, InputEvent* event) override;
  void Present(const Image& /*frame*/) override {}
  // A repaint chain longer than this many frames before the next line is a
  // runaway: the script stops with an error.
  void set_settle_frame_limit(int frames) { settle_frame_limit_ = frames; }

 private:
  // Reads lines until one yields events; false at the end of the script.
  bool ReadNextLine();
  void ExecuteLine(const std::string& line);
  [[noreturn]] void Fail(const std::string& reason) const;
  void Queue(InputEvent event, int delay_ms = 0);
  void QueuePointer(InputEvent::Type type, Point p, int delay_ms = 0);
  void QueueTap(Point p);
  Point ControlCentre(int id) const;
  Point RevealedRow(int index) const;
  // Carrying out each kind of line.
  void Run(const script::Nothing& /*line*/) {}
  void Run(const script::Pointer& line);
  void Run(const script::Wheel& line);
  void Run(const script::Drag& line);
  void Run(const script::Click& line);
  void Run(const script::Row& line);
  void Run(const script::Type& line);
  void Run(const script::KeyPress& line);
  void Run(const script::Soft& line);
  void Run(const script::Wait& line) { wait_budget_ms_ = line.ms; }
  void Run(const script::Shot& line);
  void Run(const script::Dump& line);
  void Run(const script::Close& line);
  // The same event a window's resize gives.
  void Run(const script::Resize& line);

  Size screen_;
  std::istream& script_;
  std::ostream& out_;
  Shell* shell_ = nullptr;
  uint32_t now_ = 0;
  int line_number_ = 0;
  int wait_budget_ms_ = 0;  // time still to pass for a "wait"
  int settle_frames_ = 0;   // frames painted since the last line was read
  int settle_frame_limit_ = 100000;
  std::string current_line_;
  struct Queued {
    int delay_ms;  // virtual time to pass before the event
    InputEvent event;
  };
  std::deque<Queued> queue_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DRIVE_SCRIPT_BACKEND_H_
