// The bar of two soft keys along the bottom of the screen.
#include "platform/soft_key_bar.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/palette.h"

namespace zorvanel {

namespace {

constexpr int kFontHeight = 24;

FontRequest BarFont(int scale) {
  FontRequest request;
  request.height = -std::max(1, Scaled(scale, kFontHeight));
  return request;
}

}  // namespace

SoftKeyBar::SoftKeyBar(Size screen, int scale) { Resize(screen, scale); }

void SoftKeyBar::Resize(Size screen, int scale) {
  screen_ = screen;
  height_ = Scaled(scale, kSoftKeyBarHeight);
  font_ = std::make_unique<Font>(BarFont(scale));
  background_.reset();
  pressed_.reset();
}

bool SoftKeyBar::Contains(Point p) const {
  return p.x >= 0 && p.x < screen_.width && p.y >= top() &&
         p.y < screen_.height;
}

SoftKeySide SoftKeyBar::SideAt(Point p) const {
  return p.x < screen_.width / 2 ? SoftKeySide::kLeft : SoftKeySide::kRight;
}

void SoftKeyBar::Paint(Canvas& canvas, const SoftKeys* keys) {
  if (height_ <= 0) return;
  const int y = top();
  // The shaded bar never changes: drawn once, copied at every frame.
  if (!background_) PaintBackground();
  canvas.Blit(*background_, Rect{0, 0, screen_.width, height_}, Point{0, y});
  const int middle = screen_.width / 2;
  const Rect left{0, y + 1, middle, screen_.height};
  const Rect right{middle, y + 1, screen_.width, screen_.height};
  if (pressed_) {
    canvas.FillRect(*pressed_ == SoftKeySide::kLeft ? left : right,
                    palette::kSoftKeyPressed);
  }
  if (keys == nullptr) return;
  canvas.DrawText(keys->left_text, left, kTextCentre | kTextVCentre, *font_,
                  palette::kText);
  canvas.DrawText(keys->right_text, right, kTextCentre | kTextVCentre, *font_,
                  palette::kText);
}

void SoftKeyBar::PaintBackground() {
  background_ = std::make_unique<Image>(screen_.width, height_);
  Canvas canvas(*background_);
  // A dark bar, a shade lighter at the top, with a thin highlight line.
  for (int row = 0; row < height_; ++row) {
    const int shade = 48 - 32 * row / height_;
    canvas.FillRect(Rect{0, row, screen_.width, row + 1},
                    Rgb(shade, shade, shade));
  }
  canvas.FillRect(Rect{0, 0, screen_.width, 1}, palette::kSoftKeyBarEdge);
}

}  // namespace zorvanel
