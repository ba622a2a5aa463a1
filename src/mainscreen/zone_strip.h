// The zone strip under the wheels: sharp zone, focus and hyperfocal marks.
#ifndef ZORVANEL_MAINSCREEN_ZONE_STRIP_H_
#define ZORVANEL_MAINSCREEN_ZONE_STRIP_H_

#include <string>
#include <vector>

#include "data/zorvanel.pb.h"
#include "mainscreen/main_layout.h"
#include "mainscreen/wheel_readings.h"
#include "mainscreen/zone_axis.h"
#include "optics/units.h"
#include "platform/geometry.h"

namespace zorvanel {

class Canvas;
class Font;
class TextFitter;

// Where the parts of the zone strip go: the main layout's zone area under
// the distance wheel. A pure function of the main layout.
struct ZoneStripLayout {
  Rect strip;  // the whole strip; empty when there is no room
  int axis_left = 0;
  int axis_right = 0;
  int axis_y = 0;  // the axis line
  int band_top = 0;
  int band_bottom = 0;
  int label_top = 0;
  int tick_length = 0;
  int marker_top = 0;  // the focus marker, top to bottom
  int marker_bottom = 0;
  int marker_width = 0;
  int hyperfocal_mark = 0;  // half width and height of its little wedge
  int label_gap = 0;        // the least distance between label centres
};

ZoneStripLayout ComputeZoneStripLayout(const MainLayout& l);

// The picture of the sharp zone under the wheels: a distance axis from the
// lens's nearest distance to infinity with a few labelled distances, the
// sharp zone as a band from the near to the far limit, the focus distance as
// a red marker and the hyperfocal distance as a small wedge. It is drawn
// from the results the panel shows.
class ZoneStrip {
 public:
  struct Label {
    Rect rect;
    int format = 0;
    std::string text;
    int tick_x = 0;
  };

  void set_layout(const ZoneStripLayout& layout) { layout_ = layout; }
  const ZoneStripLayout& layout() const { return layout_; }

  // Follows new results: the axis (its far end follows the hyperfocal
  // distance), the positions and the labels in `units`.
  void Update(const Lens& lens, const DofState& results, UnitSystem units);

  // `warn` draws the band in amber: the aperture is past the diffraction
  // limit.
  void Paint(Canvas& canvas, TextFitter& fitter, const Font* font,
             bool warn) const;

  const ZoneAxis& axis() const { return axis_; }
  const std::vector<Label>& labels() const { return labels_; }

 private:
  int XOf(double distance_m) const;
  void PlaceLabels(UnitSystem units);

  ZoneStripLayout layout_;
  ZoneAxis axis_;
  bool has_zone_ = false;
  int band_left_ = 0;
  int band_right_ = 0;
  int focus_x_ = -1;
  int hyperfocal_x_ = -1;
  std::vector<Label> labels_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_ZONE_STRIP_H_
