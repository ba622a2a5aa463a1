// The camera editor: name, circle of confusion and focal equivalence.
#include "dialogs/edit_camera_dlg.h"

#include <cmath>
#include <string_view>

#include "data/names.h"
#include "dialogs/edit_value_dlg.h"
#include "dialogs/message_box.h"
#include "dialogs/number_field.h"
#include "dialogs/select_list_dlg.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "optics/sensor.h"
#include "optics/value_limits.h"

namespace zorvanel {
namespace {

// Sizes on the 480 x 640 screen; Scaled() fits them to the others.
constexpr int kCaptionHeight = 25;
constexpr int kButtonHeight = 90;
constexpr int kGap = 10;
constexpr int kRowSpace = 20;

// The rows of the circle of confusion's choice, in this order.
enum CocRow {
  kStandardRow,
  kLargeRow,
  kSensorSizeRow,
  kCropFactorRow,
  kOwnRow
};
constexpr PrintViewing kViewings[] = {PrintViewing::kStandard,
                                      PrintViewing::kLarge};
// A crop factor may be typed as photographers write it, "×1.5" or "x1.5".
constexpr std::string_view kCropPrefixes[] = {"\u00D7", "x"};

// Where a circle of confusion from the sensor comes from: "28.3 mm / 1500".
std::string Derivation(double diagonal, PrintViewing viewing) {
  return FormatFixed(diagonal, 1) + " " + Translate(UiText("mm")) + " / " +
         std::to_string(static_cast<int>(viewing));
}

// The choice's row that gives `coc` for a sensor of `diagonal`: one of the
// sensor's own values, the typed one when the camera has another, or none.
int CurrentCocRow(double coc, double diagonal) {
  for (int row : {kStandardRow, kLargeRow}) {
    if (coc == CircleOfConfusion(diagonal, kViewings[row])) return row;
  }
  return coc >= kDefinedCircleOfConfusion ? kOwnRow : -1;
}

// The real focal length that the camera shows as its displayed one.
double RealFocal(const Camera& camera) {
  const double displayed = camera.displayed_focal();
  const double multiplier = camera.focal_multiplier();
  return multiplier > 0.0 ? displayed / multiplier : displayed;
}

}  // namespace

CEditCameraDlg::CEditCameraDlg() = default;
CEditCameraDlg::~CEditCameraDlg() = default;

EditCameraLayout CEditCameraDlg::Layout(Size client, int scale) {
  const int w = client.width;
  const int t = Scaled(scale, kDialogTitleHeight);
  const int c = Scaled(scale, kCaptionHeight);
  const int b = Scaled(scale, kButtonHeight);
  const int g = Scaled(scale, kGap);
  const int f = Scaled(scale, kRowSpace);
  EditCameraLayout layout;
  layout.title = Rect::FromXYWH(0, 0, w, t);
  for (int k = 0; k < 3; ++k) {
    const int y = t + f + g + k * (g + c + f + b);
    layout.captions[k] = Rect::FromXYWH(0, y, w, c);
    layout.buttons[k] = Rect::FromXYWH(g, y + g + c, w - 2 * g, b);
  }
  return layout;
}

std::string CEditCameraDlg::NameText(const Camera& camera) {
  const std::string name = DisplayName(camera, NameSeparator::kSpace);
  return name.empty() ? Translate(UiText("Click to define...")) : name;
}

std::string CEditCameraDlg::CircleOfConfusionText(const Camera& camera) {
  if (camera.circle_of_confusion() < 0.0) {
    return Translate(UiText("Click to define..."));
  }
  return FormatCircleOfConfusion(camera.circle_of_confusion());
}

std::string CEditCameraDlg::FocalEquivalenceText(const Camera& camera) {
  return Tr(UiText("Real %1 is displayed %2"),
            Format(FocalValue(RealFocal(camera))),
            Format(FocalValue(camera.displayed_focal())));
}

void CEditCameraDlg::CreateRow(int row, int caption_id,
                               const std::string& caption,
                               CCustomButton& button, int button_id) {
  caption_texts_[row].SetKey(caption);
  captions_[row].set_style(CCustomStatic::kStyleNormal);
  captions_[row].SetText(caption_texts_[row].text());
  captions_[row].Create(this, caption_id, Rect{});
  button.Create(this, button_id, Rect{});
}

void CEditCameraDlg::OnScreenResized() { PlaceControls(); }

void CEditCameraDlg::PlaceControls() {
  const EditCameraLayout layout = Layout(ClientRect().GetSize(), Scale());
  title_label().SetRect(layout.title);
  CCustomButton* buttons[] = {&name_button_, &coc_button_, &focal_button_};
  for (int row = 0; row < 3; ++row) {
    captions_[row].SetRect(layout.captions[row]);
    buttons[row]->SetRect(layout.buttons[row]);
  }
}

void CEditCameraDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  if (camera_ == nullptr) {
    own_camera_ = std::make_unique<Camera>();
    camera_ = own_camera_.get();
  }
  Refresh();
  SetSoftKeys(UiText("Ok"), UiText("Cancel"), kIdOk, kIdCancel);

  CreateTitle(Rect{});
  CreateRow(0, kIdNameCaption, UiText("Name of the camera:"), name_button_,
            kIdNameButton);
  CreateRow(1, kIdCocCaption, UiText("Circle of confusion of the camera:"),
            coc_button_, kIdCocButton);
  CreateRow(2, kIdFocalCaption, UiText("Focal equivalence for display:"),
            focal_button_, kIdFocalButton);
  PlaceControls();
}

void CEditCameraDlg::Refresh() {
  name_button_.SetText(NameText(*camera_));
  coc_button_.SetText(CircleOfConfusionText(*camera_));
  focal_button_.SetText(FocalEquivalenceText(*camera_));
}

void CEditCameraDlg::OnCommand(int command_id) {
  switch (command_id) {
    case kIdNameButton:
      if (AskForName(camera_, UiText("Camera name"),
                     UiText("Please enter the name of your camera."))) {
        Refresh();
      }
      break;
    case kIdCocButton:
      ChooseCircleOfConfusion();
      break;
    case kIdFocalButton:
      EditFocalEquivalence();
      break;
    default:
      CBaseDlg::OnCommand(command_id);
      break;
  }
}

void CEditCameraDlg::ChooseCircleOfConfusion() {
  // A sensor size or crop factor given here comes back to the choice, which
  // then offers that sensor's values.
  while (true) {
    const double coc = camera_->circle_of_confusion();
    const double diagonal = SensorDiagonal(camera_->focal_multiplier());
    CSelectListDlg choice;
    choice.SetTitle(UiText("Circle of confusion"));
    choice.SetComment(UiText("From the sensor, or a value of your own:"));
    CameraDynaList& rows = choice.list();
    rows.AddTextRow(Translate(UiText("Standard print")),
                    Derivation(diagonal, PrintViewing::kStandard),
                    FormatCircleOfConfusion(CircleOfConfusion(diagonal)), -1);
    rows.AddTextRow(Translate(UiText("Large print or close viewing")),
                    Derivation(diagonal, PrintViewing::kLarge),
                    FormatCircleOfConfusion(
                        CircleOfConfusion(diagonal, PrintViewing::kLarge)),
                    -1);
    rows.AddTextRow(Translate(UiText("Sensor size...")), "", "", -1);
    rows.AddTextRow(Translate(UiText("Crop factor...")), "",
                    FormatMultiplier(camera_->focal_multiplier()), -1);
    rows.AddTextRow(Translate(UiText("Other value...")), "",
                    coc >= kDefinedCircleOfConfusion
                        ? FormatCircleOfConfusion(coc)
                        : std::string(),
                    -1);
    const int current = CurrentCocRow(coc, diagonal);
    if (current >= 0) rows.SelectItem(current);
    if (choice.RunModal() != DialogResult::kOk) return;
    switch (rows.selected_index()) {
      case kStandardRow:
      case kLargeRow:
        camera_->set_circle_of_confusion(
            CircleOfConfusion(diagonal, kViewings[rows.selected_index()]));
        Refresh();
        return;
      case kSensorSizeRow:
        EnterSensorSize();
        break;
      case kCropFactorRow:
        EnterCropFactor();
        break;
      default:
        EditCircleOfConfusion();
        return;
    }
  }
}

bool CEditCameraDlg::EnterSensorSize() {
  CEditValueDlg entry(EntryLayout::kCommentTwoCaptioned);
  entry.SetTitle(UiText("Sensor size"));
  entry.SetComment(UiText("Please enter the sensor size (mm)."));
  entry.SetCaptions(UiText("Width:"), UiText("Height:"));
  const std::optional<TypedPair> typed = AskNumbers(
      entry,
      {.unit = kMillimetreUnit,
       .prefixes = {},
       .refusal = [](const TypedPair& size) -> std::optional<std::string> {
         const ClosedRange range = kSensorDiagonalRange;
         if (size.first > 0.0 && size.second > 0.0 &&
             range.Contains(std::hypot(size.first, size.second))) {
           return std::nullopt;
         }
         return Tr(UiText("The diagonal of the sensor must be\r\nbetween %1 "
                          "and %2."),
                   Format(FocalValue(range.low)),
                   Format(FocalValue(range.high)));
       }});
  if (!typed) return false;
  TakeSensor(std::hypot(typed->first, typed->second));
  return true;
}

bool CEditCameraDlg::EnterCropFactor() {
  CEditValueDlg entry(EntryLayout::kSingleNumber);
  entry.SetTitle(UiText("Crop factor"));
  entry.SetComment(UiText(
      "Please enter the crop factor\r\nof your camera (1.5 for APS-C)."));
  const std::optional<TypedPair> typed = AskNumbers(
      entry,
      {.unit = {},
       .prefixes = kCropPrefixes,
       .refusal = [](const TypedPair& crop) -> std::optional<std::string> {
         const ClosedRange range = kCropFactorRange;
         if (range.Contains(crop.first)) return std::nullopt;
         return Tr(UiText("The crop factor must be\r\nbetween %1 and %2."),
                   FormatMultiplier(range.low), FormatMultiplier(range.high));
       }});
  if (!typed) return false;
  TakeSensor(kFullFrameDiagonal / typed->first);
  return true;
}

void CEditCameraDlg::TakeSensor(double diagonal) {
  camera_->set_focal_multiplier(FocalMultiplier(diagonal));
  camera_->set_circle_of_confusion(
      CircleOfConfusion(SensorDiagonal(camera_->focal_multiplier())));
  Refresh();
}

void CEditCameraDlg::EditCircleOfConfusion() {
  CEditValueDlg entry(EntryLayout::kSingleNumber);
  entry.SetTitle(UiText("Circle of confusion"));
  entry.SetComment(
      UiText("Please enter the circle of confusion\r\nof your camera (mm)."));
  const double current = camera_->circle_of_confusion();
  entry.set_text1(current > 0.0 ? FormatFixed(current, 3) : std::string());
  const std::optional<TypedPair> typed = AskNumbers(
      entry,
      {.unit = kMillimetreUnit,
       // The field shows three decimals.
       .untouched_cancels = current > 0.0,
       .refusal = [](const TypedPair& numbers) -> std::optional<std::string> {
         const ClosedRange range = kCircleOfConfusionRange;
         if (range.Contains(numbers.first)) return std::nullopt;
         return Tr(
             UiText("The circle of confusion must be\r\nbetween %1 and %2."),
             FormatCircleOfConfusion(range.low),
             FormatCircleOfConfusion(range.high));
       }});
  if (!typed) return;
  camera_->set_circle_of_confusion(typed->first);
  Refresh();
}

void CEditCameraDlg::EditFocalEquivalence() {
  CEditValueDlg entry(EntryLayout::kCommentTwoCaptioned);
  entry.SetTitle(UiText("Focal multiplier"));
  entry.SetComment(UiText("Please enter focal equivalence"));
  entry.SetCaptions(UiText("Real focal:"), UiText("Displayed focal:"));
  entry.set_text1(Format(FocalValue(RealFocal(*camera_))));
  entry.set_text2(Format(FocalValue(camera_->displayed_focal())));
  entry.SetFocusField(2);
  const std::optional<TypedPair> typed = AskNumbers(
      entry,
      {.unit = kMillimetreUnit,
       // The fields show rounded focal lengths: their ratio is not the
       // multiplier.
       .untouched_cancels = true,
       .refusal = [](const TypedPair& numbers) -> std::optional<std::string> {
         const ClosedRange range = kCameraFocalRange;
         if (range.Contains(numbers.first) && range.Contains(numbers.second)) {
           return std::nullopt;
         }
         const std::string lowest = Format(FocalValue(range.low));
         if (numbers.first < range.low || numbers.second < range.low) {
           return Tr(UiText("Focal values must be greater than %1."), lowest);
         }
         return Tr(UiText("Focal values must be between\r\n%1 and %2."), lowest,
                   Format(FocalValue(range.high)));
       }});
  if (!typed) return;
  camera_->set_focal_multiplier(typed->second / typed->first);
  camera_->set_displayed_focal(typed->second);
  Refresh();
}

void CEditCameraDlg::OnOK() {
  if (camera_ == nullptr ||
      camera_->circle_of_confusion() < kDefinedCircleOfConfusion) {
    CMessageBox::Show(UiText("Mandatory value"),
                      UiText("The circle of confusion is mandatory."));
    return;
  }
  CBaseDlg::OnOK();
}

}  // namespace zorvanel
