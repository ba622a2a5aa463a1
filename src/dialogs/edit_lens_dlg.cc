// The lens editor: its name and its focal, aperture and distance lists.
#include "dialogs/edit_lens_dlg.h"

#include "data/names.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/edit_value_list_dlg.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "optics/value.h"
#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 screen; Scaled() fits them to the others.
constexpr int kCaptionHeight = 25;
constexpr int kButtonHeight = 90;
constexpr int kMargin = 10;
constexpr int kSpace = 20;

// "%1" of `pattern` replaced by the first value, or by the first and the last
// joined by " - " when they print differently; `format` prints one stored
// value.
template <typename Format>
std::string ListText(const google::protobuf::RepeatedField<double>& values,
                     const char* empty_text, const char* pattern,
                     Format format) {
  if (values.empty()) return Translate(empty_text);
  std::string range = format(values.Get(0));
  const std::string last = format(values.Get(values.size() - 1));
  if (last != range) range += " - " + last;
  return Tr(pattern, range);
}

}  // namespace

CEditLensDlg::CEditLensDlg(UnitSystem units) : units_(units) {}
CEditLensDlg::~CEditLensDlg() = default;

EditLensLayout CEditLensDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int t = Scaled(scale, kDialogTitleHeight);
  const int c = Scaled(scale, kCaptionHeight);
  const int b = Scaled(scale, kButtonHeight);
  const int m = Scaled(scale, kMargin);
  const int f = Scaled(scale, kSpace);
  const int y1 = t + f + c + 2 * m + f + b;
  EditLensLayout layout;
  layout.title = Rect::FromXYWH(0, 0, w, t);
  layout.caption = Rect::FromXYWH(0, t + f, w, c);
  layout.name_button = Rect::FromXYWH(m, t + f + c + m, w - 2 * m, b);
  layout.focal_button = Rect::FromXYWH(m, y1, w - 2 * m, b);
  layout.aperture_button = Rect::FromXYWH(m, y1 + m + b, w - 2 * m, b);
  layout.distance_button = Rect::FromXYWH(m, y1 + 2 * (m + b), w - 2 * m, b);
  return layout;
}

std::string CEditLensDlg::NameText(const Lens& lens) {
  const std::string name = DisplayName(lens, NameSeparator::kSpace);
  return name.empty() ? Translate(UiText("Click to define...")) : name;
}

std::string CEditLensDlg::FocalText(const Lens& lens) {
  return ListText(lens.focals(), UiText("Define focal values..."),
                  UiText("Focal: %1..."),
                  [](double v) { return Format(FocalValue(v)); });
}

std::string CEditLensDlg::ApertureText(const Lens& lens) {
  // Narrowed as the wheels narrow it, so 2.8 prints as f/2.8.
  return ListText(lens.apertures(), UiText("Define aperture values..."),
                  UiText("Aperture: %1..."), [](double v) {
                    return Format(ApertureValue(
                        static_cast<double>(static_cast<float>(v))));
                  });
}

std::string CEditLensDlg::DistanceText(const Lens& lens, UnitSystem units) {
  return ListText(lens.distances(), UiText("Define distance values..."),
                  UiText("Distance: %1..."), [units](double v) {
                    return Format(DistanceValue(v), units);
                  });
}

void CEditLensDlg::CreateButton(CCustomButton& button, int id, int icon) {
  if (icon != 0) button.SetIcon(icon, false);
  button.Create(this, id, Rect{});
}

void CEditLensDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  if (lens_ == nullptr) {
    own_lens_ = std::make_unique<Lens>();
    lens_ = own_lens_.get();
  }
  Refresh();
  SetSoftKeys(UiText("Ok"), UiText("Cancel"), kIdOk, kIdCancel);

  CreateTitle(Rect{});
  caption_text_.SetKey(UiText("Name of the lens:"));
  caption_label_.set_style(CCustomStatic::kStyleNormal);
  caption_label_.SetText(caption_text_.text());
  caption_label_.Create(this, kIdNameCaption, Rect{});

  CreateButton(name_button_, kIdNameButton, 0);
  CreateButton(focal_button_, kIdFocalButton, pictures::kFocal);
  CreateButton(aperture_button_, kIdApertureButton, pictures::kAperture);
  CreateButton(distance_button_, kIdDistanceButton, pictures::kDistance);
  PlaceControls();
}

void CEditLensDlg::OnScreenResized() { PlaceControls(); }

void CEditLensDlg::PlaceControls() {
  const EditLensLayout layout = Layout(ClientRect().GetSize(), Scale());
  title_label().SetRect(layout.title);
  caption_label_.SetRect(layout.caption);
  name_button_.SetRect(layout.name_button);
  focal_button_.SetRect(layout.focal_button);
  aperture_button_.SetRect(layout.aperture_button);
  distance_button_.SetRect(layout.distance_button);
}

void CEditLensDlg::Refresh() {
  name_button_.SetText(NameText(*lens_));
  focal_button_.SetText(FocalText(*lens_));
  aperture_button_.SetText(ApertureText(*lens_));
  distance_button_.SetText(DistanceText(*lens_, units_));
}

void CEditLensDlg::OnCommand(int command_id) {
  switch (command_id) {
    case kIdNameButton:
      if (AskForName(lens_, UiText("Lens name"),
                     UiText("Please enter the name of your lens."))) {
        Refresh();
      }
      break;
    case kIdFocalButton:
      EditFocals();
      break;
    case kIdApertureButton:
      EditValues(ValueKind::kAperture, UiText("Edit aperture values"),
                 lens_->mutable_apertures());
      break;
    case kIdDistanceButton:
      EditValues(ValueKind::kDistance, UiText("Edit focus distance values"),
                 lens_->mutable_distances());
      break;
    default:
      CBaseDlg::OnCommand(command_id);
      break;
  }
}

std::optional<std::vector<double>> CEditLensDlg::EditList(
    ValueKind kind, const std::string& title,
    const google::protobuf::RepeatedField<double>& values) const {
  CEditValueListDlg dlg(kind, units_);
  dlg.SetTitle(title);
  for (double v : values) dlg.AppendValue(v);
  if (dlg.RunModal() != DialogResult::kOk) return std::nullopt;
  return dlg.Values();
}

void CEditLensDlg::EditFocals() {
  const std::optional<std::vector<double>> edited =
      EditList(ValueKind::kFocal, UiText("Edit focal values"), lens_->focals());
  // The focal wheel needs one value at least: an emptied list is not taken.
  if (edited && !edited->empty()) {
    lens_->mutable_focals()->Assign(edited->begin(), edited->end());
    lens_->set_min_focal(edited->front());
    lens_->set_max_focal(edited->back());
  }
  Refresh();
}

void CEditLensDlg::EditValues(ValueKind kind, const std::string& title,
                              google::protobuf::RepeatedField<double>* values) {
  const std::optional<std::vector<double>> edited =
      EditList(kind, title, *values);
  if (edited) values->Assign(edited->begin(), edited->end());
  Refresh();
}

}  // namespace zorvanel
