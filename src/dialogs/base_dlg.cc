// The base of every dialog: black ground, translated title and soft keys.
#include "dialogs/base_dlg.h"

#include <algorithm>

#include "platform/shell.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {

Rect DialogColumn(const Rect& area, int scale) {
  const int width = std::min(area.Width(), Scaled(scale, kDialogColumnWidth));
  const int left = area.left + (area.Width() - width) / 2;
  return Rect{left, area.top, left + width, area.bottom};
}

CBaseDlg::CBaseDlg() = default;
CBaseDlg::~CBaseDlg() = default;

void CBaseDlg::SetSoftKeys(const std::string& left, const std::string& right,
                           int left_command, int right_command) {
  left_text_.SetKey(left);
  right_text_.SetKey(right);
  left_command_ = left_command;
  right_command_ = right_command;
  RebuildSoftKeyBar();
}

void CBaseDlg::RebuildSoftKeyBar() {
  SoftKeys keys;
  keys.left_text = left_text_.text();
  keys.left_command = left_command_;
  keys.right_text = right_text_.text();
  keys.right_command = right_command_;
  SetSoftKeyBar(keys);
}

void CBaseDlg::CreateTitle(const Rect& rect) {
  title_label_.set_style(CCustomStatic::kStyleTitle);
  title_label_.SetText(title_.text());
  title_label_.Create(this, kIdTitle, rect);
}

int CBaseDlg::Scale() const { return Shell::Get().scale(); }

void CBaseDlg::OnCommand(int command_id) {
  switch (command_id) {
    case kIdLeftSoftKey:
      OnLeftSoftKey();
      break;
    case kIdRightSoftKey:
      OnRightSoftKey();
      break;
    default:
      Dialog::OnCommand(command_id);
      break;
  }
}

void CBaseDlg::OnCovered() { GetBitmapCache().DropScaled(); }

}  // namespace zorvanel
