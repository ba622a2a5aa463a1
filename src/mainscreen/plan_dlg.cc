// The plan screen: the zone wanted sharp, and where and how to take it.
#include "mainscreen/plan_dlg.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>
#include <vector>

#include "controls/custom_static.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "i18n/value_text.h"
#include "mainscreen/wheel_painter.h"
#include "mainscreen/wheel_readings.h"
#include "optics/lens_accessor.h"
#include "platform/canvas.h"
#include "platform/palette.h"

namespace zorvanel {
namespace {

// Metres to a tenth of a millimetre; null for infinity (negative) and for no
// value.
DescriptionValue Metres(double metres) {
  return metres < 0.0 ? DescriptionValue(nullptr)
                      : RoundedValue(metres, 10000.0);
}

// "Sharp from" and the answer start at the list's entry nearest to `value`
// (first or last when there is none to compare with).
int StartIndex(const google::protobuf::RepeatedField<double>& list,
               double value, bool last) {
  const int nearest = NearestIndex(list, value);
  if (nearest >= 0) return nearest;
  return last ? list.size() - 1 : 0;
}

// The lens's aperture with the largest real f-number; no value for none.
ApertureValue NarrowestAperture(const Lens& lens) {
  ApertureValue narrowest(kNoValue);
  for (double stored : lens.apertures()) {
    const ApertureValue aperture = WheelAperture(stored);
    if (narrowest.IsNoValue() || aperture.GetValue() > narrowest.GetValue()) {
      narrowest = aperture;
    }
  }
  return narrowest;
}

std::string Joined(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a + b;
  return a + "\r\n" + b;
}

}  // namespace

CPlanDlg::CPlanDlg(const Lens& lens, const Camera& camera, double focal_mm,
                   UnitSystem units, double near_m, double far_m)
    : lens_(lens),
      camera_(camera),
      focal_mm_(focal_mm),
      units_(units),
      near_list_(lens.distances()) {
  for (double d : lens.distances()) {
    if (d >= 0.0) far_list_.Add(d);
  }
  far_list_.Add(-1.0);
  const int near_index = StartIndex(near_list_, near_m, false);
  int far_index = StartIndex(far_list_, far_m, true);
  // A shallow depth of field snaps both limits to one entry: "to" starts on
  // the next one, so that the screen opens on an answer.
  if (near_index >= 0) {
    while (far_list_[far_index] >= 0.0 &&
           far_list_[far_index] <= near_list_[near_index]) {
      ++far_index;
    }
  }
  percents_[kNearPlanWheel] = PercentOfIndex(near_index, near_list_.size());
  percents_[kFarPlanWheel] = PercentOfIndex(far_index, far_list_.size());
}

CPlanDlg::~CPlanDlg() = default;

void CPlanDlg::OnInitDialog() {
  CBaseDlg::OnInitDialog();
  // The notes are written in the labels' "Normal" font.
  CCustomStatic::DefineLabelFonts();
  near_label_.SetKey(UiText("Sharp from:"));
  far_label_.SetKey(UiText("to:"));
  const char* const kLines[kPlanLineCount] = {UiText("Focus at:"),
                                              UiText("Needed:"), UiText("Set:"),
                                              UiText("Min:"), UiText("Max:")};
  for (int i = 0; i < kPlanLineCount; ++i) line_labels_[i].SetKey(kLines[i]);
  layout_ = ComputePlanLayout(width(), height(), Scale());
  Replan();
  SetFocus();
}

void CPlanDlg::OnScreenResized() {
  drag_ = WheelDrag();
  notes_press_.reset();
  layout_ = ComputePlanLayout(width(), height(), Scale());
  Invalidate();
}

const google::protobuf::RepeatedField<double>& CPlanDlg::List(int wheel) const {
  return wheel == kNearPlanWheel ? near_list_ : far_list_;
}

int CPlanDlg::PickedIndex(int wheel) const {
  return WheelIndex(List(wheel).size(), static_cast<float>(percents_[wheel]));
}

double CPlanDlg::Picked(int wheel) const {
  const int index = PickedIndex(wheel);
  return index < 0 ? kNoValue : List(wheel)[index];
}

void CPlanDlg::Replan() {
  const google::protobuf::RepeatedField<double>& apertures = lens_.apertures();
  plan_ = PlanFocus(focal_mm_, camera_.circle_of_confusion(),
                    std::span<const double>(apertures.data(), apertures.size()),
                    Picked(kNearPlanWheel), Picked(kFarPlanWheel));
  stack_scroll_ = 0;
  ShowSoftKeys();
  Invalidate();
}

// "Use" only while there is something to set.
void CPlanDlg::ShowSoftKeys() {
  const bool usable = use().aperture_index >= 0;
  if (usable == usable_shown_ && !soft_keys().right_text.empty()) return;
  usable_shown_ = usable;
  if (usable) {
    SetSoftKeys(UiText("Use"), UiText("Back"), kIdOk, kIdCancel);
  } else {
    SetSoftKeys(std::string(), UiText("Back"), kIdLeftSoftKey, kIdCancel);
  }
}

CPlanDlg::Use CPlanDlg::use() const {
  Use use;
  double focus_m = plan_.focus_m;
  if (plan_.stack) {
    use.aperture_index = plan_.stack->aperture_index;
    focus_m = plan_.stack->shots.front().focus_m;
  } else {
    use.aperture_index = plan_.set_index;
  }
  if (use.aperture_index < 0) return Use{};
  use.distance_index = NearestIndex(lens_.distances(), focus_m);
  if (use.distance_index < 0) return Use{};
  return use;
}

void CPlanDlg::OnOK() {
  if (use().aperture_index >= 0) EndDialog(DialogResult::kOk);
}

// ---------------------------------------------------------------------------
// Input

void CPlanDlg::OnPointerDown(Point p) {
  drag_.Press(p, layout_);
  if (!drag_.dragging() && layout_.notes.Contains(p)) {
    notes_press_ = p;
    notes_press_scroll_ = stack_scroll_;
  }
  CBaseDlg::OnPointerDown(p);
}

void CPlanDlg::OnPointerMove(Point p) {
  if (drag_.Move(p, layout_, percents_)) Replan();
  if (notes_press_) {
    // The rows follow the finger: dragged up, later rows come into view.
    const int row = std::max(1, layout_.stack_row_height);
    ScrollStack(notes_press_scroll_ - (p.y - notes_press_->y) / row -
                stack_scroll_);
  }
  CBaseDlg::OnPointerMove(p);
}

void CPlanDlg::OnPointerUp(Point p) {
  drag_.End();
  notes_press_.reset();
  CBaseDlg::OnPointerUp(p);
}

bool CPlanDlg::OnKeyDown(Key key) {
  if (key == Key::kPageUp || key == Key::kPageDown) {
    const int page = std::max(1, visible_rows_);
    ScrollStack(key == Key::kPageDown ? page : -page);
    return true;
  }
  if (!TakeWheelKey(key, kPlanWheelCount, &focus_wheel_,
                    [this](int wheel, int steps) { StepWheel(wheel, steps); })) {
    return false;
  }
  Invalidate();
  return true;
}

bool CPlanDlg::OnWheel(Point p, int rows) {
  const int wheel = layout_.WheelAt(p);
  if (wheel >= 0) {
    StepWheel(wheel, rows);
    return true;
  }
  if (!layout_.notes.Contains(p)) return false;
  ScrollStack(rows);
  return true;
}

void CPlanDlg::StepWheel(int wheel, int steps) {
  const int count = List(wheel).size();
  const int index = PickedIndex(wheel);
  if (index < 0) return;
  const double percent =
      PercentOfIndex(SteppedIndex(index, steps, count), count);
  if (percent == percents_[wheel]) return;
  percents_[wheel] = percent;
  Replan();
}

void CPlanDlg::ScrollStack(int rows) {
  if (!plan_.stack) return;
  const int count = static_cast<int>(plan_.stack->shots.size());
  const int scroll =
      std::clamp(stack_scroll_ + rows, 0, std::max(0, count - visible_rows_));
  if (scroll == stack_scroll_) return;
  stack_scroll_ = scroll;
  Invalidate();
}

// ---------------------------------------------------------------------------
// Painting

std::string CPlanDlg::Message() const {
  std::string message;
  switch (plan_.problem) {
    case PlanProblem::kNone:
      break;
    case PlanProblem::kUndefined:
      message = Tr(UiText("A value of the camera or the lens is missing."));
      break;
    case PlanProblem::kNearInsideFocal:
      message = Tr(UiText("The near limit must be beyond the focal length."));
      break;
    case PlanProblem::kNearNotBeforeFar:
      message = Tr(UiText("The near limit must be nearer than the far limit."));
      break;
    case PlanProblem::kBeyondNarrowest:
      message = Tr(UiText("The lens stops down only to %1."),
                   Format(NarrowestAperture(lens_)));
      break;
  }
  if (plan_.stack_too_long) {
    message = Joined(message, Tr(UiText("A focus stack would need more "
                                        "than %1 pictures."),
                                 std::to_string(kMostStackShots)));
  }
  return message;
}

void CPlanDlg::OnPaint(Canvas& canvas) {
  canvas.FillRect(ClientRect(), palette::kGround);
  PaintWheelRows(canvas);
  PaintAnswer(canvas);
  PaintNotes(canvas);
}

void CPlanDlg::PaintWheelRows(Canvas& canvas) {
  FontTable& fonts = GetFontTable();
  const Font* main = fonts.GetFont("Main");
  const Font* wheel_font = fonts.GetFont("Wheel");
  const TranslatedString* captions[kPlanWheelCount] = {&near_label_,
                                                       &far_label_};
  for (int i = 0; i < kPlanWheelCount; ++i) {
    const Rect& wheel = layout_.wheel_rects[i];
    if (main != nullptr) {
      fitter_.Draw(canvas, captions[i]->text(), layout_.caption_rects[i],
                   kTextRight | kTextVCentre, *main, palette::kText);
      fitter_.Draw(canvas, Format(DistanceValue(Picked(i)), units_),
                   layout_.value_rects[i], kTextLeft | kTextVCentre, *main,
                   palette::kText);
    }
    PaintWheelPicture(canvas, wheel);
    std::array<std::string, 4> texts;
    for (int slot = 0; slot < 4; ++slot) {
      const int index = WheelIndex(List(i).size(),
                                   layout_.wheel_marks[i].slots[slot].percent);
      if (index >= 0 && (slot == 0 || List(i).size() > 1)) {
        texts[slot] = Format(DistanceValue(List(i)[index]), units_);
      }
    }
    PaintWheelMarks(canvas, fitter_, wheel_font, layout_.wheel_marks[i], texts,
                    {});
    PaintWheelMarker(canvas, wheel, Scale(),
                     PositionOfPercent(percents_[i], layout_.Travel(i)));
  }
  if (focus_wheel_ >= 0) {
    PaintWheelFocus(canvas, layout_.wheel_rects[focus_wheel_],
                    layout_.caption_rects[focus_wheel_].top, Scale());
  }
}

void CPlanDlg::PaintAnswer(Canvas& canvas) {
  const Font* main = GetFontTable().GetFont("Main");
  if (main == nullptr) return;
  const bool set = plan_.set_index >= 0;
  const std::string values[kPlanLineCount] = {
      Format(DistanceValue(plan_.focus_m), units_),
      FormatRounded("f/%", plan_.needed_f),
      set ? Format(ApertureValue(plan_.set_f)) : kNoValueText,
      Format(DistanceValue(plan_.set_near_m), units_),
      Format(DistanceValue(plan_.set_far_m), units_)};
  for (int i = 0; i < kPlanLineCount; ++i) {
    fitter_.Draw(canvas, line_labels_[i].text(), layout_.line_labels[i],
                 kTextRight | kTextVCentre, *main, palette::kText);
    // The aperture to set is amber past the diffraction limit.
    const bool amber = i == 2 && plan_.diffraction;
    fitter_.Draw(canvas, values[i], layout_.line_values[i],
                 kTextLeft | kTextVCentre, *main,
                 amber ? palette::kDiffraction : palette::kText);
  }
}

void CPlanDlg::PaintNotes(Canvas& canvas) {
  const Font* font = GetFontTable().GetFont("Normal");
  visible_rows_ = 0;
  if (font == nullptr) return;
  const Rect& notes = layout_.notes;
  int y = notes.top;
  const std::string message = Message();
  if (!message.empty()) {
    const std::string wrapped =
        WrapToWidth(canvas, message, *font, notes.Width());
    const int h = canvas.MeasureText(wrapped, *font).height;
    canvas.DrawText(wrapped, Rect{notes.left, y, notes.right, y + h},
                    kTextCentre, *font, palette::kText);
    y += h + layout_.note_line_height / 4;
  }
  if (!plan_.stack) return;
  const FocusStack& stack = *plan_.stack;
  const int line = layout_.note_line_height;
  fitter_.Draw(canvas,
               Tr(UiText("Focus stack at %1: %2 pictures"),
                  Format(ApertureValue(stack.f_number)),
                  std::to_string(stack.shots.size())),
               Rect{notes.left, y, notes.right, y + line},
               kTextCentre | kTextVCentre, *font, palette::kText);
  y += line;
  const int row = std::max(1, layout_.stack_row_height);
  visible_rows_ = std::max(0, (notes.bottom - y) / row);
  const int count = static_cast<int>(stack.shots.size());
  stack_scroll_ =
      std::clamp(stack_scroll_, 0, std::max(0, count - visible_rows_));
  for (int r = stack_scroll_; r < count && r < stack_scroll_ + visible_rows_;
       ++r) {
    const PlannedShot& shot = stack.shots[r];
    const Rect cells[3] = {
        Rect{notes.left, y, layout_.number_right, y + row},
        Rect{layout_.focus_left, y, layout_.limits_left, y + row},
        Rect{layout_.limits_left, y, notes.right, y + row}};
    const std::string texts[3] = {
        std::to_string(r + 1), Format(DistanceValue(shot.focus_m), units_),
        Format(DistanceValue(shot.near_m), units_) + " \xE2\x80\x93 " +
            Format(DistanceValue(shot.far_m), units_)};  // U+2013 en dash
    const int formats[3] = {kTextRight, kTextLeft, kTextLeft};
    for (int c = 0; c < 3; ++c) {
      fitter_.Draw(canvas, texts[c], cells[c], formats[c] | kTextVCentre, *font,
                   palette::kText);
    }
    y += row;
  }
}

// ---------------------------------------------------------------------------
// Dump

void CPlanDlg::AddToDump(Description& dump) const {
  Description d;
  d.Set("near", Format(DistanceValue(Picked(kNearPlanWheel)), units_));
  d.Set("far", Format(DistanceValue(Picked(kFarPlanWheel)), units_));
  d.Set("near_m", Metres(Picked(kNearPlanWheel)));
  d.Set("far_m", Metres(Picked(kFarPlanWheel)));
  d.Set("focus_m", Metres(plan_.focus_m));
  d.Set("needed_f", RoundedValue(plan_.needed_f, 100.0));
  d.Set("set_f", RoundedValue(plan_.set_f, 100.0));
  d.Set("set_near_m", Metres(plan_.set_near_m));
  d.Set("set_far_m", Metres(plan_.set_far_m));
  d.Set("diffraction_f", RoundedValue(plan_.diffraction_f, 100.0));
  d.Set("diffraction", plan_.diffraction);
  if (plan_.stack) {
    Description stack;
    stack.Set("f", RoundedValue(plan_.stack->f_number, 100.0));
    std::vector<Description> shots;
    for (const PlannedShot& shot : plan_.stack->shots) {
      Description s;
      s.Set("focus_m", Metres(shot.focus_m));
      s.Set("near_m", Metres(shot.near_m));
      s.Set("far_m", Metres(shot.far_m));
      shots.push_back(std::move(s));
    }
    stack.Set("shots", std::move(shots));
    d.Set("stack", std::move(stack));
  } else {
    d.Set("stack", nullptr);
  }
  d.Set("message", Message());
  std::vector<int> positions;
  for (int i = 0; i < kPlanWheelCount; ++i) {
    positions.push_back(PositionOfPercent(percents_[i], layout_.Travel(i)));
  }
  d.Set("wheels", positions);
  d.Set("focus_wheel", focus_wheel_);
  d.Set("stack_scroll", stack_scroll_);
  dump.Set("plan", std::move(d));
}

}  // namespace zorvanel
