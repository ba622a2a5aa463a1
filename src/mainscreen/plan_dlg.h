// The plan screen: the zone wanted sharp, and where and how to take it.
#ifndef ZORVANEL_MAINSCREEN_PLAN_DLG_H_
#define ZORVANEL_MAINSCREEN_PLAN_DLG_H_

#include <array>
#include <optional>
#include <string>

#include "data/zorvanel.pb.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "mainscreen/plan_layout.h"
#include "mainscreen/wheel_drag.h"
#include "optics/focus_plan.h"
#include "optics/units.h"
#include "platform/text_fitter.h"

namespace zorvanel {

// The plan screen. Two wheels over the lens's distances pick the zone that
// must be sharp: "Sharp from" its near limit "to" its far limit (whose list
// ends with infinity). The screen answers with the focus distance and the
// f-number that give exactly that zone, the lens's aperture to set and the
// limits it gives, or why it cannot be done; past the diffraction limit, or
// beyond the lens's narrowest aperture, with a focus stack. The wheels work
// as the main screen's do (drag, mouse wheel, Up and Down, Left and Right,
// Home and End); a drag or the mouse wheel over the stack, Page Up and Page
// Down scroll it. "Use" ends the screen with OK when there is something to set,
// "Back" with cancel.
class CPlanDlg : public CBaseDlg {
 public:
  // What "Use" sets on the main screen: entries of the lens's lists.
  struct Use {
    int aperture_index = -1;
    int distance_index = -1;
  };

  // The plan for `lens` at focal length `focal_mm` on `camera` (both
  // outlive the dialog), distances shown in `units`; the wheels start at
  // the list entries nearest to `near_m` and `far_m` (negative: infinity).
  CPlanDlg(const Lens& lens, const Camera& camera, double focal_mm,
           UnitSystem units, double near_m, double far_m);
  ~CPlanDlg() override;

  std::string ClassName() const override { return "CPlanDlg"; }
  void AddToDump(Description& dump) const override;
  void OnScreenResized() override;

  const FocusPlan& plan() const { return plan_; }
  // What "Use" sets; both -1 when there is nothing to set.
  Use use() const;

 protected:
  void OnInitDialog() override;
  void OnOK() override;
  void OnPaint(Canvas& canvas) override;
  void OnPointerDown(Point p) override;
  void OnPointerMove(Point p) override;
  void OnPointerUp(Point p) override;
  bool OnKeyDown(Key key) override;
  bool OnWheel(Point p, int rows) override;

 private:
  // The list a wheel runs over.
  const google::protobuf::RepeatedField<double>& List(int wheel) const;
  int PickedIndex(int wheel) const;
  double Picked(int wheel) const;
  void Replan();
  void ShowSoftKeys();
  void StepWheel(int wheel, int steps);
  void ScrollStack(int rows);
  std::string Message() const;

  void PaintWheelRows(Canvas& canvas);
  void PaintAnswer(Canvas& canvas);
  void PaintNotes(Canvas& canvas);

  const Lens& lens_;
  const Camera& camera_;
  const double focal_mm_;
  const UnitSystem units_;
  // "Sharp from" runs over the lens's distances, "to" over its finite ones
  // and infinity.
  google::protobuf::RepeatedField<double> near_list_;
  google::protobuf::RepeatedField<double> far_list_;
  std::array<double, kPlanWheelCount> percents_{};
  int focus_wheel_ = -1;
  WheelDrag drag_;
  PlanLayout layout_;
  FocusPlan plan_;
  int stack_scroll_ = 0;
  // A press on the notes drags the stack's rows: where it began and the
  // scroll then; none while no such press is held.
  std::optional<Point> notes_press_;
  int notes_press_scroll_ = 0;
  // How many stack rows the notes had room for under the message when last
  // painted.
  int visible_rows_ = 0;
  bool usable_shown_ = false;
  TextFitter fitter_;

  TranslatedString near_label_;
  TranslatedString far_label_;
  std::array<TranslatedString, kPlanLineCount> line_labels_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_PLAN_DLG_H_
