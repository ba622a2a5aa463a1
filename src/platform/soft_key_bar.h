// The bar of two soft keys along the bottom of the screen.
#ifndef ZORVANEL_PLATFORM_SOFT_KEY_BAR_H_
#define ZORVANEL_PLATFORM_SOFT_KEY_BAR_H_

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/window.h"

namespace zorvanel {

class Canvas;
struct SoftKeys;

// The bar of two keys along the bottom of the screen, under every dialog:
// the top dialog's two labels, and the pressed look of the half a finger is
// down on.
class SoftKeyBar {
 public:
  SoftKeyBar(Size screen, int scale);

  // The screen changed size: the bar follows its width and scale, and no
  // half is pressed any more.
  void Resize(Size screen, int scale);

  int height() const { return height_; }
  // Where the bar begins: the dialogs live above it.
  int top() const { return std::max(0, screen_.height - height_); }
  bool Contains(Point screen) const;
  // The half of the bar under a point of the screen.
  SoftKeySide SideAt(Point screen) const;

  std::optional<SoftKeySide> pressed() const { return pressed_; }
  void set_pressed(std::optional<SoftKeySide> side) { pressed_ = side; }

  // The bar with the labels of `keys` (none without a dialog).
  void Paint(Canvas& canvas, const SoftKeys* keys);

 private:
  void PaintBackground();

  Size screen_;
  int height_;
  std::unique_ptr<Font> font_;
  std::unique_ptr<Image> background_;  // made at the first frame
  std::optional<SoftKeySide> pressed_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_SOFT_KEY_BAR_H_
