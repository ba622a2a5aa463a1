// The value entry: the small form every name and number is typed into.
#include "dialogs/edit_value_dlg.h"

#include "dialogs/label_fitting.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 screen; Scaled() fits them to the others.
constexpr int kRowHeight = 70;  // comment, fields and buttons
constexpr int kMargin = 10;

}  // namespace

CEditValueDlg::CEditValueDlg(EntryLayout layout) : layout_(layout) {}

CEditValueDlg::~CEditValueDlg() = default;

void CEditValueDlg::SetCaptions(const std::string& first_english,
                                const std::string& second_english) {
  caption1_.SetKey(first_english);
  caption2_.SetKey(second_english);
}

bool CEditValueDlg::HasTwoFields(EntryLayout layout) {
  return layout == EntryLayout::kTwoFields ||
         layout == EntryLayout::kTwoCaptioned ||
         layout == EntryLayout::kCommentTwoCaptioned;
}

EditValueLayout CEditValueDlg::Layout(EntryLayout layout, Size client,
                                      int scale) {
  const int w = client.width;
  const int t = Scaled(scale, kDialogTitleHeight);
  const int g = Scaled(scale, kRowHeight);
  const int m = Scaled(scale, kMargin);
  const int d = scale * kRowHeight / 200;  // half-height comment
  const int n = w / 3;                     // narrow field, button width
  const int c = 2 * w / 5;                 // each of two fields
  const int x0 = (w - 2 * c) / 3;

  EditValueLayout out;
  out.title = Rect::FromXYWH(0, 0, w, t);
  int buttons_y = t + 2 * g + m;
  switch (layout) {
    case EntryLayout::kSingleNumber:
      out.comment = Rect::FromXYWH(0, t, w, g);
      out.comment_visible = true;
      out.field1 = Rect::FromXYWH((w - n) / 2, t + g, n, g);
      break;
    case EntryLayout::kSingleText:
      out.comment = Rect::FromXYWH(0, t, w, g);
      out.comment_visible = true;
      out.field1 = Rect::FromXYWH(m, t + g, w - 2 * m, g);
      break;
    case EntryLayout::kTwoFields:
      out.comment = Rect::FromXYWH(0, t, w, g);
      out.comment_visible = true;
      out.field1 = Rect::FromXYWH(x0, t + g, c, g);
      out.field2 = Rect::FromXYWH(c + 2 * x0, t + g, c, g);
      out.field2_visible = true;
      break;
    case EntryLayout::kTwoCaptioned:
      out.caption1 = Rect::FromXYWH(0, t, w / 2, g);
      out.caption2 = Rect::FromXYWH(w / 2, t, w / 2, g);
      out.captions_visible = true;
      out.field1 = Rect::FromXYWH(x0, t + g, c, g);
      out.field2 = Rect::FromXYWH(c + 2 * x0, t + g, c, g);
      out.field2_visible = true;
      break;
    case EntryLayout::kCommentTwoCaptioned:
      out.comment = Rect::FromXYWH(0, t, w, d);
      out.comment_visible = true;
      out.caption1 = Rect::FromXYWH(0, t + d, w / 2, d);
      out.caption2 = Rect::FromXYWH(w / 2, t + d, w / 2, d);
      out.captions_visible = true;
      out.field1 = Rect::FromXYWH(x0, t + 2 * d, c, g);
      out.field2 = Rect::FromXYWH(c + 2 * x0, t + 2 * d, c, g);
      out.field2_visible = true;
      buttons_y = t + 2 * d + m + g;
      break;
  }
  out.ok_button = Rect::FromXYWH((w - 2 * n) / 3, buttons_y, n, g);
  out.cancel_button = Rect::FromXYWH(n + 2 * (w - 2 * n) / 3, buttons_y, n, g);
  return out;
}

void CEditValueDlg::PlaceLabel(CCustomStatic& label, const Rect& rect,
                               const std::string& text, bool visible) {
  SetFittingText(label, text, rect.GetSize());
  label.SetRect(rect);
  label.Show(visible);
}

void CEditValueDlg::PlaceField(CCustomEdit& field, const Rect& rect,
                               bool visible) {
  field.SetRect(rect);
  field.Show(visible);
}

void CEditValueDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  CreateTitle(Rect{});
  comment_label_.Create(this, kIdComment, Rect{});
  caption1_label_.Create(this, kIdCaption1, Rect{});
  caption2_label_.Create(this, kIdCaption2, Rect{});
  field1_.Create(this, kIdField1, Rect{});
  field2_.Create(this, kIdField2, Rect{});
  ok_text_.SetKey(UiText("Ok"));
  cancel_text_.SetKey(UiText("Cancel"));
  ok_button_.SetText(ok_text_.text());
  ok_button_.Create(this, kIdOk, Rect{});
  cancel_button_.SetText(cancel_text_.text());
  cancel_button_.Create(this, kIdCancel, Rect{});
  PlaceControls();
  // The one-field layouts never show text 2; their hidden field stays empty
  // so that an accepted run hands back an empty text 2.
  field1_.set_text(text1_);
  field2_.set_text(HasTwoFields(layout_) ? text2_ : std::string());

  FocusChosenField();
  Shell::Get().ShowKeyboard(true);
}

void CEditValueDlg::OnScreenResized() { PlaceControls(); }

void CEditValueDlg::PlaceControls() {
  const EditValueLayout layout =
      Layout(layout_, ClientRect().GetSize(), Scale());
  title_label().SetRect(layout.title);
  PlaceLabel(comment_label_, layout.comment, comment_.text(),
             layout.comment_visible);
  PlaceLabel(caption1_label_, layout.caption1, caption1_.text(),
             layout.captions_visible);
  PlaceLabel(caption2_label_, layout.caption2, caption2_.text(),
             layout.captions_visible);
  PlaceField(field1_, layout.field1, true);
  PlaceField(field2_, layout.field2, layout.field2_visible);
  ok_button_.SetRect(layout.ok_button);
  cancel_button_.SetRect(layout.cancel_button);
}

void CEditValueDlg::FocusChosenField() {
  CCustomEdit& field =
      HasTwoFields(layout_) && focus_field_ == 2 ? field2_ : field1_;
  field.SetFocus();
  // Typing replaces the whole text, also when the field had the focus
  // already (a second run of the same dialog).
  field.SelectAll();
}

void CEditValueDlg::OnOK() {
  text1_ = field1_.text();
  text2_ = field2_.text();
  CBaseDlg::OnOK();
}

}  // namespace zorvanel
