// The value entry: the small form every name and number is typed into.
#ifndef ZORVANEL_DIALOGS_EDIT_VALUE_DLG_H_
#define ZORVANEL_DIALOGS_EDIT_VALUE_DLG_H_

#include <string>

#include "controls/custom_button.h"
#include "controls/custom_edit.h"
#include "controls/custom_static.h"
#include "data/names.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// Which parts the value entry shows and where.
enum class EntryLayout {
  kSingleNumber,         // comment, one narrow field
  kSingleText,           // comment, one wide field
  kTwoFields,            // comment, two fields side by side
  kTwoCaptioned,         // two captions over two fields, no comment
  kCommentTwoCaptioned,  // half-height comment, two captions, two fields
};

// Where the parts of the value entry go, from the layout, the client size
// and the screen scale. Parts a layout does not show are marked hidden (their
// rectangles are empty).
struct EditValueLayout {
  Rect title;
  Rect comment;
  bool comment_visible = false;
  Rect caption1;
  Rect caption2;
  bool captions_visible = false;
  Rect field1;
  Rect field2;
  bool field2_visible = false;
  Rect ok_button;
  Rect cancel_button;
};

// The small form through which every name and number of the equipment
// screens is typed: a title, a comment, up to two captions and one or two
// text fields, with "Ok" and "Cancel" buttons. It does no checking; a caller
// that rejects the texts shows its own message and runs the same object
// again, which then shows the rejected texts once more.
//
//   CEditValueDlg entry(EntryLayout::kSingleNumber);
//   entry.SetTitle(UiText("Circle of confusion"));
//   entry.set_text1("0.030");
//   while (entry.RunModal() == DialogResult::kOk) {
//     if (Acceptable(entry.text1())) break;  // else: message, run again
//   }
class CEditValueDlg : public CBaseDlg {
 public:
  static constexpr int kIdComment = 1014;
  static constexpr int kIdCaption1 = 1015;
  static constexpr int kIdCaption2 = 1016;
  static constexpr int kIdField1 = 1021;
  static constexpr int kIdField2 = 1022;

  explicit CEditValueDlg(EntryLayout layout);
  ~CEditValueDlg() override;

  std::string ClassName() const override { return "CEditValueDlg"; }

  EntryLayout layout() const { return layout_; }

  // English texts, shown translated. The comment may hold "\r\n".
  void SetComment(const std::string& english) { comment_.SetKey(english); }
  void SetCaptions(const std::string& first_english,
                   const std::string& second_english);

  // The fields' texts before a run; after an accepted run, what was typed
  // (text2 is then empty in the one-field layouts). A cancelled run leaves
  // them as they were.
  const std::string& text1() const { return text1_; }
  const std::string& text2() const { return text2_; }
  void set_text1(const std::string& text) { text1_ = initial_text1_ = text; }
  void set_text2(const std::string& text) { text2_ = initial_text2_ = text; }
  // True while both texts are still the ones the caller set: an entry
  // confirmed untouched stores nothing new.
  bool TextsUnchanged() const {
    return text1_ == initial_text1_ && text2_ == initial_text2_;
  }

  // The field (1 or 2) that takes the focus in the two-field layouts; any
  // other number means 1. The one-field layouts always focus field 1.
  void SetFocusField(int field) { focus_field_ = field; }

  static EditValueLayout Layout(EntryLayout layout, Size client, int scale);
  static bool HasTwoFields(EntryLayout layout);

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;
  void OnOK() override;

 private:
  void PlaceControls();
  // An italic label, its text fitted to `rect`.
  void PlaceLabel(CCustomStatic& label, const Rect& rect,
                  const std::string& text, bool visible);
  void PlaceField(CCustomEdit& field, const Rect& rect, bool visible);
  void FocusChosenField();

  const EntryLayout layout_;
  TranslatedString comment_;
  TranslatedString caption1_;
  TranslatedString caption2_;
  TranslatedString ok_text_;
  TranslatedString cancel_text_;
  std::string text1_;
  std::string text2_;
  std::string initial_text1_;
  std::string initial_text2_;
  int focus_field_ = 1;

  CCustomStatic comment_label_;
  CCustomStatic caption1_label_;
  CCustomStatic caption2_label_;
  CCustomEdit field1_;
  CCustomEdit field2_;
  CCustomButton ok_button_;
  CCustomButton cancel_button_;
};

// Asks for a new name of a camera or lens, shown with its separators
// escaped; true when the user changed it and it was stored. Any name goes,
// the empty one included (it clears both parts).
template <typename Item>
bool AskForName(Item* item, const std::string& title,
                const std::string& comment) {
  CEditValueDlg entry(EntryLayout::kSingleText);
  entry.SetTitle(title);
  entry.SetComment(comment);
  entry.set_text1(DisplayName(*item, NameSeparator::kEscaped));
  // An untouched name is left as stored: splitting it again would move a
  // lone maker into the model.
  if (entry.RunModal() != DialogResult::kOk || entry.TextsUnchanged()) {
    return false;
  }
  SplitName(item, entry.text1());
  return true;
}

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_EDIT_VALUE_DLG_H_
