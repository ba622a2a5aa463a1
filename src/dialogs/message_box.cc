// The program's message box: a title, a message and one or two buttons.
#include "dialogs/message_box.h"

#include <algorithm>

#include "platform/screen_size.h"
#include "platform/shell.h"

namespace zorvanel {

CMessageBox::CMessageBox(Kind kind, const std::string& title,
                         const std::string& message)
    : kind_(kind), message_(message) {
  SetTitle(title);
}

CMessageBox::~CMessageBox() = default;

void CMessageBox::Show(const std::string& title, const std::string& message) {
  CMessageBox box(Kind::kOk, title, message);
  box.RunModal();
}

bool CMessageBox::Ask(const std::string& title, const std::string& question) {
  CMessageBox box(Kind::kYesNo, title, question);
  return box.RunModal() == DialogResult::kOk;
}

MessageBoxLayout CMessageBox::Layout(Size client, int scale, int message_height,
                                     Kind kind) {
  const int w = client.width;
  const int h = client.height;
  MessageBoxLayout layout;
  const int m = Scaled(scale, 10);
  const int th = Scaled(scale, 50);
  const int bh = Scaled(scale, 70);
  const int bw = w / 3;
  layout.margin = m;
  layout.title_height = th;
  layout.button_height = bh;
  layout.button_width = bw;
  layout.title = Rect::FromXYWH(0, 0, w, th);
  layout.message = Rect::FromXYWH(0, th + m, w, message_height);
  const int lowest = h - m - bh;
  const int y = std::min(th + m + message_height + m, lowest);
  if (kind == Kind::kOk) {
    layout.first_button = Rect::FromXYWH((w - bw) / 2, y, bw, bh);
    layout.second_button_visible = false;
  } else {
    // Two buttons with equal gaps.
    const int gap = (w - 2 * bw) / 3;
    layout.first_button = Rect::FromXYWH(gap, y, bw, bh);
    layout.second_button = Rect::FromXYWH(bw + 2 * gap, y, bw, bh);
  }
  return layout;
}

Size CMessageBox::OwnScreen(int scale, Size title_text, Size message_text) {
  const int widest = Scaled(scale, kReferenceWidth);
  const MessageBoxLayout tall = Layout(Size{widest, kMaxScreenSide}, scale,
                                       message_text.height, Kind::kOk);
  // Two margins each side of the wider text; never so narrow that a third
  // of it, the button, cramps "Ok".
  const int text_width = std::max(title_text.width, message_text.width);
  const int width =
      std::clamp(text_width + 4 * tall.margin, widest / 2, widest);
  const int height =
      tall.first_button.bottom + tall.margin + Scaled(scale, kSoftKeyBarHeight);
  return Size{width, height};
}

Size CMessageBox::OwnScreenFor(const std::string& title,
                               const std::string& message) {
  const int scale = Shell::Get().scale();
  CCustomStatic title_label;
  title_label.set_style(CCustomStatic::kStyleTitle);
  CCustomStatic message_label;
  message_label.set_style(CCustomStatic::kStyleItalic);
  // Wrapped as PlaceControls wraps it on the widest screen.
  const std::string shown = message_label.WrappedToWidth(
      TranslatedString(message).text(), Scaled(scale, kReferenceWidth));
  return OwnScreen(
      scale, title_label.MeasureText(nullptr, TranslatedString(title).text()),
      message_label.MeasureText(nullptr, shown));
}

void CMessageBox::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  message_label_.set_style(CCustomStatic::kStyleItalic);
  if (kind_ == Kind::kYesNo) {
    first_text_.SetKey(UiText("Yes"));
    second_text_.SetKey(UiText("No"));
  } else {
    first_text_.SetKey(UiText("Ok"));
    second_text_.SetKey(UiText("Cancel"));
  }
  CreateTitle(Rect{});
  message_label_.Create(this, kIdMessage, Rect{});
  first_button_.SetText(first_text_.text());
  first_button_.Create(this, kIdOk, Rect{});
  second_button_.SetText(second_text_.text());
  second_button_.Create(this, kIdCancel, Rect{});
  PlaceControls();
  // The default answer, the one Enter gives, wears the keyboard's focus.
  first_button_.SetFocus();
}

void CMessageBox::OnScreenResized() { PlaceControls(); }

void CMessageBox::PlaceControls() {
  const Size client = ClientRect().GetSize();
  // Labels do not wrap; a message line wider than the screen (a long
  // translation, a small screen) is broken at spaces and the box grows.
  message_label_.SetText(
      message_label_.WrappedToWidth(message_.text(), client.width));
  const int message_height = message_label_.MeasureText().height;
  const MessageBoxLayout layout =
      Layout(client, Scale(), message_height, kind_);
  title_label().SetRect(layout.title);
  message_label_.SetRect(layout.message);
  first_button_.SetRect(layout.first_button);
  second_button_.SetRect(layout.second_button);
  second_button_.Show(layout.second_button_visible);
}

}  // namespace zorvanel
