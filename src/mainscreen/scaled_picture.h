#ifndef ZORVANEL_MAINSCREEN_SCALED_PICTURE_H_
#define ZORVANEL_MAINSCREEN_SCALED_PICTURE_H_

#include <memory>

#include "platform/geometry.h"
#include "platform/image.h"

namespace zorvanel {

// A skin picture at the size one screen draws it. Stretching a picture with a
// good filter costs more than everything else in a frame, and the main
// screen draws the same sizes at every frame, so the stretched copy is made
// once and then copied straight.
class ScaledPicture {
 public:
  ScaledPicture(unsigned bitmap_id, Size size)
      : bitmap_id_(bitmap_id), size_(size) {}

  // The picture at the size, or null when the skin has no such picture
  // (asked again next time) or the size is empty.
  const Image* Get();
  Size size() const { return size_; }

 private:
  unsigned bitmap_id_;
  Size size_;
  std::unique_ptr<Image> scaled_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_MAINSCREEN_SCALED_PICTURE_H_
