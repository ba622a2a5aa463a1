// The full-screen modal dialog, its nested event loop and its soft keys.
#include "platform/dialog.h"

#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/shell.h"

namespace zorvanel {

Dialog::Dialog() = default;
Dialog::~Dialog() = default;

DialogResult Dialog::RunModal() {
  if (running_) return DialogResult::kCancel;
  ended_ = false;
  result_ = DialogResult::kCancel;
  // Nothing of this object is touched after the loop: a handler may have
  // destroyed it.
  return Shell::Get().RunModal(this);
}

void Dialog::EndDialog(DialogResult result) {
  ended_ = true;
  result_ = result;
  // The dialog below shows again once this one leaves the stack.
  Invalidate();
}

void Dialog::SetSoftKeyBar(const SoftKeys& keys) {
  soft_keys_ = keys;
  Invalidate();
}

void Dialog::OnPaint(Canvas& canvas) {
  canvas.FillRect(ClientRect(), palette::kGround);
}

void Dialog::OnCommand(int command_id) {
  if (command_id == kIdOk) {
    OnOK();
  } else if (command_id == kIdCancel) {
    OnCancel();
  }
}

}  // namespace zorvanel
