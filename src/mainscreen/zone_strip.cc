// The zone strip under the wheels: sharp zone, focus and hyperfocal marks.
#include "mainscreen/zone_strip.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "i18n/value_text.h"
#include "optics/units.h"
#include "optics/value.h"
#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/text_fitter.h"

namespace zorvanel {
namespace {

// Reference numbers at 480 x 640; the strip scales like the wheels.
constexpr int kStripHeight = 46;
constexpr int kLeastStripHeight = 30;

// Round distances worth a label, in the unit shown (metres or feet).
// (1 m is left out: the distance format prints it as "100 cm".)
constexpr double kMetricLadder[] = {0.2, 0.3, 0.5, 2,   3,   5,    10,  20,
                                    30,  50,  100, 200, 500, 1000, 2000};
constexpr double kImperialLadder[] = {1,  2,   3,   5,   10,   20,   30,
                                      50, 100, 200, 500, 1000, 2000, 5000};
// Where the two inner labels would sit best, as shares of the axis.
constexpr double kLabelTargets[] = {0.3, 0.6};

// The lens's smallest (its nearest) or largest positive distance; kNoValue
// for none.
double DistanceEnd(const Lens& lens, bool largest) {
  double end = kNoValue;
  for (double d : lens.distances()) {
    if (d > 0.0 && std::isfinite(d) &&
        (std::isnan(end) || (largest ? d > end : d < end))) {
      end = d;
    }
  }
  return end;
}

bool IsSet(const Value& v) { return !v.IsNoValue(); }

}  // namespace

ZoneStripLayout ComputeZoneStripLayout(const MainLayout& l) {
  auto s = [&l](int v) { return Scaled(l.scale, v); };
  ZoneStripLayout z;
  const Rect& area = l.zone_area;
  const int free = area.Height();
  if (free < s(kLeastStripHeight) || s(kLeastStripHeight) <= 0) return z;
  const int height = std::min(s(kStripHeight), free);
  const int top = area.top + (free - height) / 2;
  z.strip = Rect{area.left + l.side_margin, top, area.right - l.side_margin,
                 top + height};
  z.axis_left = z.strip.left + s(4);
  z.axis_right = z.strip.right - s(4);
  z.band_top = top + s(6);
  z.band_bottom = top + s(20);
  z.axis_y = top + s(22);
  z.tick_length = std::max(1, s(4));
  z.label_top = top + s(25);
  z.marker_top = top + s(2);
  z.marker_bottom = z.axis_y + s(4);
  z.marker_width = std::max(2, s(4));
  z.hyperfocal_mark = std::max(2, s(5));
  z.label_gap = s(70);
  return z;
}

int ZoneStrip::XOf(double distance_m) const {
  const double f = axis_.Fraction(distance_m);
  if (std::isnan(f)) return -1;
  const int length = layout_.axis_right - layout_.axis_left;
  return layout_.axis_left + static_cast<int>(std::lround(f * length));
}

void ZoneStrip::Update(const Lens& lens, const DofState& results,
                       UnitSystem units) {
  const double hyperfocal = results.dof.hyperfocal.GetValue();
  const double log_end =
      hyperfocal > 0.0 ? 4.0 * hyperfocal : DistanceEnd(lens, true);
  axis_ = ZoneAxis(DistanceEnd(lens, false), log_end);

  const double near = results.dof.near_limit.GetValue();
  const double far = results.dof.far_limit.GetValue();
  has_zone_ = IsSet(results.dof.near_limit) && IsSet(results.dof.far_limit);
  if (has_zone_) {
    band_left_ = XOf(near);
    band_right_ = far < 0.0 ? layout_.axis_right : XOf(far);
    band_right_ = std::max(band_right_, band_left_ + 1);
  }
  focus_x_ = IsSet(results.focus) ? XOf(results.focus.GetValue()) : -1;
  hyperfocal_x_ = hyperfocal > 0.0 ? XOf(hyperfocal) : -1;
  PlaceLabels(units);
}

void ZoneStrip::PlaceLabels(UnitSystem units) {
  labels_.clear();
  const ZoneStripLayout& z = layout_;
  if (z.strip.IsEmpty()) return;
  const int gap = z.label_gap;
  const int bottom = z.strip.bottom;
  labels_.push_back(Label{
      Rect{z.axis_left, z.label_top, z.axis_left + gap - gap / 8, bottom},
      kTextLeft, Format(DistanceValue(axis_.nearest_m()), units), z.axis_left});
  const bool imperial = units == kImperial;
  int previous_x = z.axis_left;
  for (double target : kLabelTargets) {
    double best = kNoValue;
    double best_miss = 2.0;
    auto consider = [&](double shown) {
      const double metres = imperial ? ConvertLength(shown, false) : shown;
      const double miss = std::fabs(axis_.Fraction(metres) - target);
      if (metres > axis_.nearest_m() && miss < best_miss) {
        best = metres;
        best_miss = miss;
      }
    };
    if (imperial) {
      for (double feet : kImperialLadder) consider(feet);
    } else {
      for (double metres : kMetricLadder) consider(metres);
    }
    if (std::isnan(best)) continue;
    const int x = XOf(best);
    // A centred label needs half a gap on either side of its neighbours'.
    if (x - previous_x < gap || z.axis_right - x < gap * 3 / 4) continue;
    labels_.push_back(Label{Rect{x - gap / 2 + gap / 16, z.label_top,
                                 x + gap / 2 - gap / 16, bottom},
                            kTextCentre, Format(DistanceValue(best), units),
                            x});
    previous_x = x;
  }
  labels_.push_back(
      Label{Rect{z.axis_right - gap / 2, z.label_top, z.axis_right, bottom},
            kTextRight, "\xE2\x88\x9E", z.axis_right});  // U+221E infinity
}

void ZoneStrip::Paint(Canvas& canvas, TextFitter& fitter, const Font* font,
                      bool warn) const {
  const ZoneStripLayout& z = layout_;
  if (z.strip.IsEmpty()) return;
  if (has_zone_) {
    canvas.FillRect(Rect{band_left_, z.band_top, band_right_, z.band_bottom},
                    warn ? palette::kDiffraction : palette::kZoneBand);
  }
  canvas.Polyline({Point{z.axis_left, z.axis_y}, Point{z.axis_right, z.axis_y}},
                  palette::kText, 1);
  // Where the scale stops being logarithmic: a break in the axis.
  const int junction = XOf(axis_.log_end_m());
  const int t = z.tick_length;
  for (int dx : {-t / 2, t / 2}) {
    canvas.Polyline({Point{junction + dx - t / 2, z.axis_y + t},
                     Point{junction + dx + t / 2, z.axis_y - t}},
                    palette::kText, 1);
  }
  for (const Label& label : labels_) {
    canvas.Polyline(
        {Point{label.tick_x, z.axis_y}, Point{label.tick_x, z.axis_y + t}},
        palette::kText, 1);
    if (font != nullptr) {
      fitter.Draw(canvas, label.text, label.rect, label.format, *font,
                  palette::kText, label.rect.Width());
    }
  }
  if (hyperfocal_x_ >= 0) {
    const int m = z.hyperfocal_mark;
    const int top = z.strip.top;
    canvas.Polyline(
        {Point{hyperfocal_x_ - m, top}, Point{hyperfocal_x_, top + m},
         Point{hyperfocal_x_ + m, top}, Point{hyperfocal_x_ - m, top}},
        palette::kText, 1);
  }
  if (focus_x_ >= 0) {
    const int left = focus_x_ - z.marker_width / 2;
    canvas.FillRect(
        Rect{left, z.marker_top, left + z.marker_width, z.marker_bottom},
        palette::kMarker);
  }
}

}  // namespace zorvanel
