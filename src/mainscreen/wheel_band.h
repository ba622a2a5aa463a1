// One wheel's geometry: where it is drawn, its marks, its marker, its band.
#ifndef ZORVANEL_MAINSCREEN_WHEEL_BAND_H_
#define ZORVANEL_MAINSCREEN_WHEEL_BAND_H_

#include <array>

#include "platform/geometry.h"

namespace zorvanel {

// One tick mark on a wheel: a polyline of two segments.
using TickMark = std::array<Point, 3>;

// Where one of the four reference values of a wheel goes: its rectangle, its
// alignment and the wheel percentage whose value it shows. The rectangle
// runs to the screen's edge; `room` is the width the text may take before
// it would reach the next tick mark or its neighbour's half of the ring.
struct ReferenceSlot {
  Rect rect;
  int format = 0;
  float percent = 0.0f;
  int room = 0;
};

// The marks along a wheel: four tick marks, at the left end, a quarter,
// three quarters and the right end of the ring, and the four reference
// values, each at the place of the ring where the marker picks it.
struct WheelMarks {
  std::array<TickMark, 4> ticks;
  std::array<ReferenceSlot, 4> slots;
};

// The marks of a wheel drawn at `wheel` at display scale `scale`; the
// reference values' rectangles run down to `bottom`.
WheelMarks LayOutWheelMarks(const Rect& wheel, int scale, int bottom);

// The red marker of a wheel drawn at `wheel`, at `position` (0 .. the
// wheel's width, its travel): the travel maps onto the ring between its end
// caps, and the marker is drawn as if on a cylinder, widest in the middle.
Rect WheelMarkerRect(const Rect& wheel, int scale, int position);

// Whether a press at p drags the wheel drawn at `wheel`: within its width,
// from one wheel height above its top to two below it, both ends excluded.
bool InWheelBand(const Rect& wheel, Point p);

// Where a screen's wheels are, as a drag needs them.
class WheelTracks {
 public:
  // The wheel whose band holds p, the first of overlapping ones; -1 for
  // none.
  virtual int WheelAt(Point p) const = 0;
  // A wheel's positions run from 0 to this, the width it is drawn at.
  virtual int Travel(int wheel) const = 0;

 protected:
  WheelTracks() = default;
  WheelTracks(const WheelTracks&) = default;
  WheelTracks& operator=(const WheelTracks&) = default;
  ~WheelTracks() = default;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_WHEEL_BAND_H_
