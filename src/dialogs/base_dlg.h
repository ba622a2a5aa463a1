// The base of every dialog: black ground, translated title and soft keys.
#ifndef ZORVANEL_DIALOGS_BASE_DLG_H_
#define ZORVANEL_DIALOGS_BASE_DLG_H_

#include <string>

#include "controls/custom_static.h"
#include "i18n/translated_string.h"
#include "platform/dialog.h"
#include "platform/geometry.h"

namespace zorvanel {

// The widest the dialogs' controls go, in reference pixels: on a wider
// screen a dialog keeps to a centred column this wide, so that its lines stay
// readable and its list buttons square.
inline constexpr int kDialogColumnWidth = 600;

// The part of the dialog area `area` a dialog takes at display scale
// `scale`: all of it up to kDialogColumnWidth scaled, else a centred column
// that wide.
Rect DialogColumn(const Rect& area, int scale);

// The base of every dialog of the program: a black background, a translated
// title, and a soft-key bar of two translated labels, each sending a command
// id. The two placeholder commands kIdLeftSoftKey and kIdRightSoftKey do
// nothing, so a key labelled "" is harmless.
class CBaseDlg : public Dialog {
 public:
  static constexpr int kIdLeftSoftKey = 32778;
  static constexpr int kIdRightSoftKey = 32779;
  static constexpr int kIdTitle = 1007;

  CBaseDlg();
  ~CBaseDlg() override;

  std::string ClassName() const override { return "CBaseDlg"; }
  std::string Title() const override { return title_.text(); }

  // The English title, shown translated; set before the dialog runs.
  void SetTitle(const std::string& english) { title_.SetKey(english); }

  // English source texts of the two keys and their commands; shows them.
  void SetSoftKeys(const std::string& left, const std::string& right,
                   int left_command, int right_command);
  // Shows the keys' current translations; call it after a language change.
  void RebuildSoftKeyBar();

  // The screen scale in percent.
  int Scale() const;

  // A column of readable width (DialogColumn).
  Rect PlaceIn(const Rect& area, int scale) const override {
    return DialogColumn(area, scale);
  }

  // kIdLeftSoftKey and kIdRightSoftKey go to their handlers; 1 and 2 to
  // OnOK and OnCancel.
  void OnCommand(int command_id) override;
  // The stretched skin pictures are let go: the dialog on top makes the
  // sizes it draws, and this one makes its own again when it shows.
  void OnCovered() override;

 protected:
  virtual void OnLeftSoftKey() {}
  virtual void OnRightSoftKey() {}

  // Places the title label, in the title style, at `rect`.
  void CreateTitle(const Rect& rect);
  CCustomStatic& title_label() { return title_label_; }

 private:
  TranslatedString title_;
  CCustomStatic title_label_;
  TranslatedString left_text_;
  TranslatedString right_text_;
  int left_command_ = kIdLeftSoftKey;
  int right_command_ = kIdRightSoftKey;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_BASE_DLG_H_
