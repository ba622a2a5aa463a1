// One wheel's geometry: where it is drawn, its marks, its marker, its band.
#include "mainscreen/wheel_band.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "optics/numeric.h"
#include "platform/canvas.h"

namespace zorvanel {
namespace {

// The four tick marks at scale 100, on a ring as wide as the reference screen.
constexpr int kTickLeftEnd = 15;
constexpr int kTickQuarter = 127;
constexpr int kTickThreeQuarters = 353;
constexpr int kTickRightEnd = 465;

// The percentage of the travel that `offset` pixels along a ring of `ring`
// pixels stand for.
float PercentOfRing(int offset, int ring) {
  if (ring <= 0) return 0.0f;
  return static_cast<float>(offset * 100) / static_cast<float>(ring);
}

// The ring of a wheel: its drawn width less an end cap at either side; may
// be 0 or less on a wheel narrower than its end caps.
int RingOf(const Rect& wheel, int scale) {
  return wheel.Width() - 2 * Scaled(scale, kTickLeftEnd);
}

}  // namespace

WheelMarks LayOutWheelMarks(const Rect& wheel, int scale, int bottom) {
  auto s = [scale](int v) { return Scaled(scale, v); };
  const int ring = std::max(0, RingOf(wheel, scale));
  // The marks keep their places on the reference ring, stretched with it.
  auto along = [&](int design) {
    return wheel.left + s(kTickLeftEnd) +
           (design - kTickLeftEnd) * ring / (kTickRightEnd - kTickLeftEnd);
  };
  const int a = along(kTickLeftEnd);
  const int b = along(kTickQuarter);
  const int c = along(kTickThreeQuarters);
  const int d = along(kTickRightEnd);
  const int y = wheel.top;
  WheelMarks marks;
  marks.ticks = {
      TickMark{Point{a, y + s(5)}, Point{a, y}, Point{a + s(10), y + s(-5)}},
      TickMark{Point{b, y + s(8)}, Point{b, y + s(3)},
               Point{b + s(5), y + s(-2)}},
      TickMark{Point{c, y + s(8)}, Point{c, y + s(3)},
               Point{c - s(5), y + s(-2)}},
      TickMark{Point{d, y + s(5)}, Point{d, y}, Point{d - s(10), y + s(-5)}},
  };
  const int left_end = s(3) + s(10) + a;
  const int quarter = b + s(3) + s(5);
  const int three_quarters = c - s(3) - s(5);
  const int right_end = d - s(3) - s(10);
  // The outer values stop short of the quarter ticks; the two inner ones
  // share the middle of the ring.
  const int middle = (wheel.left + wheel.right) / 2;
  marks.slots = {
      ReferenceSlot{Rect{left_end, y + s(-8) + s(-5), wheel.right, bottom},
                    kTextLeft, 0.0f, b - s(3) - left_end},
      ReferenceSlot{Rect{quarter, y + s(-8) + s(-2), wheel.right, bottom},
                    kTextLeft, PercentOfRing(b - a, ring),
                    middle - s(3) - quarter},
      ReferenceSlot{Rect{wheel.left, y + s(-8) + s(-2), three_quarters, bottom},
                    kTextRight, PercentOfRing(c - a, ring),
                    three_quarters - (middle + s(3))},
      ReferenceSlot{Rect{wheel.left, y + s(-8) + s(-5), right_end, bottom},
                    kTextRight, 100.0f, right_end - (c + s(3))},
  };
  return marks;
}

Rect WheelMarkerRect(const Rect& wheel, int scale, int position) {
  const Rect& r = wheel;
  const int travel = r.Width();
  const int ring = RingOf(r, scale);
  // Along the ring: the travel maps 0 .. travel onto the ring. A wheel too
  // narrow for a ring keeps the marker in the middle, which also keeps the
  // divisions below away from zero.
  int x = r.left + travel / 2;
  double q = 0.0;
  if (travel > 0 && ring > 0) {
    const int p = std::clamp(position, 0, travel);
    const int along = static_cast<int>(static_cast<int64_t>(p) * ring / travel);
    x = r.left + Scaled(scale, kTickLeftEnd) + along;
    q = std::clamp(static_cast<double>(2 * (x - r.left) - travel) / ring, -1.0,
                   1.0);
  }
  // Across the ring: the cylinder's profile makes the marker shorter and
  // narrower towards both ends.
  const double r_across = std::sqrt(1.0 - q * q);
  const double k = scale;
  const int y1 = TruncateToInt32((5 * r_across + 9) * k * 0.01 + r.top);
  const int y2 = TruncateToInt32((10 * r_across + 22) * k * 0.01 + r.top);
  const double w = (6 * r_across + 4) * k * 0.01;
  const int left = x - TruncateToInt32(w * 0.5);
  const int right = TruncateToInt32(left + w);
  return Rect{left, y1, right, y2};
}

bool InWheelBand(const Rect& wheel, Point p) {
  const int h = wheel.Height();
  return p.x >= wheel.left && p.x < wheel.right && wheel.top - h < p.y &&
         p.y < wheel.top + 2 * h;
}

}  // namespace zorvanel
