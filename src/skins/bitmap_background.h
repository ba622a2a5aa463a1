// A control's background of any size, nine-slice scaled from a small skin.
#ifndef ZORVANEL_SKINS_BITMAP_BACKGROUND_H_
#define ZORVANEL_SKINS_BITMAP_BACKGROUND_H_

#include <memory>

#include "platform/canvas.h"
#include "platform/image.h"

namespace zorvanel {

// A background of any size built from a small picture by nine-slice scaling
// (corners 40 %, edges and centre 20 % of the source, stretched). Built once
// at the size it is drawn, with the corners at their reference size scaled by
// the display scale, so it looks the same at every scale and costs no more
// memory than the control it covers.
class CBitmapBackground {
 public:
  explicit CBitmapBackground(int source_id = 0) : source_id_(source_id) {}

  // A new source takes effect at the next Draw.
  void SetSourceId(int id);
  // Draws the background over (0, 0, w, h) of the canvas.
  void Draw(Canvas& target, int w, int h);
  // The built background at the size last drawn (null before the first
  // Draw, and after Release).
  const Image* built() const { return built_.get(); }
  // Frees the built background; the next Draw builds it again.
  void Release() { built_.reset(); }

 private:
  void Build(int w, int h, int k);

  int source_id_;
  std::unique_ptr<Image> built_;
  int built_scale_ = 0;  // the display scale built_ was made for
};

// The display scale in percent that backgrounds build for: the shell's, or
// 100 while no shell exists. SetSkinScaleOverride fixes it for tests and
// tools; 0 lifts the override.
int SkinScale();
void SetSkinScaleOverride(int scale);

}  // namespace zorvanel

#endif  // ZORVANEL_SKINS_BITMAP_BACKGROUND_H_
