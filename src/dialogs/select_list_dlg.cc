// The selection dialog: picks one row of a list its caller fills.
#include "dialogs/select_list_dlg.h"

#include "dialogs/label_fitting.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 screen; Scaled() fits them to the others.
constexpr int kCommentHeight = 30;
constexpr int kMargin = 10;
constexpr int kItemHeight = 65;

}  // namespace

CSelectListDlg::CSelectListDlg() = default;
CSelectListDlg::~CSelectListDlg() = default;

SelectListLayout CSelectListDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int h = client.height;
  const int th = Scaled(scale, kDialogTitleHeight);
  const int ch = Scaled(scale, kCommentHeight);
  const int m = Scaled(scale, kMargin);
  const int top = th + ch + m;
  SelectListLayout layout;
  layout.item_height = Scaled(scale, kItemHeight);
  layout.title = Rect::FromXYWH(0, 0, w, th);
  layout.comment = Rect::FromXYWH(0, th, w, ch);
  layout.list = Rect::FromXYWH(m, top, w - 2 * m, h - top - m);
  return layout;
}

void CSelectListDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  // A row selected beforehand (the current language) may be confirmed as
  // it is.
  if (list_.HasRow(list_.selected_index())) {
    SetSoftKeys(UiText("Select"), UiText("Cancel"), kIdOk, kIdCancel);
  } else {
    SetSoftKeys("", UiText("Cancel"), kIdLeftSoftKey, kIdCancel);
  }
  CreateTitle(Rect{});
  comment_label_.Create(this, kIdComment, Rect{});
  list_.Create(this, kIdList, Rect{});
  list_.set_listener(this);
  PlaceControls();
  list_.Init(list_.item_height());
  // The keys and typed letters move through the list from the start.
  list_.SetFocus();
}

void CSelectListDlg::OnScreenResized() { PlaceControls(); }

void CSelectListDlg::PlaceControls() {
  const SelectListLayout layout = Layout(ClientRect().GetSize(), Scale());
  title_label().SetRect(layout.title);
  // The comment line is one line high: a comment too wide for it in italics
  // takes the smaller normal style.
  SetFittingText(comment_label_, comment_.text(), layout.comment.GetSize());
  comment_label_.SetRect(layout.comment);
  list_.SetRect(layout.list);
  list_.SetItemHeight(layout.item_height);
}

void CSelectListDlg::OnListSelectionChanged() {
  SetSoftKeys(UiText("Select"), UiText("Cancel"), kIdOk, kIdCancel);
}

void CSelectListDlg::OnOK() {
  if (!list_.HasRow(list_.selected_index())) return;
  CBaseDlg::OnOK();
}

}  // namespace zorvanel
