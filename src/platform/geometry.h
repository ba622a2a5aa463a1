// Points, sizes, rectangles, colours, and scaling from the 480 x 640 screen.
#ifndef ZORVANEL_PLATFORM_GEOMETRY_H_
#define ZORVANEL_PLATFORM_GEOMETRY_H_

#include <algorithm>
#include <cstdint>

namespace zorvanel {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Integer rectangle, right and bottom exclusive, as the screens give them.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect FromXYWH(int x, int y, int w, int h) {
    return Rect{x, y, x + w, y + h};
  }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr Size GetSize() const { return Size{Width(), Height()}; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr Rect Offset(int dx, int dy) const {
    return Rect{left + dx, top + dy, right + dx, bottom + dy};
  }
  // Shrinks (positive) or grows (negative) each side.
  constexpr Rect Deflate(int dx, int dy) const {
    return Rect{left + dx, top + dy, right - dx, bottom - dy};
  }
  constexpr Rect Intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top),
           std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.IsEmpty()) return Rect{};
    return r;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Colour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour Rgb(int r, int g, int b) {
  return Colour{static_cast<uint8_t>(r), static_cast<uint8_t>(g),
                static_cast<uint8_t>(b)};
}

// The reference screen: every size in pixels in the code is given for it; a
// screen's display scale is its size against it, in percent (integer
// divisions).
inline constexpr int kReferenceWidth = 480;
inline constexpr int kReferenceHeight = 640;
constexpr int DisplayScaleFor(Size screen) {
  return std::min(screen.width * 100 / kReferenceWidth,
                  screen.height * 100 / kReferenceHeight);
}

// S(v): a reference-screen number scaled by the display scale k, truncated
// toward zero.
constexpr int Scaled(int k, int v) { return k * v / 100; }

// The soft-key bar along the bottom of the screen, in reference pixels; the
// dialogs live above it.
inline constexpr int kSoftKeyBarHeight = 52;
// The title along the top of a dialog, in reference pixels.
inline constexpr int kDialogTitleHeight = 50;

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_GEOMETRY_H_
