// The zone strip's distance axis: logarithmic, then a segment to infinity.
#ifndef ZORVANEL_MAINSCREEN_ZONE_AXIS_H_
#define ZORVANEL_MAINSCREEN_ZONE_AXIS_H_

namespace zorvanel {

// The distance axis of the zone strip, from the lens's nearest distance to
// infinity. Sharp zones at close range are centimetres deep and at long
// range hundreds of metres, so the axis is logarithmic up to `log_end`
// (about 4 x the hyperfocal distance) and then runs over a short segment
// that reaches infinity only at its right end.
class ZoneAxis {
 public:
  // The share of the axis the logarithmic part takes; the rest is the
  // segment out to infinity.
  static constexpr double kLogShare = 0.85;

  ZoneAxis() : ZoneAxis(1.0, 4.0) {}
  // A `nearest_m` that is not above 0 becomes 1 cm; a `log_end_m` that is
  // not beyond it becomes four times it, so the axis always has a length.
  ZoneAxis(double nearest_m, double log_end_m);

  double nearest_m() const { return nearest_m_; }
  double log_end_m() const { return log_end_m_; }

  // Where a distance in metres sits along the axis, from 0 (the nearest
  // distance, and anything nearer) to 1 (infinity: a negative distance, as
  // the results store it). Rising with the distance; NaN stays NaN.
  double Fraction(double distance_m) const;

 private:
  double nearest_m_;
  double log_end_m_;
  double log_length_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_ZONE_AXIS_H_
