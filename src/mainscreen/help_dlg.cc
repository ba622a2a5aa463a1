// The help page: how to read the main screen, one short topic at a time.
#include "mainscreen/help_dlg.h"

#include <algorithm>
#include <array>

#include "data/equipment.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/wheel_readings.h"
#include "optics/depth_of_field.h"
#include "optics/units.h"
#include "platform/canvas.h"
#include "skins/bitmap_cache.h"
#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

constexpr HelpTopic kTopics[] = {
    {UiText("The panel"),
     UiText("The large line shows the hyperfocal distance or the depth of "
            "field: tap the left of the panel to swap them. Min and Max are "
            "the near and far limits of sharpness: everything between them "
            "is sharp."),
     HelpTopic::Picture::kNone},
    {UiText("The wheels"),
     UiText("Drag a wheel sideways to set the focal length, the aperture and "
            "the focus distance. A double tap on the distance wheel, or H, "
            "focuses at the hyperfocal distance: from about half of it to "
            "infinity is sharp."),
     HelpTopic::Picture::kNone},
    {UiText("The zone strip"),
     UiText("The band is the sharp zone on a line of distances, from the "
            "lens's nearest to infinity. The red mark is the focus distance, "
            "the small wedge the hyperfocal distance. Past the break in the "
            "line, the far distances are drawn closer together."),
     HelpTopic::Picture::kZoneStrip},
    {UiText("Amber values"),
     UiText("From the f-number at which diffraction blurs as much as the "
            "camera allows, the apertures and the band turn amber: closing "
            "further gives more depth, but a softer picture."),
     HelpTopic::Picture::kAmberStrip},
    {UiText("The plan screen"),
     UiText("Tap the zone strip or press P, then set how near and how far it "
            "must be sharp: it shows where to focus and the f-number to set, "
            "or a focus stack past diffraction. Use sets the wheels."),
     HelpTopic::Picture::kNone},
    {UiText("Options"),
     UiText("Options... opens your cameras and lenses, the language and the "
            "units (m/cm or ft./in.). Exit saves everything. Press ? on the "
            "main screen for this help."),
     HelpTopic::Picture::kFlags},
};

// The picture's share of a page, in reference pixels.
constexpr int kPictureHeight = 90;

}  // namespace

const HelpTopic* HelpTopics(int* count) {
  *count = static_cast<int>(std::size(kTopics));
  return kTopics;
}

CHelpDlg::CHelpDlg(const Zorvanel* data) : data_(data) {
  HelpTopics(&page_count_);
  SetTitle(kTopics[0].heading);
}

CHelpDlg::~CHelpDlg() = default;

std::string CHelpDlg::Title() const {
  return Translate(kTopics[page_].heading);
}

HelpLayout CHelpDlg::Layout(Size client, int scale, int text_height,
                            int picture_height) {
  const int m = Scaled(scale, 10);
  const int th = Scaled(scale, 50);
  HelpLayout layout;
  layout.heading = Rect::FromXYWH(0, 0, client.width, th);
  int top = th + m;
  const int room = client.height - top - m - text_height;
  if (picture_height > 0 && room >= picture_height + m) {
    layout.picture = Rect::FromXYWH(0, top, client.width, picture_height);
    top += picture_height + m;
  }
  layout.text = Rect::FromXYWH(m, top, client.width - 2 * m, text_height);
  return layout;
}

void CHelpDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  CreateTitle(Rect{});
  text_label_.set_style(CCustomStatic::kStyleItalic);
  text_label_.Create(this, kIdText, Rect{});
  ShowPage(0);
  // The page keys come to the dialog itself: nothing else takes keys here.
  SetFocus();
}

void CHelpDlg::ShowPage(int page) {
  page_ = std::clamp(page, 0, page_count_ - 1);
  SetTitle(kTopics[page_].heading);
  title_label().SetText(Title());
  const bool last = page_ == page_count_ - 1;
  SetSoftKeys(last ? "" : UiText("Next"), UiText("Back"), kIdLeftSoftKey,
              kIdCancel);
  PlaceControls();
  Invalidate();
}

void CHelpDlg::OnScreenResized() { PlaceControls(); }

void CHelpDlg::PlaceControls() {
  const Size client = ClientRect().GetSize();
  const std::string text = text_label_.WrappedToWidth(
      Translate(kTopics[page_].text), client.width - 2 * Scaled(Scale(), 10));
  text_label_.SetText(text);
  const bool picture = kTopics[page_].picture != HelpTopic::Picture::kNone;
  layout_ = Layout(client, Scale(), text_label_.MeasureText().height,
                   picture ? Scaled(Scale(), kPictureHeight) : 0);
  title_label().SetRect(layout_.heading);
  text_label_.SetRect(layout_.text);
  strip_ready_ = false;
}

void CHelpDlg::OnCommand(int command_id) {
  if (command_id == kIdLeftSoftKey) {
    ShowPage(page_ + 1);
    return;
  }
  CBaseDlg::OnCommand(command_id);
}

bool CHelpDlg::OnKeyDown(Key key) {
  switch (key) {
    case Key::kRight:
    case Key::kPageDown:
      ShowPage(page_ + 1);
      return true;
    case Key::kLeft:
    case Key::kPageUp:
      ShowPage(page_ - 1);
      return true;
    default:
      return false;
  }
}

void CHelpDlg::OnPaint(Canvas& canvas) {
  CBaseDlg::OnPaint(canvas);
  if (layout_.picture.IsEmpty()) return;
  switch (kTopics[page_].picture) {
    case HelpTopic::Picture::kZoneStrip:
      PaintStrip(canvas, false);
      break;
    case HelpTopic::Picture::kAmberStrip:
      PaintStrip(canvas, true);
      break;
    case HelpTopic::Picture::kFlags:
      PaintFlags(canvas);
      break;
    case HelpTopic::Picture::kNone:
      break;
  }
}

// The strip as the main screen draws it for the user's present kit, across
// the picture's place.
void CHelpDlg::PaintStrip(Canvas& canvas, bool amber) {
  const Lens* lens = data_ ? SelectedLens(data_->equipment()) : nullptr;
  const Camera* camera = data_ ? SelectedCamera(data_->equipment()) : nullptr;
  if (lens == nullptr || camera == nullptr) return;
  const UnitSystem units = ToUnitSystem(data_->options().units());
  if (!strip_ready_) {
    const Options& options = data_->options();
    const std::array<double, 3> percents = {
        StoredWheelPercent(options.focal_wheel()),
        StoredWheelPercent(options.aperture_wheel()),
        StoredWheelPercent(options.distance_wheel())};
    DofState results;
    ComputeResults(*lens, *camera, percents, units, &results);
    MainLayout main;
    main.scale = Scale();
    main.zone_area = layout_.picture;
    main.side_margin = Scaled(Scale(), 10);
    strip_.set_layout(ComputeZoneStripLayout(main));
    strip_.Update(*lens, results, units);
    strip_ready_ = true;
  }
  strip_.Paint(canvas, fitter_, GetFontTable().GetFont("Wheel"), amber);
}

void CHelpDlg::PaintFlags(Canvas& canvas) {
  const Bitmap* flags = GetBitmap(pictures::kFlagStrip);
  if (flags == nullptr || !flags->loaded() || flags->height() <= 0) return;
  const Rect& place = layout_.picture;
  const int height = std::min(place.Height(), Scaled(Scale(), 40));
  const int width = std::min(place.Width(),
                             flags->width() * height / flags->height());
  if (const Image* picture = GetScaledBitmap(pictures::kFlagStrip,
                                             Size{width, height})) {
    canvas.Blit(*picture, Rect{0, 0, picture->width(), picture->height()},
                Point{place.left + (place.Width() - width) / 2,
                      place.top + (place.Height() - height) / 2});
  }
}

}  // namespace zorvanel
