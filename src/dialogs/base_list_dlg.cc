// The base of the camera and lens lists: rows, five buttons, soft keys.
#include "dialogs/base_list_dlg.h"

#include "dialogs/message_box.h"
#include "i18n/translator.h"
#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 reference screen.
constexpr int kListMargin = 10;

// The English texts of the camera list and of the lens list.
struct ListTexts {
  const char* title;
  const char* remove_question;   // "%1": the item's name
  const char* partner_title;     // the question about its partner
  const char* partner_question;  // "%1": the partner's name
};

const ListTexts& TextsOf(EquipmentList items) {
  static constexpr ListTexts kTexts[] = {
      {UiText("My cameras"), UiText("Do you want to remove the camera\r\n%1?"),
       UiText("Remove lens?"),
       UiText("Do you want to remove also\r\nthe associated lens\r\n%1?")},
      {UiText("My lenses"), UiText("Do you want to remove the lens\r\n%1?"),
       UiText("Remove camera?"),
       UiText("Do you want to remove also\r\nthe associated camera\r\n%1?")},
  };
  return kTexts[items == EquipmentList::kCameras ? 0 : 1];
}

}  // namespace

BaseListDlg::BaseListDlg(EquipmentList items, Equipment* equipment)
    : items_(items), equipment_(equipment) {
  SetTitle(TextsOf(items).title);
  SetSoftKeyMode(SoftKeyMode::kNone);
}

BaseListDlg::~BaseListDlg() = default;

BaseListLayout BaseListDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int h = client.height;
  BaseListLayout layout;
  const int bw = w / kListButtonsAcross;
  const int rest = w - kListButtonsAcross * bw;
  layout.button_size = bw;
  layout.item_height = Scaled(scale, kListRowHeight);
  layout.title = Rect::FromXYWH(0, 0, w, Scaled(scale, kDialogTitleHeight));
  layout.list = Rect::FromXYWH(Scaled(scale, kListMargin),
                               Scaled(scale, kDialogTitleHeight),
                               w - Scaled(scale, 2 * kListMargin),
                               h - Scaled(scale, kDialogTitleHeight) - bw);
  for (int k = 0; k < kListButtonsAcross; ++k) {
    layout.buttons[k] = Rect::FromXYWH(rest / 2 + k * bw, h - bw, bw, bw);
  }
  return layout;
}

namespace {

// What the icon-only buttons do, in their order.
constexpr const char* kButtonTooltips[] = {UiText("Add"), UiText("Remove"),
                                           UiText("Edit"), UiText("Move up"),
                                           UiText("Move down")};

}  // namespace

void BaseListDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  CreateTitle(Rect{});
  list_.Create(this, kIdList, Rect{});
  list_.set_listener(this);
  list_.set_empty_hint(
      items_ == EquipmentList::kCameras
          ? Translate(UiText("Press + to add a camera, from the list or by "
                             "hand."))
          : Translate(UiText("Press + to add a lens.")));
  for (int k = 0; k < kListButtonsAcross; ++k) {
    CCustomButton& b = buttons_[k];
    b.SetBackgroundBitmap(pictures::kListButtonSkin);
    b.SetText("");
    b.SetIcon(pictures::kListAdd + k, true);
    b.set_tooltip(Translate(kButtonTooltips[k]));
    b.set_overlay(false);
    b.set_flash_on_press(true);
    b.Create(this, kIdAdd + k, Rect{});
    // Only Add works on an empty selection.
    b.Enable(k == 0);
  }
  PlaceControls();
  list_.Init(list_.item_height());
  // The keys move through the list from the start.
  list_.SetFocus();
  SetSoftKeyMode(SoftKeyMode::kBack);

  const int count = ItemCount(Stored(), items_);
  list_.ReserveRows(count);
  for (int i = 0; i < count; ++i) AddRow(i);
  // A stale index names no row and selects nothing.
  const int current = CurrentItem(Stored(), items_);
  if (current >= 0) list_.SelectItem(current);
}

void BaseListDlg::SetSoftKeyMode(SoftKeyMode mode) {
  if (mode == soft_key_mode_) return;
  switch (mode) {
    case SoftKeyMode::kNone:
      SetSoftKeys("", "", kIdLeftSoftKey, kIdRightSoftKey);
      break;
    case SoftKeyMode::kSelectBack:
      SetSoftKeys(UiText("Select"), UiText("Back"), kIdOk, kIdCancel);
      break;
    case SoftKeyMode::kBack:
      SetSoftKeys("", UiText("Back"), kIdLeftSoftKey, kIdCancel);
      break;
  }
  soft_key_mode_ = mode;
}

void BaseListDlg::OnScreenResized() { PlaceControls(); }

void BaseListDlg::PlaceControls() {
  const BaseListLayout layout = Layout(ClientRect().GetSize(), Scale());
  title_label().SetRect(layout.title);
  list_.SetRect(layout.list);
  list_.SetItemHeight(layout.item_height);
  for (int k = 0; k < kListButtonsAcross; ++k) {
    buttons_[k].SetRect(layout.buttons[k]);
  }
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
  SetSoftKeyMode(selected ? SoftKeyMode::kSelectBack : SoftKeyMode::kBack);
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
      Add();
      break;
    case kIdRemove:
      Remove();
      break;
    case kIdEdit:
      Edit();
      break;
    case kIdMoveUp:
      MoveSelected(-1);
      break;
    case kIdMoveDown:
      MoveSelected(+1);
      break;
  }
}

void BaseListDlg::OnDoubleTapCommand(int command_id) {
  if (!ButtonEnabled(command_id)) return;
  if (command_id == kIdMoveUp) {
    MoveSelected(-1);
  } else if (command_id == kIdMoveDown) {
    MoveSelected(+1);
  }
}

int BaseListDlg::SelectedItem() const {
  const int row = list_.selected_index();
  if (row < 0 || row >= list_.item_count()) return -1;
  return row < ItemCount(Stored(), items_) ? row : -1;
}

void BaseListDlg::Add() {
  if (!CreateItem()) return;
  list_.SelectItem(AddRow(ItemCount(Stored(), items_) - 1));
  UpdateButtons();
  list_.Invalidate();
}

void BaseListDlg::Remove() {
  const int r = SelectedItem();
  if (r < 0) return;
  if (!CMessageBox::Ask(
          UiText("Remove confirmation"),
          Tr(TextsOf(items_).remove_question, ItemName(Stored(), items_, r)))) {
    return;
  }
  OfferToRemovePartner(r);
  list_.DeleteItem(r);
  RemoveItem(&Stored(), items_, r);
  // No row is selected after a removal: the position the list keeps now
  // shows another item, which the user did not choose; it may neither look
  // chosen nor be removed or selected by the next key.
  list_.ClearSelection();
  UpdateButtons();
  list_.Invalidate();
}

void BaseListDlg::OfferToRemovePartner(int index) {
  const int partner = PartnerOf(Stored(), items_, index);
  // A link that names nothing has nothing to ask about.
  if (partner < 0) return;
  const EquipmentList other = OtherList(items_);
  if (CMessageBox::Ask(TextsOf(items_).partner_title,
                       Tr(TextsOf(items_).partner_question,
                          ItemName(Stored(), other, partner)))) {
    RemoveItem(&Stored(), other, partner);
  }
  // On "No" the partner stays; removing the item unpairs it.
}

void BaseListDlg::Edit() {
  const int r = SelectedItem();
  if (r < 0 || !EditItem(r)) return;
  list_.RefreshTexts(r);
  list_.Invalidate();
}

void BaseListDlg::MoveSelected(int offset) {
  const int r = SelectedItem();
  if (r < 0) return;
  if (!list_.SwapItems(r, r + offset)) return;
  SwapItems(&Stored(), items_, r, r + offset);
  list_.SelectItem(r + offset);
  list_.Invalidate();
}

void BaseListDlg::OnOK() {
  const int r = SelectedItem();
  if (r >= 0) ChooseItem(&Stored(), items_, r);
  CBaseDlg::OnOK();
}

}  // namespace zorvanel
