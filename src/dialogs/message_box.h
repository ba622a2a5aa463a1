// The program's message box: a title, a message and one or two buttons.
#ifndef ZORVANEL_DIALOGS_MESSAGE_BOX_H_
#define ZORVANEL_DIALOGS_MESSAGE_BOX_H_

#include <string>

#include "controls/custom_button.h"
#include "controls/custom_static.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// Where the parts of a message box go, from its client size, the screen
// scale and the height of the message text.
struct MessageBoxLayout {
  int margin = 0;
  int title_height = 0;
  int button_height = 0;
  int button_width = 0;
  Rect title;
  Rect message;
  Rect first_button;
  Rect second_button;
  bool second_button_visible = true;
};

// The program's message box: a title, a message and one or two buttons. It
// ends with kOk for the first button ("Ok", "Yes") and kCancel for the
// second ("Cancel", "No") or a cancel. It has no soft keys of its own.
class CMessageBox : public CBaseDlg {
 public:
  // The buttons: "Ok" alone, "Ok" and "Cancel", or "Yes" and "No".
  enum class Kind { kOk, kOkCancel, kYesNo };

  static constexpr int kIdMessage = 1022;

  // `title` and `message` are English source texts, shown translated; a text
  // with values already put in shows as it is.
  CMessageBox(Kind kind, const std::string& title, const std::string& message);
  ~CMessageBox() override;

  // Shows a message with "Ok" and returns once it is closed.
  static void Show(const std::string& title, const std::string& message);
  // Asks with "Yes" and "No"; true for "Yes".
  static bool Ask(const std::string& title, const std::string& question);

  std::string ClassName() const override { return "CMessageBox"; }

  Kind kind() const { return kind_; }

  // Buttons go below the message, but never lower than the bottom margin
  // allows: a long message disappears under them rather than them off-screen.
  static MessageBoxLayout Layout(Size client, int scale, int message_height,
                                 Kind kind);

  // The screen a box needs alone in a window of its own, at display `scale`,
  // for its title and message texts as measured there: as wide as the wider
  // of them with margins (from half the reference width up to all of it),
  // as high as the box lays them out with its button, and the soft-key bar.
  static Size OwnScreen(int scale, Size title_text, Size message_text);
  // OwnScreen for these English texts, translated and measured at the
  // shell's scale; a message wider than the widest screen is wrapped.
  static Size OwnScreenFor(const std::string& title,
                           const std::string& message);

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;

 private:
  void PlaceControls();

  Kind kind_;
  TranslatedString message_;
  TranslatedString first_text_;
  TranslatedString second_text_;
  CCustomStatic message_label_;
  CCustomButton first_button_;
  CCustomButton second_button_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_MESSAGE_BOX_H_
