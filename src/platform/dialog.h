// The full-screen modal dialog, its nested event loop and its soft keys.
#ifndef ZORVANEL_PLATFORM_DIALOG_H_
#define ZORVANEL_PLATFORM_DIALOG_H_

#include <string>

#include "platform/window.h"

namespace zorvanel {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

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

  // 1 (OK) or 2 (cancel), or what EndDialog was given.
  int RunModal();
  void EndDialog(int result);
  bool ended() const { return ended_; }
  bool running() const { return running_; }
  // What EndDialog was given last (cancel until then).
  int result() const { return result_; }

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

  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }

 private:
  bool ended_ = false;
  bool running_ = false;
  int result_ = kIdCancel;
  SoftKeys soft_keys_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_DIALOG_H_
