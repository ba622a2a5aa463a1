#include "dialogs/base_list_dlg.h"

#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 reference screen.
constexpr int kTitleHeight = 50;
constexpr int kListMargin = 10;
constexpr int kItemHeight = 80;
constexpr int kButtonCount = 5;

}  // namespace

BaseListDlg::BaseListDlg() { SetSoftKeyMode(0); }

BaseListDlg::~BaseListDlg() = default;

BaseListLayout BaseListDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int h = client.height;
  BaseListLayout layout;
  const int bw = w / kButtonCount;
  const int rest = w - kButtonCount * bw;
  layout.button_size = bw;
  layout.item_height = Scaled(scale, kItemHeight);
  layout.title = Rect::FromXYWH(0, 0, w, Scaled(scale, kTitleHeight));
  layout.list = Rect::FromXYWH(
      Scaled(scale, kListMargin), Scaled(scale, kTitleHeight),
      w - Scaled(scale, 2 * kListMargin), h - Scaled(scale, kTitleHeight) - bw);
  for (int k = 0; k < kButtonCount; ++k) {
    layout.buttons[k] = Rect::FromXYWH(rest / 2 + k * bw, h - bw, bw, bw);
  }
  return layout;
}

bool BaseListDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  const BaseListLayout layout = Layout(ClientRect().GetSize(), Scale());

  title_label_.set_style(CCustomStatic::kStyleTitle);
  title_label_.SetText(title_.text());
  title_label_.Create(this, kIdTitle, layout.title);

  list_.Create(this, kIdList, layout.list);
  list_.InitSingleColumn(0, layout.item_height);
  // The keys move through the list from the start.
  list_.SetFocus();

  for (int k = 0; k < kButtonCount; ++k) {
    CCustomButton& b = buttons_[k];
    b.SetBackgroundBitmap(pictures::kListButtonSkin);
    b.SetText("");
    b.SetIcon(pictures::kListAdd + k, true);
    b.set_overlay(false);
    b.set_flash_on_press(true);
    b.Create(this, kIdAdd + k, layout.buttons[k]);
    // Only Add works on an empty selection.
    b.Enable(k == 0);
  }
  SetSoftKeyMode(2);
  return true;
}

CCustomButton* BaseListDlg::button(int id) {
  if (id < kIdAdd || id > kIdMoveDown) return nullptr;
  return &buttons_[id - kIdAdd];
}

void BaseListDlg::UpdateButtons() {
  const int s = list_.selected_index();
  const int n = list_.item_count();
  const bool selected = s >= 0 && s < n;
  button(kIdAdd)->Enable(true);
  button(kIdRemove)->Enable(selected);
  button(kIdEdit)->Enable(selected);
  button(kIdMoveUp)->Enable(selected && s > 0);
  button(kIdMoveDown)->Enable(selected && s < n - 1);
  SetSoftKeyMode(selected ? 1 : 2);
}

bool BaseListDlg::ButtonEnabled(int id) {
  const CCustomButton* b = button(id);
  return b != nullptr && b->enabled();
}

void BaseListDlg::OnCommand(int command_id) {
  if (command_id < kIdAdd || command_id > kIdMoveDown) {
    CBaseDlg::OnCommand(command_id);
    return;
  }
  // A command can still arrive from a button that the previous one has just
  // disabled (the second tap of a double tap on the last row).
  if (!ButtonEnabled(command_id)) return;
  switch (command_id) {
    case kIdAdd:
      OnAdd();
      break;
    case kIdRemove:
      OnRemove();
      break;
    case kIdEdit:
      OnEdit();
      break;
    case kIdMoveUp:
      OnMoveUp();
      break;
    case kIdMoveDown:
      OnMoveDown();
      break;
  }
}

void BaseListDlg::OnDoubleTapCommand(int command_id) {
  if (!ButtonEnabled(command_id)) return;
  if (command_id == kIdMoveUp) {
    OnMoveUpTwice();
  } else if (command_id == kIdMoveDown) {
    OnMoveDownTwice();
  }
}

int BaseListDlg::OnNotify(int code, int /*a*/, int /*b*/) {
  if (code == kNotifySelectionChanged) UpdateButtons();
  // A double tap on the selected row does what "Select" does.
  if (code == kNotifyRowChosen) OnCommand(kIdOk);
  return 0;
}

}  // namespace zorvanel
