// Draws a wheel: its knurled ring, its marks and reference values, its marker.
#include "mainscreen/wheel_painter.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/text_fitter.h"
#include "skins/bitmap_cache.h"
#include "skins/picture_ids.h"

namespace zorvanel {

void PaintWheelPicture(Canvas& canvas, const Rect& wheel) {
  if (const Image* picture =
          GetScaledBitmap(pictures::kWheel, wheel.GetSize())) {
    canvas.Blit(*picture, Rect{0, 0, picture->width(), picture->height()},
                Point{wheel.left, wheel.top});
  }
}

void PaintWheelMarks(Canvas& canvas, TextFitter& fitter, const Font* font,
                     const WheelMarks& marks,
                     const std::array<std::string, 4>& texts,
                     const std::array<bool, 4>& amber) {
  for (const TickMark& tick : marks.ticks) {
    canvas.Polyline({tick.begin(), tick.end()}, palette::kText, 1);
  }
  if (font == nullptr) return;
  for (int slot = 0; slot < 4; ++slot) {
    const ReferenceSlot& s = marks.slots[slot];
    fitter.Draw(canvas, texts[slot], s.rect, s.format, *font,
                amber[slot] ? palette::kDiffraction : palette::kText, s.room);
  }
}

void PaintWheelMarker(Canvas& canvas, const Rect& wheel, int scale,
                      int position) {
  canvas.FillRect(WheelMarkerRect(wheel, scale, position), palette::kMarker);
}

void PaintWheelFocus(Canvas& canvas, const Rect& wheel, int caption_top,
                     int scale) {
  const Rect frame{wheel.left, caption_top, wheel.right, wheel.bottom};
  canvas.FrameRect(frame, palette::kFocus, std::max(1, Scaled(scale, 2)));
}

}  // namespace zorvanel
