// The canvas: rectangles, pictures, lines and text drawn into an image.
#ifndef ZORVANEL_PLATFORM_CANVAS_H_
#define ZORVANEL_PLATFORM_CANVAS_H_

#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/image.h"

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

namespace zorvanel {

// DrawText format flags, as the screens give them.
enum TextFormat : int {
  kTextLeft = 0,
  kTextCentre = 1,
  kTextRight = 2,
  kTextVCentre = 4,
  kTextBottom = 8,
};

// Draws into an Image. Integer pixel geometry, no anti-aliasing on
// rectangles and one-pixel lines. All coordinates are relative to the current
// origin and everything is clipped to the current clip rectangle. Text is
// drawn with a transparent background; lines are split only at explicit line
// breaks ("\r\n" or "\n"), never wrapped.
class Canvas {
 public:
  explicit Canvas(Image& target);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Image& target() { return target_; }

  void FillRect(const Rect& r, Colour c);
  // Outline of `width` pixels drawn inside r.
  void FrameRect(const Rect& r, Colour c, int width);
  void InvertRect(const Rect& r);
  // Straight copy (source replaces destination, alpha included).
  void Blit(const Image& src, const Rect& src_rect, Point dest);
  // Scaled straight copy of src_rect into dest.
  void Stretch(const Image& src, const Rect& src_rect, const Rect& dest);
  // Scaled composite of src_rect over dest with a constant alpha (0-255);
  // when per_pixel_alpha is false the source counts as opaque.
  void Blend(const Image& src, const Rect& src_rect, const Rect& dest,
             int constant_alpha, bool per_pixel_alpha);
  void Polyline(const std::vector<Point>& points, Colour c, int width);

  // Natural size: width of the longest line, height of all lines.
  Size MeasureText(const std::string& text, const Font& font);
  Size MeasureText(const std::string& text);  // current font
  void DrawText(const std::string& text, const Rect& r, int format,
                const Font& font, Colour colour);

  // Current state. Prefer ScopedState to changing these directly.
  Point origin() const { return origin_; }
  Rect clip() const { return clip_; }  // in target pixels
  void Translate(int dx, int dy);
  void ClipTo(const Rect& r);  // intersects, r in current coordinates
  void SetFont(const Font* font) { font_ = font; }
  const Font* font() const { return font_; }

  // Saves origin, clip and font; restores them when it ends.
  class ScopedState {
   public:
    explicit ScopedState(Canvas& canvas);
    ~ScopedState();
    ScopedState(const ScopedState&) = delete;
    ScopedState& operator=(const ScopedState&) = delete;

   private:
    Canvas& canvas_;
    Point origin_;
    Rect clip_;
    const Font* font_;
  };

 private:
  enum class Compose { kCopy, kOver };

  void ApplyClip();
  // Draws src_rect of src scaled onto dest (current coordinates).
  void PaintImage(const Image& src, Rect src_rect, Rect dest, Compose compose,
                  double alpha, bool use_source_alpha);
  const Font& CurrentFont() const;

  Image& target_;
  cairo_t* cr_;
  Point origin_;
  Rect clip_;
  const Font* font_ = nullptr;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_CANVAS_H_
