// The equipment screen: camera, lens, language, units and the about box.
#include "dialogs/equipment_dlg.h"

#include "data/equipment.h"
#include "data/names.h"
#include "dialogs/about_dlg.h"
#include "dialogs/camera_list_dlg.h"
#include "dialogs/lens_list_dlg.h"
#include "dialogs/select_list_dlg.h"
#include "i18n/translator.h"
#include "optics/lens_accessor.h"
#include "optics/units.h"
#include "platform/canvas.h"
#include "skins/bitmap_cache.h"
#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 screen; Scaled() fits them to the others.
constexpr int kMargin = 20;
constexpr int kButtonHeight = 90;
constexpr int kTop = 30;
constexpr int kPictureColumn = 160;  // the buttons start right of it
constexpr int kSmallButtonWidth = 180;

Rect ScaledRect(const Rect& reference, int scale) {
  return Rect::FromXYWH(
      Scaled(scale, reference.left), Scaled(scale, reference.top),
      Scaled(scale, reference.Width()), Scaled(scale, reference.Height()));
}

}  // namespace

CEquipmentDlg::CEquipmentDlg(Zorvanel* data, std::string camera_database_path)
    : data_(data), camera_database_path_(std::move(camera_database_path)) {}
CEquipmentDlg::~CEquipmentDlg() = default;

EquipmentLayout CEquipmentDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int h = client.height;
  const int m = Scaled(scale, kMargin);
  const int bh = Scaled(scale, kButtonHeight);
  const int top = Scaled(scale, kTop);
  const int left = Scaled(scale, kPictureColumn);
  const int small = Scaled(scale, kSmallButtonWidth);
  EquipmentLayout layout;
  layout.camera_button = Rect::FromXYWH(left, top, w - m - left, bh);
  layout.lens_button = Rect::FromXYWH(left, top + 2 * m + bh, w - m - left, bh);
  layout.language_button =
      Rect::FromXYWH(m, top + 4 * m + 2 * bh, w - 2 * m, bh);
  layout.units_button = Rect::FromXYWH(m, h - bh - m, small, bh);
  layout.about_button = Rect::FromXYWH(w - m - small, h - bh - m, small, bh);
  layout.camera_picture = ScaledRect(kCameraPictureRect, scale);
  layout.lens_picture = ScaledRect(kLensPictureRect, scale);
  return layout;
}

UnitSystem CEquipmentDlg::units() const {
  return ToUnitSystem(data_->options().units());
}

void CEquipmentDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  Refresh();
  camera_button_.Create(this, kIdCameraButton, Rect{});
  lens_button_.Create(this, kIdLensButton, Rect{});
  language_button_.Create(this, kIdLanguageButton, Rect{});
  units_button_.Create(this, kIdUnitsButton, Rect{});
  about_button_.Create(this, kIdAboutButton, Rect{});
  PlaceControls();
}

void CEquipmentDlg::OnScreenResized() { PlaceControls(); }

void CEquipmentDlg::PlaceControls() {
  const EquipmentLayout layout = Layout(ClientRect().GetSize(), Scale());
  camera_button_.SetRect(layout.camera_button);
  lens_button_.SetRect(layout.lens_button);
  language_button_.SetRect(layout.language_button);
  units_button_.SetRect(layout.units_button);
  about_button_.SetRect(layout.about_button);
}

void CEquipmentDlg::Refresh() {
  const Camera* camera = SelectedCamera(data_->equipment());
  camera_button_.SetText(camera != nullptr
                             ? ShownName(*camera, NameSeparator::kLineBreak)
                             : Translate(UiText("Select the camera...")));
  const Lens* lens = SelectedLens(data_->equipment());
  lens_button_.SetText(lens != nullptr
                           ? ShownName(*lens, NameSeparator::kLineBreak)
                           : Translate(UiText("Select the lens...")));

  language_button_.SetText(Translate(UiText("Select the language...")));
  // Without a language file there is no flag to show.
  if (GetLanguageCount() > 0) {
    language_button_.SetIconStrip(pictures::kFlagStrip, GetLanguage(),
                                  GetLanguageCount());
  }
  units_button_.SetText(units() != kMetric ? Translate(UiText("ft./in."))
                                           : Translate(UiText("m/cm")));
  about_button_.SetText(Translate(UiText("About...")));
  RefreshSoftKeys();
}

void CEquipmentDlg::RefreshSoftKeys() {
  if (CameraAndLensSelected(data_->equipment())) {
    SetSoftKeys("", UiText("Main screen"), kIdLeftSoftKey, kIdOk);
  } else {
    SetSoftKeys("", UiText("Exit"), kIdLeftSoftKey, kIdCancel);
  }
}

void CEquipmentDlg::OnCommand(int command_id) {
  switch (command_id) {
    case kIdCameraButton:
      OpenCameraList();
      break;
    case kIdLensButton:
      OpenLensList();
      break;
    case kIdLanguageButton:
      ChooseLanguage();
      break;
    case kIdUnitsButton:
      ToggleUnits();
      break;
    case kIdAboutButton:
      OpenAbout();
      break;
    default:
      CBaseDlg::OnCommand(command_id);
      break;
  }
}

void CEquipmentDlg::OpenCameraList() {
  CameraListDlg cameras(StoredEquipment(), units(), camera_database_path_);
  cameras.RunModal();
  Refresh();
}

void CEquipmentDlg::OpenLensList() {
  LensListDlg lenses(StoredEquipment(), units());
  lenses.RunModal();
  Refresh();
}

void CEquipmentDlg::ChooseLanguage() {
  CSelectListDlg languages;
  languages.SetTitle(UiText("Language"));
  languages.SetComment(UiText("Please select your language"));
  for (int i = 0; i < GetLanguageCount(); ++i) {
    languages.list().AddTextRow(OwnLanguageName(i), "", "", -1);
    languages.list().SetRowIcon(i, {.bitmap_id = pictures::kFlagStrip,
                                    .index = i,
                                    .frame_count = GetLanguageCount()});
  }
  languages.list().SelectItem(GetLanguage());
  if (languages.RunModal() != DialogResult::kOk) return;
  SetLanguage(languages.list().selected_index());
  Refresh();
  camera_button_.Invalidate();
  lens_button_.Invalidate();
  RebuildSoftKeyBar();
  data_->mutable_options()->set_language(GetLanguage());
}

void CEquipmentDlg::ToggleUnits() {
  const UnitSystem previous = units();
  const UnitSystem next = previous == kMetric ? kImperial : kMetric;
  data_->mutable_options()->set_units(next);
  for (Lens& lens : *StoredEquipment()->mutable_lenses()) {
    LensAccessor(&lens).FollowUnitSystem(previous, next);
  }
  Refresh();
}

void CEquipmentDlg::OpenAbout() {
  CAboutDlg about;
  about.set_open_help(open_help_);
  about.RunModal();
}

void CEquipmentDlg::OnOK() {
  if (!CameraAndLensSelected(data_->equipment())) return;
  CBaseDlg::OnOK();
}

void CEquipmentDlg::OnEscapeKey() { OnCommand(soft_keys().right_command); }

void CEquipmentDlg::OnPaint(Canvas& canvas) {
  CBaseDlg::OnPaint(canvas);
  DrawPicture(canvas, pictures::kCamera, kCameraPictureRect);
  DrawPicture(canvas, pictures::kLens, kLensPictureRect);
}

void CEquipmentDlg::DrawPicture(Canvas& canvas, int bitmap_id,
                                const Rect& reference) {
  const Rect dest = ScaledRect(reference, Scale());
  if (const Image* picture = GetScaledBitmap(bitmap_id, dest.GetSize())) {
    canvas.Blit(*picture, Rect{0, 0, picture->width(), picture->height()},
                Point{dest.left, dest.top});
  }
}

}  // namespace zorvanel
