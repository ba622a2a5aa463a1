// The main screen: the result panel over the three wheels that pick values.
#ifndef ZORVANEL_MAINSCREEN_ZORVANEL_DLG_H_
#define ZORVANEL_MAINSCREEN_ZORVANEL_DLG_H_

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "data/zorvanel.pb.h"
#include "dialogs/base_dlg.h"
#include "i18n/translated_string.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/wheel_drag.h"
#include "mainscreen/wheel_readings.h"
#include "mainscreen/zone_strip.h"
#include "optics/units.h"
#include "platform/geometry.h"
#include "platform/text_fitter.h"

namespace zorvanel {

class Font;

// The main screen: the result panel on top and the three wheels (focal
// length, aperture, focus distance) below it. Dragging a wheel picks values
// of the current lens and recomputes the depth of field; a tap on the left
// of the panel switches its large line between hyperfocal distance and depth
// of field, a tap on its right part (or "Options...") opens the equipment
// screen. "Exit", and closing the window, end the program with the data
// saved. It reads the equipment and the units from the user's data and keeps
// the wheel positions and the panel choice in its options.
//
// On a keyboard, Up and Down move a focus between the wheels, Left and Right
// step the focused wheel by one value, Home and End take it to its first and
// last value, and H focuses at the hyperfocal distance; the mouse wheel over
// a wheel steps it by one value a notch. A step takes the wheel to the
// value's own position. A tap on the zone strip, or P, opens the plan
// screen.
class CZorvanelDlg : public CBaseDlg {
 public:
  // The left soft key's command.
  static constexpr int kIdOptions = 32774;

  // Runs the equipment screen modally over `parent` and returns its result.
  using EquipmentScreen = std::function<DialogResult(Window* parent)>;

  // `data` outlives the dialog; `equipment_screen` is what "Options..." and
  // the right part of the panel open.
  CZorvanelDlg(Zorvanel* data, EquipmentScreen equipment_screen);
  ~CZorvanelDlg() override;

  std::string ClassName() const override { return "CZorvanelDlg"; }
  // Neither key ends the program: a stray Escape would end it without
  // saving, a stray Enter as "Exit" does. Only the soft key says so.
  void OnEnterKey() override {}
  void OnEscapeKey() override {}
  // Closing the window ends the program as "Exit" does: with the data saved.
  void OnCloseRequest() override { OnOK(); }
  void OnCommand(int command_id) override;
  void AddToDump(Description& dump) const override;
  // The whole dialog area, whatever its shape: the screen lays itself out
  // for it.
  Rect PlaceIn(const Rect& area, int /*scale*/) const override { return area; }
  // Laid out again; each wheel keeps its value.
  void OnScreenResized() override;

  // Runs the equipment screen; on its OK the results follow the new
  // equipment, language and units, and each wheel whose value the new lens
  // does not have at its place goes to the value nearest to the one it
  // showed; otherwise the program ends (OnOK).
  void OpenOptions();
  // Runs the plan screen for the current lens, camera and focal length,
  // from the limits shown; its "Use" sets the aperture and distance wheels.
  void OpenPlan();
  // Stores the wheel positions (percent) and the panel choice in the options
  // and ends the dialog with OK, so that the data file is written.
  void OnOK() override;

  // State, for tests and the benchmark.
  bool show_hyperfocal() const { return show_hyperfocal_; }
  bool layout_done() const { return layout_done_; }
  const MainLayout& layout() const { return layout_; }
  const DofState& results() const { return results_; }
  // The wheel the keys step, -1 for none.
  int focus_wheel() const { return focus_wheel_; }
  // How many times the results have been computed.
  int compute_count() const { return compute_count_; }
  // The white line at the top of the panel: the camera and lens models.
  const std::string& camera_line() const { return camera_line_; }
  const ZoneStrip& zone() const { return zone_; }
  // The f-number from which diffraction softens the picture for the current
  // camera (kNoValue without a circle of confusion), and whether the chosen
  // aperture is there.
  bool diffraction() const;
  // The four reference values under the tick marks of a wheel.
  const std::array<std::string, 4>& reference_texts(int wheel) const {
    return reference_texts_[wheel];
  }

 protected:
  void OnInitDialog() override;
  void OnPaint(Canvas& canvas) override;
  void OnPointerDown(Point p) override;
  void OnPointerMove(Point p) override;
  void OnPointerUp(Point p) override;
  // On the distance wheel: focus at the hyperfocal distance.
  void OnDoubleTap(Point p) override;
  bool OnKeyDown(Key key) override;
  // H focuses at the hyperfocal distance, P opens the plan screen.
  void OnChar(char32_t ch) override;
  // Over a wheel: one value per notch, toward the end of its list for a
  // positive turn.
  bool OnWheel(Point p, int rows) override;

 private:
  // The five fonts of the screen in the current language, fetched once per
  // language instead of once per text.
  struct Fonts {
    int language = -1;
    int scale = -1;
    const Font* main = nullptr;
    const Font* wheel = nullptr;
    const Font* screen = nullptr;
    const Font* big_screen = nullptr;
    const Font* camera_screen = nullptr;
  };

  void ShowWindowIcon();
  void DefineFonts();
  void RestoreWheelPositions();
  bool EquipmentUnselected() const;
  UnitSystem units() const;
  void ComputeResults();
  // The camera line and the reference values: they follow the equipment,
  // the units and the language, not the wheel positions.
  void RefreshEquipmentTexts();
  void DoLayout();
  void FocusAtHyperfocal();
  // Takes a wheel to the own position of entry `index` of its list (clamped
  // to the list) and recomputes when that moved it.
  void MoveWheelTo(int wheel, int index);
  // Steps a wheel by `steps` entries from the one it picks.
  void StepWheel(int wheel, int steps);
  // The entries the wheels pick now (nothing for an empty list), and after
  // an equipment change the wheels set to the nearest of them.
  std::array<std::optional<double>, kWheelCount> ShownEntries() const;
  void KeepShownEntries(
      const std::array<std::optional<double>, kWheelCount>& shown);
  // A wheel's position in pixels along its travel.
  int WheelPosition(int wheel) const;
  const Fonts& CurrentFonts();

  // What a drag of `wheel` changes: that wheel with its caption row (its
  // value, the diffraction mark), the panel's four values and the zone
  // strip. Only these are painted again while it is dragged.
  void InvalidateDrag(int wheel);
  // The panel with every text drawn on it.
  Rect PanelBounds() const;
  // Wheel i with its caption row, its marks and the gap under it, across
  // the wheels' column.
  Rect WheelBand(int wheel) const;

  void PaintPanelPicture(Canvas& canvas);
  void PaintPanelTexts(Canvas& canvas, const Fonts& fonts);
  void PaintRows(Canvas& canvas, const Fonts& fonts);
  void PaintWheels(Canvas& canvas, const Fonts& fonts);
  void PaintFocus(Canvas& canvas);
  void PaintDiffractionMark(Canvas& canvas);
  Description ZoneDump() const;

  // The texts of the panel, as shown.
  const std::string& LargeLabel() const;
  std::string LargeValue() const;
  const std::string& FourthLabel() const;
  std::string FourthValue() const;

  Zorvanel* const data_;
  EquipmentScreen equipment_screen_;
  int applied_language_ = -1;
  WheelDrag drag_;
  // Where each wheel stands, in percent of its travel: the value it picks
  // does not depend on the size it is drawn at.
  std::array<double, kWheelCount> wheel_percents_{};
  int focus_wheel_ = -1;
  DofState results_;
  bool layout_done_ = false;
  MainLayout layout_;
  bool show_hyperfocal_ = true;
  int compute_count_ = 0;
  std::string camera_line_;
  std::array<std::array<std::string, 4>, kWheelCount> reference_texts_;
  // Aperture reference values at or past the diffraction limit.
  std::array<bool, 4> diffracted_references_{};
  double diffraction_limit_ = kNoValue;
  ZoneStrip zone_;
  Fonts fonts_;
  // Every text of the screen is drawn through it: none is ever cut off.
  TextFitter fitter_;

  TranslatedString focal_label_;
  TranslatedString aperture_label_;
  TranslatedString distance_label_;
  TranslatedString hyperfocal_label_;
  TranslatedString hyp_label_;
  TranslatedString min_label_;
  TranslatedString max_label_;
  TranslatedString dof_label_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_ZORVANEL_DLG_H_
