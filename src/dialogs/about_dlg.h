// The about box: logo, product name and version, licence text, Ok and Help.
#ifndef ZORVANEL_DIALOGS_ABOUT_DLG_H_
#define ZORVANEL_DIALOGS_ABOUT_DLG_H_

#include <functional>
#include <string>

#include "controls/custom_button.h"
#include "controls/custom_static.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "platform/geometry.h"

namespace zorvanel {

// Where the parts of the about box go, from its client size, the scale, the
// logo's reference size and the natural width of the title text.
struct AboutLayout {
  int margin = 0;
  Rect logo;
  Rect title;
  Rect version;
  Rect licence;
  Rect ok_button;
  Rect help_button;  // empty when the box has no help to open
};

// The about box: the logo with the product name and version beside it, the
// licence text below, and an Ok button at the bottom.
class CAboutDlg : public CBaseDlg {
 public:
  // The logo's reference size, used for the layout even when the picture is
  // missing (the space then stays black).
  static constexpr Size kLogoSize{100, 100};
  static constexpr int kIdVersion = 1039;
  static constexpr int kIdLicence = 1040;
  static constexpr int kIdHelp = 1041;
  static constexpr const char* kVersion = "1.6";

  CAboutDlg();
  ~CAboutDlg() override;

  std::string ClassName() const override { return "CAboutDlg"; }

  // The logo, a gap and the title form one centred row; the title and the
  // version line are centred vertically against the logo.
  // With `help`, Ok and Help share the bottom row.
  static AboutLayout Layout(Size client, int scale, Size logo, int title_width,
                            bool help = false);

  // What the Help button opens; without it the box shows no Help button.
  void set_open_help(std::function<void()> open_help) {
    open_help_ = std::move(open_help);
  }

  void OnCommand(int command_id) override;

  void OnPaint(Canvas& canvas) override;

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;

 private:
  void PlaceControls();

  TranslatedString licence_text_;
  TranslatedString ok_text_;
  CCustomStatic version_label_;
  CCustomStatic licence_label_;
  CCustomButton ok_button_;
  CCustomButton help_button_;
  std::function<void()> open_help_;
  Rect logo_rect_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_DIALOGS_ABOUT_DLG_H_
