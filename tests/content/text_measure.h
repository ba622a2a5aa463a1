// Measures texts in the screens' fonts at a display scale, for fit checks.
#ifndef ZORVANEL_TESTS_CONTENT_TEXT_MEASURE_H_
#define ZORVANEL_TESTS_CONTENT_TEXT_MEASURE_H_

#include <map>
#include <memory>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/image.h"

namespace zorvanel {

// Text measured as the screens draw it: fonts given in pixels of the
// 480 x 640 screen at a display scale, each made once, and a canvas to
// measure with.
class TextMeasure {
 protected:
  // A font of that full-scale height at `scale` percent, as the font table
  // makes it: a positive height (the whole cell) is the italic face.
  const Font& ScaledFont(int height_at_full_scale, int scale) {
    const int height = Scaled(scale, height_at_full_scale);
    std::unique_ptr<Font>& font = fonts_[height];
    if (!font) {
      FontRequest request;
      request.height = height;
      request.italic = height > 0;
      font = std::make_unique<Font>(request);
    }
    return *font;
  }

  Image image_{8, 8};
  Canvas canvas_{image_};

 private:
  std::map<int, std::unique_ptr<Font>> fonts_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_TESTS_CONTENT_TEXT_MEASURE_H_
