#include "skins/bitmap_background.h"

#include <algorithm>

#include "platform/shell.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {

namespace {

int scale_override = 0;

// Nine-slice copy of `src` over the whole of `canvas`'s w x h target: the
// four corners (40 % of the source each way) unscaled, the edges and the
// centre (the middle 20 %) stretched. Where the target is too small for
// the stretched parts, only the corners are drawn and they overlap.
void DrawNineSlice(Canvas& canvas, const Image& src, int w, int h) {
  const int bw = src.width();
  const int bh = src.height();
  const int cw = 2 * bw / 5;
  const int ch = 2 * bh / 5;
  const int mid_w = bw - 2 * cw;
  const int mid_h = bh - 2 * ch;
  if (2 * cw < w) {
    if (2 * ch < h) {
      canvas.Stretch(src, Rect::FromXYWH(cw, ch, mid_w, mid_h),
                     Rect::FromXYWH(cw, ch, w - 2 * cw, h - 2 * ch));
    }
    canvas.Stretch(src, Rect::FromXYWH(cw, 0, mid_w, ch),
                   Rect::FromXYWH(cw, 0, w - 2 * cw, ch));
    canvas.Stretch(src, Rect::FromXYWH(cw, bh - ch, mid_w, ch),
                   Rect::FromXYWH(cw, h - ch, w - 2 * cw, ch));
  }
  if (2 * ch < h) {
    canvas.Stretch(src, Rect::FromXYWH(0, ch, cw, mid_h),
                   Rect::FromXYWH(0, ch, cw, h - 2 * ch));
    canvas.Stretch(src, Rect::FromXYWH(bw - cw, ch, cw, mid_h),
                   Rect::FromXYWH(w - cw, ch, cw, h - 2 * ch));
  }
  canvas.Blit(src, Rect::FromXYWH(0, 0, cw, ch), Point{0, 0});
  canvas.Blit(src, Rect::FromXYWH(bw - cw, 0, cw, ch), Point{w - cw, 0});
  canvas.Blit(src, Rect::FromXYWH(0, bh - ch, cw, ch), Point{0, h - ch});
  canvas.Blit(src, Rect::FromXYWH(bw - cw, bh - ch, cw, ch),
              Point{w - cw, h - ch});
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
  stretched_.reset();
}

void CBitmapBackground::Draw(Canvas& target, int w, int h) {
  if (w <= 0 || h <= 0) return;
  // A screen too small for any scale still draws (at 1 %), never divides
  // by zero.
  const int k = std::max(1, SkinScale());
  // At least one design pixel, so that a tiny control on a large screen
  // still gets its background stretched over it.
  const int design_w = std::max(1, w * 100 / k);
  const int design_h = std::max(1, h * 100 / k);
  if (!built_ || built_->width() != design_w || built_->height() != design_h) {
    Build(design_w, design_h);
    stretched_.reset();
  }
  if (k == 100) {
    target.Blit(*built_, Rect{0, 0, w, h}, Point{0, 0});
    return;
  }
  // Filtered stretching costs far more than a copy; a control paints the
  // same size again and again.
  if (!stretched_ || stretched_->size() != Size{w, h}) {
    stretched_ = std::make_unique<Image>(w, h);
    Canvas(*stretched_)
        .Stretch(*built_, Rect{0, 0, design_w, design_h}, Rect{0, 0, w, h});
  }
  target.Blit(*stretched_, Rect{0, 0, w, h}, Point{0, 0});
}

void CBitmapBackground::Build(int w, int h) {
  // Without a source the background stays as created: opaque black.
  built_ = std::make_unique<Image>(w, h);
  const Bitmap* source =
      source_id_ > 0 ? GetBitmap(static_cast<unsigned>(source_id_)) : nullptr;
  if (source == nullptr) return;
  Canvas canvas(*built_);
  DrawNineSlice(canvas, source->image(), w, h);
}

}  // namespace zorvanel
