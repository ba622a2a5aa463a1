// The tooltip: the name of a control's action, shown after a short hover.
#include "platform/tooltip.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/window.h"

namespace zorvanel {
namespace {

constexpr int kFontHeight = 20;
constexpr int kPadding = 6;
// Below the pointer, clear of the cursor's arrow.
constexpr int kOffset = 20;

}  // namespace

bool Tooltip::Hover(Window* window, Point point, uint32_t now) {
  if (window == window_) {
    point_ = shown_ ? point_ : point;
    return false;
  }
  const bool was_shown = Hide();
  window_ = window;
  point_ = point;
  since_ = now;
  return was_shown;
}

bool Tooltip::Hide() {
  const bool was_shown = shown_;
  shown_ = false;
  window_ = nullptr;
  text_.clear();
  return was_shown;
}

void Tooltip::Forget(const Window* window) {
  if (window_ == window) Hide();
}

int Tooltip::MillisecondsToDue(uint32_t now) const {
  if (window_ == nullptr || shown_ || window_->Tooltip().empty()) return -1;
  const int waited = static_cast<int>(now - since_);
  return std::max(0, kTooltipDelayMs - waited);
}

bool Tooltip::ShowIfDue(uint32_t now) {
  if (MillisecondsToDue(now) != 0) return false;
  text_ = window_->Tooltip();
  shown_ = true;
  return true;
}

void Tooltip::Paint(Canvas& canvas, Size screen, int scale) {
  if (!shown_) return;
  if (!font_ || font_scale_ != scale) {
    FontRequest request;
    request.height = -std::max(1, Scaled(scale, kFontHeight));
    font_ = std::make_unique<Font>(request);
    font_scale_ = scale;
  }
  const int pad = Scaled(scale, kPadding);
  const Size text = canvas.MeasureText(text_, *font_);
  const int w = std::min(screen.width, text.width + 2 * pad);
  const int h = text.height + 2 * pad;
  const int x = std::clamp(point_.x - w / 2, 0, std::max(0, screen.width - w));
  int y = point_.y + Scaled(scale, kOffset);
  // No room below: above the pointer.
  if (y + h > screen.height) y = std::max(0, point_.y - h - pad);
  const Rect box = Rect::FromXYWH(x, y, w, h);
  canvas.FillRect(box, palette::kTooltip);
  canvas.FrameRect(box, palette::kTooltipText, 1);
  canvas.DrawText(text_, box, kTextCentre | kTextVCentre, *font_,
                  palette::kTooltipText);
}

}  // namespace zorvanel
