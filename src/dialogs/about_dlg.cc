// The about box: logo, product name and version, licence text, Ok and Help.
#include "dialogs/about_dlg.h"

#include <algorithm>

#include "i18n/translator.h"
#include "platform/canvas.h"
#include "skins/bitmap_cache.h"
#include "skins/picture_ids.h"

namespace zorvanel {

CAboutDlg::CAboutDlg()
    : licence_text_(UiText("__licence__")), ok_text_(UiText("Ok")) {
  SetTitle(UiText("Zorvanel"));
}

CAboutDlg::~CAboutDlg() = default;

AboutLayout CAboutDlg::Layout(Size client, int scale, Size logo,
                              int title_width, bool help) {
  const int w = client.width;
  const int h = client.height;
  const int logo_w = Scaled(scale, logo.width);
  const int logo_h = Scaled(scale, logo.height);
  const int m = Scaled(scale, 10);
  const int th = Scaled(scale, 50);
  const int vh = Scaled(scale, 20);
  const int bh = Scaled(scale, 70);
  const int bw = Scaled(scale, 150);
  AboutLayout layout;
  layout.margin = m;
  const int logo_x = (w - title_width - m - logo_w) / 2;
  layout.logo = Rect::FromXYWH(logo_x, m, logo_w, logo_h);
  const int title_x = logo_x + m + logo_w;
  const int title_y = (2 * m + logo_h - vh - th) / 2;
  layout.title = Rect::FromXYWH(title_x, title_y, title_width, th);
  layout.version = Rect::FromXYWH(title_x, title_y + th, title_width, vh);
  const int licence_h = h - 4 * m - bh - logo_h;
  layout.licence = Rect::FromXYWH(0, logo_h + 2 * m, w, licence_h);
  const int button_y = logo_h + 3 * m + licence_h;
  if (!help) {
    layout.ok_button = Rect::FromXYWH((w - bw) / 2, button_y, bw, bh);
    return layout;
  }
  // Two buttons a third of the width each, with equal gaps.
  const int two_w = std::min(bw, w / 3);
  const int gap = (w - 2 * two_w) / 3;
  layout.ok_button = Rect::FromXYWH(gap, button_y, two_w, bh);
  layout.help_button = Rect::FromXYWH(2 * gap + two_w, button_y, two_w, bh);
  return layout;
}

void CAboutDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  title_label().set_style(CCustomStatic::kStyleTitle);
  CreateTitle(Rect{});
  version_label_.set_style(CCustomStatic::kStyleNormal);
  version_label_.SetText(Tr(UiText("Version: %1"), kVersion));
  version_label_.Create(this, kIdVersion, Rect{});
  licence_label_.set_style(CCustomStatic::kStyleItalic);
  licence_label_.Create(this, kIdLicence, Rect{});
  ok_button_.SetText(ok_text_.text());
  ok_button_.Create(this, kIdOk, Rect{});
  help_button_.SetText(Translate(UiText("Help")));
  help_button_.Create(this, kIdHelp, Rect{});
  help_button_.Show(static_cast<bool>(open_help_));
  PlaceControls();
}

void CAboutDlg::OnScreenResized() { PlaceControls(); }

void CAboutDlg::PlaceControls() {
  const int title_width = title_label().MeasureText(nullptr, Title()).width;
  const Bitmap* logo = GetBitmap(pictures::kLogo);
  const Size logo_size = logo != nullptr && logo->loaded()
                             ? Size{logo->width(), logo->height()}
                             : kLogoSize;
  const AboutLayout layout =
      Layout(ClientRect().GetSize(), Scale(), logo_size, title_width,
             static_cast<bool>(open_help_));
  logo_rect_ = layout.logo;
  title_label().SetRect(layout.title);
  version_label_.SetRect(layout.version);
  // Like a message, a licence line too wide for the screen wraps at spaces.
  licence_label_.SetText(licence_label_.WrappedToWidth(licence_text_.text(),
                                                       layout.licence.Width()));
  licence_label_.SetRect(layout.licence);
  ok_button_.SetRect(layout.ok_button);
  help_button_.SetRect(layout.help_button);
}

void CAboutDlg::OnCommand(int command_id) {
  if (command_id == kIdHelp && open_help_) {
    open_help_();
    return;
  }
  CBaseDlg::OnCommand(command_id);
}

void CAboutDlg::OnPaint(Canvas& canvas) {
  CBaseDlg::OnPaint(canvas);
  if (const Image* logo =
          GetScaledBitmap(pictures::kLogo, logo_rect_.GetSize())) {
    canvas.Blit(*logo, Rect{0, 0, logo->width(), logo->height()},
                Point{logo_rect_.left, logo_rect_.top});
  }
}

}  // namespace zorvanel
