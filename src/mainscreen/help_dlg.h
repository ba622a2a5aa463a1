// The help page: how to read the main screen, one short topic at a time.
#ifndef ZORVANEL_MAINSCREEN_HELP_DLG_H_
#define ZORVANEL_MAINSCREEN_HELP_DLG_H_

#include <string>

#include "controls/custom_static.h"
#include "data/zorvanel.pb.h"
#include "dialogs/base_dlg.h"
#include "mainscreen/zone_strip.h"
#include "platform/geometry.h"
#include "platform/text_fitter.h"

namespace zorvanel {

// One topic of the help: its heading, its text (English keys) and the
// picture that goes with it.
struct HelpTopic {
  enum class Picture { kNone, kZoneStrip, kAmberStrip, kFlags };
  const char* heading;
  const char* text;
  Picture picture;
};

// The topics in the order they are shown.
const HelpTopic* HelpTopics(int* count);

// Where the parts of a help page go: the heading, the picture (empty when
// the page has none or the text leaves it no room) and the text.
struct HelpLayout {
  Rect heading;
  Rect picture;
  Rect text;
};

// "How to read this screen": a page per topic, each a heading, a picture of
// the program's own where one helps (the zone strip drawn from the user's
// present settings, the language flags) and a few lines of text. The left
// soft key, Right and Page Down turn to the next page; Left and Page Up to
// the one before; the right soft key and Escape go back.
class CHelpDlg : public CBaseDlg {
 public:
  static constexpr int kIdText = 1100;

  // `data` gives the kit whose zone strip the pictures show; null or a kit
  // without a camera or a lens shows the pages without it.
  explicit CHelpDlg(const Zorvanel* data);
  ~CHelpDlg() override;

  std::string ClassName() const override { return "CHelpDlg"; }
  std::string Title() const override;

  // The heading on top, the picture under it when the text leaves room for
  // it (`picture_height` at most), the text below within side margins of 10
  // reference pixels.
  static HelpLayout Layout(Size client, int scale, int text_height,
                           int picture_height);

  int page() const { return page_; }
  void ShowPage(int page);

  void OnCommand(int command_id) override;
  void OnPaint(Canvas& canvas) override;

 protected:
  void OnInitDialog() override;
  void OnScreenResized() override;
  bool OnKeyDown(Key key) override;

 private:
  void PlaceControls();
  void PaintStrip(Canvas& canvas, bool amber);
  void PaintFlags(Canvas& canvas);

  const Zorvanel* data_;
  int page_ = 0;
  int page_count_ = 0;
  CCustomStatic text_label_;
  HelpLayout layout_;
  ZoneStrip strip_;
  bool strip_ready_ = false;
  TextFitter fitter_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_HELP_DLG_H_
