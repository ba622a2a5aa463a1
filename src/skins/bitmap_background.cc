// A control's background of any size, nine-slice scaled from a small skin.
#include "skins/bitmap_background.h"

#include <algorithm>

#include "platform/geometry.h"
#include "platform/shell.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {

namespace {

int scale_override = 0;

// Nine-slice copy of `src` over the whole of `canvas`'s w x h target at
// display scale k: the four corners (40 % of the source each way) at their
// reference size scaled by k, the edges and the centre (the middle 20 %)
// stretched between them (a stretch to the same size is a plain copy).
// Where the target is too small for the stretched parts, only the corners
// are drawn and they overlap.
void DrawNineSlice(Canvas& canvas, const Image& src, int w, int h, int k) {
  const int bw = src.width();
  const int bh = src.height();
  const int cw = 2 * bw / 5;
  const int ch = 2 * bh / 5;
  const int mid_w = bw - 2 * cw;
  const int mid_h = bh - 2 * ch;
  // The corners on the target; never thinner than a pixel, so that a tiny
  // scale still shows the frame.
  const int tw = std::max(1, Scaled(k, cw));
  const int th = std::max(1, Scaled(k, ch));
  if (2 * tw < w) {
    if (2 * th < h) {
      canvas.Stretch(src, Rect::FromXYWH(cw, ch, mid_w, mid_h),
                     Rect::FromXYWH(tw, th, w - 2 * tw, h - 2 * th));
    }
    canvas.Stretch(src, Rect::FromXYWH(cw, 0, mid_w, ch),
                   Rect::FromXYWH(tw, 0, w - 2 * tw, th));
    canvas.Stretch(src, Rect::FromXYWH(cw, bh - ch, mid_w, ch),
                   Rect::FromXYWH(tw, h - th, w - 2 * tw, th));
  }
  if (2 * th < h) {
    canvas.Stretch(src, Rect::FromXYWH(0, ch, cw, mid_h),
                   Rect::FromXYWH(0, th, tw, h - 2 * th));
    canvas.Stretch(src, Rect::FromXYWH(bw - cw, ch, cw, mid_h),
                   Rect::FromXYWH(w - tw, th, tw, h - 2 * th));
  }
  canvas.Stretch(src, Rect::FromXYWH(0, 0, cw, ch),
                 Rect::FromXYWH(0, 0, tw, th));
  canvas.Stretch(src, Rect::FromXYWH(bw - cw, 0, cw, ch),
                 Rect::FromXYWH(w - tw, 0, tw, th));
  canvas.Stretch(src, Rect::FromXYWH(0, bh - ch, cw, ch),
                 Rect::FromXYWH(0, h - th, tw, th));
  canvas.Stretch(src, Rect::FromXYWH(bw - cw, bh - ch, cw, ch),
                 Rect::FromXYWH(w - tw, h - th, tw, th));
}

}  // namespace

int SkinScale() {
  if (scale_override > 0) return scale_override;
  if (Shell::Exists()) return Shell::Get().scale();
  return 100;
}

void SetSkinScaleOverride(int scale) { scale_override = std::max(0, scale); }

void CBitmapBackground::SetSourceId(int id) {
  if (id == source_id_) return;
  source_id_ = id;
  // Built from the old picture: build again at the next Draw even when the
  // size stays the same.
  built_.reset();
}

void CBitmapBackground::Draw(Canvas& target, int w, int h) {
  if (w <= 0 || h <= 0) return;
  // A screen too small for any scale still draws (at 1 %), never divides
  // by zero.
  const int k = std::max(1, SkinScale());
  // Built at the size it is drawn: a picture at the reference size would grow
  // without bound on a screen whose scale is far below its width (a control
  // 8192 pixels wide at scale 7 is 117,000 reference pixels), and stretching it
  // at every paint would cost far more than a copy.
  if (!built_ || built_->size() != Size{w, h} || built_scale_ != k) {
    Build(w, h, k);
  }
  target.Blit(*built_, Rect{0, 0, w, h}, Point{0, 0});
}

void CBitmapBackground::Build(int w, int h, int k) {
  // Without a source the background stays as created: opaque black.
  built_ = std::make_unique<Image>(w, h);
  built_scale_ = k;
  const Bitmap* source =
      source_id_ > 0 ? GetBitmap(static_cast<unsigned>(source_id_)) : nullptr;
  if (source == nullptr) return;
  Canvas canvas(*built_);
  DrawNineSlice(canvas, source->image(), w, h, k);
}

}  // namespace zorvanel
