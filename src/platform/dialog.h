// The full-screen modal dialog, its nested event loop and its soft keys.
#ifndef ZORVANEL_PLATFORM_DIALOG_H_
#define ZORVANEL_PLATFORM_DIALOG_H_

#include <string>

#include "platform/window.h"

namespace zorvanel {

// The commands of the OK and cancel keys and buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// How a modal run ended: accepted, or given up (cancelled, closed, refused).
enum class DialogResult { kOk, kCancel };

// The two labelled keys of the bar along the bottom of the screen.
struct SoftKeys {
  std::string left_text;
  int left_command = 0;
  std::string right_text;
  int right_command = 0;

  const std::string& text(SoftKeySide side) const {
    return side == SoftKeySide::kLeft ? left_text : right_text;
  }
  int command(SoftKeySide side) const {
    return side == SoftKeySide::kLeft ? left_command : right_command;
  }
};

// A full-screen modal dialog. RunModal() pushes it on the shell's modal
// stack, places it in the dialog area, runs OnInitDialog(), then pumps
// events in a nested loop until EndDialog(result). Handlers may run further
// dialogs modally from inside, each in a loop nested in the one before.
class Dialog : public Window {
 public:
  Dialog();
  ~Dialog() override;

  // What EndDialog was given; kCancel when the run was refused (the dialog
  // runs already, the program is closing) or the dialog was destroyed.
  DialogResult RunModal();
  void EndDialog(DialogResult result);
  bool ended() const { return ended_; }
  bool running() const { return running_; }
  // What EndDialog was given last (cancel until then).
  DialogResult result() const { return result_; }

  // The soft-key bar the shell shows while this dialog is on top.
  void SetSoftKeyBar(const SoftKeys& keys);
  const SoftKeys& soft_keys() const { return soft_keys_; }

  // For the dump: the class name and the title shown.
  virtual std::string ClassName() const { return "Dialog"; }
  virtual std::string Title() const { return std::string(); }
  // The keyboard's Enter and Escape keys. By default they send OK and
  // cancel.
  virtual void OnEnterKey() { OnCommand(kIdOk); }
  virtual void OnEscapeKey() { OnCommand(kIdCancel); }
  // Where the dialog goes in the dialog area (the screen above the soft-key
  // bar) at a display scale: by default all of it. What it leaves uncovered
  // shows the ground colour.
  virtual Rect PlaceIn(const Rect& area, int /*scale*/) const { return area; }
  // The screen changed size while the dialog runs: it is already placed
  // again (PlaceIn), and places its controls again for its new size and the
  // new scale.
  virtual void OnScreenResized() {}
  // The desktop window's close request reached this dialog at the bottom of
  // the modal stack (the ones above it were cancelled). Default: cancel.
  virtual void OnCloseRequest() { OnCancel(); }

  std::string Kind() const override { return "dialog"; }
  void OnPaint(Canvas& canvas) override;  // black background

  // Commands 1 and 2 go to OnOK and OnCancel.
  void OnCommand(int command_id) override;

 protected:
  friend class Shell;

  virtual void OnInitDialog() {}
  virtual void OnOK() { EndDialog(DialogResult::kOk); }
  virtual void OnCancel() { EndDialog(DialogResult::kCancel); }

 private:
  bool ended_ = false;
  bool running_ = false;
  DialogResult result_ = DialogResult::kCancel;
  SoftKeys soft_keys_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_DIALOG_H_
