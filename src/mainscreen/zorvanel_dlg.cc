// The main screen: the result panel over the three wheels that pick values.
#include "mainscreen/zorvanel_dlg.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "data/equipment.h"
#include "data/names.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "mainscreen/help_dlg.h"
#include "mainscreen/plan_dlg.h"
#include "mainscreen/wheel_painter.h"
#include "optics/lens_accessor.h"
#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/shell.h"
#include "skins/bitmap_cache.h"
#include "skins/picture_ids.h"

namespace zorvanel {
namespace {

std::string CameraLineFor(const Camera& camera, const Lens& lens) {
  // A compact's built-in lens carries the camera's model: show the camera's
  // full name once instead of the model twice.
  if (camera.model() == lens.model()) {
    return DisplayName(camera, NameSeparator::kSpace);
  }
  return camera.model() + " + " + lens.model();
}

// How many values the lens offers on `wheel`.
int WheelEntryCount(const Lens& lens, int wheel) {
  switch (wheel) {
    case kFocalWheel:
      return lens.focals_size();
    case kApertureWheel:
      return lens.apertures_size();
    default:
      return lens.distances_size();
  }
}

}  // namespace

CZorvanelDlg::CZorvanelDlg(Zorvanel* data, EquipmentScreen equipment_screen)
    : data_(data), equipment_screen_(std::move(equipment_screen)) {}

CZorvanelDlg::~CZorvanelDlg() = default;

void CZorvanelDlg::ShowWindowIcon() {
  const Bitmap* icon = GetBitmap(pictures::kWindowIcon);
  if (icon != nullptr && icon->loaded()) {
    Shell::Get().backend().SetIcon(icon->image());
  }
}

void CZorvanelDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  SetSoftKeys(UiText("Options..."), UiText("Exit"), kIdOptions, kIdOk);
  ShowWindowIcon();
  DefineFonts();
  focal_label_.SetKey(UiText("Focal:"));
  aperture_label_.SetKey(UiText("Aperture:"));
  distance_label_.SetKey(UiText("Distance:"));
  hyperfocal_label_.SetKey(UiText("Hyperfocal"));
  hyp_label_.SetKey(UiText("Hyp:"));
  min_label_.SetKey(UiText("Min:"));
  max_label_.SetKey(UiText("Max:"));
  dof_label_.SetKey(UiText("DOF:"));
  // What the program saves always carries the equipment, even empty.
  data_->mutable_equipment();
  show_hyperfocal_ = data_->options().show_hyperfocal();
  RestoreWheelPositions();
  // The keys of the keyboard step the wheels.
  SetFocus();
  // First run: nothing to compute with until a camera and a lens exist. If
  // the user leaves the equipment screen without them, the program ends.
  if (EquipmentUnselected()) {
    equipment_screen_(this);
    if (EquipmentUnselected()) {
      OnOK();
    } else {
      // The user may have picked another language there.
      RebuildSoftKeyBar();
    }
  }
}

void CZorvanelDlg::DefineFonts() {
  FontTable& fonts = GetFontTable();
  const std::pair<const char*, int> kFonts[] = {{"Main", -25},
                                                {"Wheel", -14},
                                                {"Screen", -25},
                                                {"BigScreen", -65},
                                                {"CameraScreen", -18}};
  for (const auto& [name, height] : kFonts) {
    fonts.DefineFont(name, {.height = height});
  }
}

void CZorvanelDlg::RestoreWheelPositions() {
  const Options& options = data_->options();
  wheel_percents_ = {StoredWheelPercent(options.focal_wheel()),
                     StoredWheelPercent(options.aperture_wheel()),
                     StoredWheelPercent(options.distance_wheel())};
}

void CZorvanelDlg::OnScreenResized() {
  // The wheels keep their percentages; only where they are drawn changes.
  drag_ = WheelDrag();
  if (layout_done_) DoLayout();
  Invalidate();
}

bool CZorvanelDlg::EquipmentUnselected() const {
  return !CameraAndLensSelected(data_->equipment());
}

UnitSystem CZorvanelDlg::units() const {
  return ToUnitSystem(data_->options().units());
}

// The screen never shows without a camera and a lens (OnInitDialog ends it
// first), so the results have nothing to follow then.
void CZorvanelDlg::ComputeResults() {
  if (EquipmentUnselected()) return;
  const Lens& lens = *SelectedLens(data_->equipment());
  const Camera& camera = *SelectedCamera(data_->equipment());
  zorvanel::ComputeResults(lens, camera, wheel_percents_, units(), &results_);
  diffraction_limit_ = DiffractionLimit(camera.circle_of_confusion());
  zone_.Update(lens, results_, units());
  ++compute_count_;
}

void CZorvanelDlg::RefreshEquipmentTexts() {
  if (EquipmentUnselected()) return;
  const Lens& lens = *SelectedLens(data_->equipment());
  const Camera& camera = *SelectedCamera(data_->equipment());
  camera_line_ = CameraLineFor(camera, lens);
  for (int i = 0; i < kWheelCount; ++i) {
    // A wheel of one value shows it once.
    const int shown_slots = WheelEntryCount(lens, i) == 1 ? 1 : 4;
    for (int slot = 0; slot < 4; ++slot) {
      const float percent = layout_.wheel_marks[i].slots[slot].percent;
      reference_texts_[i][slot] =
          slot < shown_slots ? WheelValueText(lens, i, percent, units())
                             : std::string();
      if (i == kApertureWheel) {
        const std::optional<ApertureValue> aperture = ApertureAt(lens, percent);
        diffracted_references_[slot] =
            aperture && aperture->GetValue() >= diffraction_limit_;
      }
    }
  }
}

void CZorvanelDlg::DoLayout() {
  layout_ = ComputeMainLayout(width(), height(), Scale());
  zone_.set_layout(ComputeZoneStripLayout(layout_));
  ComputeResults();
  RefreshEquipmentTexts();
  layout_done_ = true;
}

const CZorvanelDlg::Fonts& CZorvanelDlg::CurrentFonts() {
  const int language = GetLanguage();
  if (fonts_.language != language || fonts_.scale != Scale() ||
      fonts_.main == nullptr) {
    FontTable& table = GetFontTable();
    fonts_.language = language;
    fonts_.scale = Scale();
    fonts_.main = table.GetFont("Main");
    fonts_.wheel = table.GetFont("Wheel");
    fonts_.screen = table.GetFont("Screen");
    fonts_.big_screen = table.GetFont("BigScreen");
    fonts_.camera_screen = table.GetFont("CameraScreen");
  }
  return fonts_;
}

// ---------------------------------------------------------------------------
// Input

void CZorvanelDlg::OnPointerDown(Point p) {
  if (layout_done_) drag_.Press(p, layout_);
  CBaseDlg::OnPointerDown(p);
}

void CZorvanelDlg::OnPointerMove(Point p) {
  if (drag_.Move(p, layout_, wheel_percents_)) {
    ComputeResults();
    InvalidateDrag(drag_.wheel());
  }
  CBaseDlg::OnPointerMove(p);
}

void CZorvanelDlg::OnPointerUp(Point p) {
  // Before the first painting there is no layout: nothing to tap yet.
  const bool tap = layout_done_ && !drag_.dragging();
  const WheelDrag::Release release =
      layout_done_ ? drag_.Up(p, layout_) : WheelDrag::Release::kNone;
  switch (release) {
    case WheelDrag::Release::kToggle:
      show_hyperfocal_ = !show_hyperfocal_;
      Invalidate();
      break;
    case WheelDrag::Release::kOptions:
      OpenOptions();
      break;
    case WheelDrag::Release::kNone:
      if (tap && zone_.layout().strip.Contains(p)) OpenPlan();
      break;
  }
  CBaseDlg::OnPointerUp(p);
}

void CZorvanelDlg::OnDoubleTap(Point p) {
  const bool on_distance =
      layout_done_ && drag_.DoubleTap(p, layout_) == kDistanceWheel;
  CBaseDlg::OnPointerDown(p);
  if (on_distance) FocusAtHyperfocal();
}

bool CZorvanelDlg::OnKeyDown(Key key) {
  if (!TakeWheelKey(key, kWheelCount, &focus_wheel_,
                    [this](int wheel, int steps) { StepWheel(wheel, steps); })) {
    return false;
  }
  Invalidate();
  return true;
}

void CZorvanelDlg::OnChar(char32_t ch) {
  if (ch == U'h' || ch == U'H') FocusAtHyperfocal();
  if (ch == U'p' || ch == U'P') OpenPlan();
  // Without a text field the desktop window reports the key, not what Shift
  // makes of it: on US and UK keyboards "?" arrives as the "/" under it.
  if (ch == U'?' || ch == U'/') {
    CHelpDlg help(data_);
    help.RunModal();
  }
}

bool CZorvanelDlg::OnWheel(Point p, int rows) {
  const int wheel = layout_done_ ? layout_.WheelAt(p) : -1;
  if (wheel < 0) return false;
  StepWheel(wheel, rows);
  return true;
}

// The far limit reaches infinity from the hyperfocal distance on: the nearest
// distance of the lens at or beyond it gives the deepest zone the lens can
// focus for.
void CZorvanelDlg::FocusAtHyperfocal() {
  const Lens* lens = SelectedLens(data_->equipment());
  if (lens == nullptr) return;
  const int index =
      HyperfocalDistanceIndex(*lens, results_.dof.hyperfocal.GetValue());
  if (index >= 0) MoveWheelTo(kDistanceWheel, index);
}

void CZorvanelDlg::MoveWheelTo(int wheel, int index) {
  const Lens* lens = SelectedLens(data_->equipment());
  if (lens == nullptr) return;
  const double percent = PercentOfIndex(index, WheelList(*lens, wheel).size());
  if (percent == wheel_percents_[wheel]) return;
  wheel_percents_[wheel] = percent;
  ComputeResults();
  Invalidate();
}

void CZorvanelDlg::StepWheel(int wheel, int steps) {
  const Lens* lens = SelectedLens(data_->equipment());
  if (lens == nullptr) return;
  const int index = PickedIndex(*lens, wheel, wheel_percents_[wheel]);
  if (index < 0) return;
  MoveWheelTo(wheel,
              SteppedIndex(index, steps, WheelList(*lens, wheel).size()));
}

std::array<std::optional<double>, kWheelCount> CZorvanelDlg::ShownEntries()
    const {
  std::array<std::optional<double>, kWheelCount> shown;
  const Lens* lens = SelectedLens(data_->equipment());
  if (lens == nullptr) return shown;
  for (int i = 0; i < kWheelCount; ++i) {
    const int index = PickedIndex(*lens, i, wheel_percents_[i]);
    if (index >= 0) shown[i] = WheelList(*lens, i)[index];
  }
  return shown;
}

// Another lens, or the same lens with other lists: pixel positions would
// pick other values (f/8 turning into f/7.1), so each wheel that no longer
// shows its value goes to the nearest the lens has.
void CZorvanelDlg::KeepShownEntries(
    const std::array<std::optional<double>, kWheelCount>& shown) {
  const Lens* lens = SelectedLens(data_->equipment());
  if (lens == nullptr) return;
  for (int i = 0; i < kWheelCount; ++i) {
    const int index = PickedIndex(*lens, i, wheel_percents_[i]);
    if (!shown[i] || index < 0 || WheelList(*lens, i)[index] == *shown[i]) {
      continue;
    }
    const int nearest = NearestIndex(WheelList(*lens, i), *shown[i]);
    if (nearest >= 0) MoveWheelTo(i, nearest);
  }
}

int CZorvanelDlg::WheelPosition(int wheel) const {
  return PositionOfPercent(wheel_percents_[wheel], layout_.Travel(wheel));
}

// ---------------------------------------------------------------------------
// Commands

void CZorvanelDlg::OnCommand(int command_id) {
  if (command_id == kIdOptions) {
    OpenOptions();
    return;
  }
  CBaseDlg::OnCommand(command_id);
}

void CZorvanelDlg::OpenOptions() {
  const std::array<std::optional<double>, kWheelCount> shown = ShownEntries();
  if (equipment_screen_(this) != DialogResult::kOk) {
    OnOK();
    return;
  }
  KeepShownEntries(shown);
  const int language = GetLanguage();
  if (language != applied_language_) {
    RebuildSoftKeyBar();
    applied_language_ = language;
  }
  ComputeResults();
  if (layout_done_) RefreshEquipmentTexts();
  Invalidate();
}

void CZorvanelDlg::OpenPlan() {
  if (EquipmentUnselected()) return;
  const Lens& lens = *SelectedLens(data_->equipment());
  const Camera& camera = *SelectedCamera(data_->equipment());
  const std::optional<FocalValue> focal =
      FocalAt(lens, static_cast<float>(wheel_percents_[kFocalWheel]));
  CPlanDlg plan(lens, camera, focal ? focal->GetValue() : kNoValue, units(),
                results_.dof.near_limit.GetValue(),
                results_.dof.far_limit.GetValue());
  if (plan.RunModal() == DialogResult::kOk) {
    const CPlanDlg::Use use = plan.use();
    MoveWheelTo(kApertureWheel, use.aperture_index);
    MoveWheelTo(kDistanceWheel, use.distance_index);
  }
  Invalidate();
}

void CZorvanelDlg::OnOK() {
  Options* options = data_->mutable_options();
  options->set_focal_wheel(wheel_percents_[kFocalWheel]);
  options->set_aperture_wheel(wheel_percents_[kApertureWheel]);
  options->set_distance_wheel(wheel_percents_[kDistanceWheel]);
  options->set_show_hyperfocal(show_hyperfocal_);
  EndDialog(DialogResult::kOk);
}

// ---------------------------------------------------------------------------
// Painting

const std::string& CZorvanelDlg::LargeLabel() const {
  return show_hyperfocal_ ? hyperfocal_label_.text() : dof_label_.text();
}

std::string CZorvanelDlg::LargeValue() const {
  return Format(
      show_hyperfocal_ ? results_.dof.hyperfocal : results_.dof.depth_of_field,
      units());
}

const std::string& CZorvanelDlg::FourthLabel() const {
  return show_hyperfocal_ ? dof_label_.text() : hyp_label_.text();
}

std::string CZorvanelDlg::FourthValue() const {
  return Format(
      show_hyperfocal_ ? results_.dof.depth_of_field : results_.dof.hyperfocal,
      units());
}

namespace {

Rect Union(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top),
              std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// Whether anything drawn inside `r` (client pixels) can show through the
// canvas's clip.
bool Shows(const Canvas& canvas, const Rect& r) {
  const Point o = canvas.origin();
  return !r.Offset(o.x, o.y).Intersect(canvas.clip()).IsEmpty();
}

}  // namespace

Rect CZorvanelDlg::PanelBounds() const {
  const MainLayout& l = layout_;
  Rect r = l.panel;
  for (const Rect* part :
       {&l.large_label, &l.large_value, &l.min_label, &l.max_label,
        &l.fourth_label, &l.near_value, &l.far_value, &l.fourth_value}) {
    r = Union(r, *part);
  }
  return r;
}

Rect CZorvanelDlg::WheelBand(int wheel) const {
  const MainLayout& l = layout_;
  return Rect{l.wheel_column.left, l.caption_rects[wheel].top,
              l.wheel_column.right, l.WheelRect(wheel).bottom + l.wheel_gap};
}

void CZorvanelDlg::InvalidateDrag(int wheel) {
  if (!layout_done_ || wheel < 0 || wheel >= kWheelCount) {
    Invalidate();
    return;
  }
  InvalidateRect(WheelBand(wheel));
  // The panel's labels and camera line stay; its four values change.
  const MainLayout& l = layout_;
  for (const Rect* value :
       {&l.large_value, &l.near_value, &l.far_value, &l.fourth_value}) {
    InvalidateRect(*value);
  }
  InvalidateRect(layout_.zone_area);
}

void CZorvanelDlg::OnPaint(Canvas& canvas) {
  if (!layout_done_) DoLayout();
  const Fonts& fonts = CurrentFonts();
  canvas.FillRect(ClientRect(), palette::kGround);
  // A frame of a drag repaints only parts of the screen: what lies wholly
  // outside them is not drawn at all.
  if (Shows(canvas, PanelBounds())) {
    PaintPanelPicture(canvas);
    PaintPanelTexts(canvas, fonts);
  }
  PaintRows(canvas, fonts);
  PaintWheels(canvas, fonts);
  if (Shows(canvas, layout_.zone_area)) {
    zone_.Paint(canvas, fitter_, fonts.wheel, diffraction());
  }
  if (diffraction()) PaintDiffractionMark(canvas);
}

bool CZorvanelDlg::diffraction() const {
  return results_.f_number >= diffraction_limit_;
}

// A small amber square in the right margin of the aperture row.
void CZorvanelDlg::PaintDiffractionMark(Canvas& canvas) {
  const Rect& row = layout_.caption_rects[kApertureWheel];
  const int side = std::max(2, Scaled(Scale(), 10));
  const int left =
      layout_.wheel_column.right - layout_.side_margin + Scaled(Scale(), 6);
  const int top = (row.top + row.bottom - side) / 2;
  canvas.FillRect(Rect{left, top, left + side, top + side},
                  palette::kDiffraction);
}

void CZorvanelDlg::PaintPanelPicture(Canvas& canvas) {
  if (const Image* panel =
          GetScaledBitmap(pictures::kResultPanel, layout_.panel.GetSize())) {
    canvas.Blit(*panel, Rect{0, 0, panel->width(), panel->height()},
                Point{layout_.panel.left, layout_.panel.top});
  }
}

void CZorvanelDlg::PaintPanelTexts(Canvas& canvas, const Fonts& fonts) {
  const MainLayout& l = layout_;
  auto draw = [&](const std::string& text, const Rect& r, int format,
                  const Font& font, Colour colour) {
    if (Shows(canvas, r)) fitter_.Draw(canvas, text, r, format, font, colour);
  };
  if (fonts.screen != nullptr) {
    const Font& font = *fonts.screen;
    draw(LargeLabel(), l.large_label, kTextCentre, font, palette::kPanelText);
    draw(min_label_.text(), l.min_label, kTextRight, font, palette::kPanelText);
    draw(Format(results_.dof.near_limit, units()), l.near_value, kTextLeft,
         font, palette::kPanelText);
    draw(max_label_.text(), l.max_label, kTextRight, font, palette::kPanelText);
    draw(Format(results_.dof.far_limit, units()), l.far_value, kTextLeft, font,
         palette::kPanelText);
    draw(FourthLabel(), l.fourth_label, kTextRight, font, palette::kPanelText);
    draw(FourthValue(), l.fourth_value, kTextLeft, font, palette::kPanelText);
  }
  if (fonts.big_screen != nullptr) {
    draw(LargeValue(), l.large_value, kTextCentre, *fonts.big_screen,
         palette::kPanelText);
  }
  if (fonts.camera_screen != nullptr) {
    draw(camera_line_, l.camera_line, kTextCentre, *fonts.camera_screen,
         palette::kText);
  }
}

void CZorvanelDlg::PaintRows(Canvas& canvas, const Fonts& fonts) {
  if (fonts.main == nullptr) return;
  const TranslatedString* captions[kWheelCount] = {
      &focal_label_, &aperture_label_, &distance_label_};
  const std::string* values[kWheelCount] = {
      &results_.focal_text, &results_.aperture_text, &results_.distance_text};
  for (int i = 0; i < kWheelCount; ++i) {
    if (!Shows(canvas, WheelBand(i))) continue;
    fitter_.Draw(canvas, captions[i]->text(), layout_.caption_rects[i],
                 kTextRight | kTextVCentre, *fonts.main, palette::kText);
    Rect value_rect = layout_.value_rects[i];
    value_rect.right = layout_.value_text_right;
    fitter_.Draw(canvas, *values[i], value_rect, kTextLeft | kTextVCentre,
                 *fonts.main, palette::kText);
  }
}

void CZorvanelDlg::PaintWheels(Canvas& canvas, const Fonts& fonts) {
  const MainLayout& l = layout_;
  std::array<bool, kWheelCount> shown{};
  for (int i = 0; i < kWheelCount; ++i) {
    shown[i] = Shows(canvas, WheelBand(i));
    if (shown[i]) PaintWheelPicture(canvas, l.WheelRect(i));
  }
  for (int i = 0; i < kWheelCount; ++i) {
    if (!shown[i]) continue;
    const std::array<bool, 4> amber =
        i == kApertureWheel ? diffracted_references_ : std::array<bool, 4>{};
    PaintWheelMarks(canvas, fitter_, fonts.wheel, l.wheel_marks[i],
                    reference_texts_[i], amber);
  }
  for (int i = 0; i < kWheelCount; ++i) {
    if (shown[i]) {
      PaintWheelMarker(canvas, l.WheelRect(i), l.scale, WheelPosition(i));
    }
  }
  PaintFocus(canvas);
}

// A frame around the focused wheel, its caption row included.
void CZorvanelDlg::PaintFocus(Canvas& canvas) {
  if (focus_wheel_ < 0) return;
  PaintWheelFocus(canvas, layout_.WheelRect(focus_wheel_),
                  layout_.caption_rects[focus_wheel_].top, Scale());
}

// ---------------------------------------------------------------------------
// Dump

void CZorvanelDlg::AddToDump(Description& dump) const {
  Description main;
  main.Set("focal", results_.focal_text);
  main.Set("aperture", results_.aperture_text);
  main.Set("distance", results_.distance_text);
  main.Set("large_label", LargeLabel());
  main.Set("large", LargeValue());
  main.Set("min", Format(results_.dof.near_limit, units()));
  main.Set("max", Format(results_.dof.far_limit, units()));
  main.Set("fourth_label", FourthLabel());
  main.Set("fourth", FourthValue());
  main.Set("camera", camera_line_);
  std::vector<int> positions;
  for (int i = 0; i < kWheelCount; ++i) positions.push_back(WheelPosition(i));
  main.Set("wheels", positions);
  main.Set("focus_wheel", focus_wheel_);
  main.Set("zone", ZoneDump());
  main.Set("diffraction_f", RoundedValue(diffraction_limit_, 10.0));
  main.Set("diffraction", diffraction());
  dump.Set("main", std::move(main));
}

// Distances in metres to a tenth of a millimetre; null for infinity (a
// negative far limit) and for no value.
Description CZorvanelDlg::ZoneDump() const {
  auto metres = [](const DistanceValue& v) {
    return v.GetValue() < 0.0 ? DescriptionValue(nullptr)
                              : RoundedValue(v.GetValue(), 10000.0);
  };
  Description zone;
  zone.Set("rect", RectValue(zone_.layout().strip));
  zone.Set("near_m", metres(results_.dof.near_limit));
  zone.Set("far_m", metres(results_.dof.far_limit));
  zone.Set("focus_m", metres(results_.focus));
  zone.Set("hyperfocal_m", metres(results_.dof.hyperfocal));
  return zone;
}

}  // namespace zorvanel
