// The program's push button: skin, optional icon, caption and gloss.
#include "controls/custom_button.h"

#include <algorithm>
#include <memory>

#include "i18n/font_table.h"
#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/shell.h"
#include "skins/bitmap_cache.h"

namespace zorvanel {

namespace {

constexpr int kDisabledIconAlpha = 136;
constexpr int kOpaque = 255;
// Reference pixels left of an icon that sits beside a caption.
constexpr int kIconMargin = 20;
// How much a press darkens the skin: every button, with a caption only or
// not, shows that it is held.
constexpr int kPressedShade = 110;

void DefineButtonFont() {
  GetFontTable().DefineFont("Button", {.height = -25});
}

}  // namespace

IconFrame SelectIconFrame(int bitmap_width, int frame_count, int index,
                          bool three_state, ButtonLook look) {
  const int count = std::max(frame_count, 1);
  IconFrame frame;
  frame.width = bitmap_width / count;
  frame.source_x = std::clamp(index, 0, count - 1) * frame.width;
  if (three_state) {
    frame.width = bitmap_width / 3;
    if (look == ButtonLook::kPressed) {
      frame.source_x += 2 * frame.width;
    } else if (look == ButtonLook::kDisabled) {
      frame.source_x += frame.width;
    }
  }
  return frame;
}

CCustomButton::CCustomButton() = default;
CCustomButton::~CCustomButton() = default;

void CCustomButton::SetIcon(int bitmap_id, bool three_state) {
  has_icon_ = true;
  icon_id_ = bitmap_id;
  three_state_ = three_state;
  Invalidate();
}

void CCustomButton::SetIconStrip(int bitmap_id, int index, int frame_count) {
  has_icon_ = true;
  icon_id_ = bitmap_id;
  icon_index_ = index;
  icon_frame_count_ = frame_count;
  Invalidate();
}

void CCustomButton::SetBackgroundBitmap(int bitmap_id) {
  background_.SetSourceId(bitmap_id);
  Invalidate();
}

void CCustomButton::Describe(Description& out) const {
  Window::Describe(out);
  out.Set("pressed", CurrentLook() == ButtonLook::kPressed);
}

ButtonLook CCustomButton::CurrentLook() const {
  // A running flash forces the pressed look, even over the disabled one.
  if (press_.flashing()) return ButtonLook::kPressed;
  if (!enabled()) return ButtonLook::kDisabled;
  return press_.LooksPressed() ? ButtonLook::kPressed : ButtonLook::kNormal;
}

void CCustomButton::OnPaint(Canvas& canvas) {
  const int w = width();
  const int h = height();
  if (w <= 0 || h <= 0) return;
  // Owners size their buttons before the first paint; a later resize gets a
  // new surface rather than a picture cut to the old size.
  if (!surface_ || surface_->size() != Size{w, h}) {
    surface_ = std::make_unique<Image>(w, h);
  }
  {
    Canvas surface(*surface_);
    PaintButton(surface, CurrentLook());
  }
  canvas.Blit(*surface_, ClientRect(), Point{0, 0});
  if (HasFocus()) {
    canvas.FrameRect(ClientRect(), palette::kFocus,
                     palette::FocusFrameWidth(Shell::Get().scale()));
  }
}

bool CCustomButton::OnKeyDown(Key key) {
  if (key != Key::kEnter) return false;
  SendCommandToParent(id());
  return true;
}

void CCustomButton::OnChar(char32_t ch) {
  if (ch == U' ') SendCommandToParent(id());
}

void CCustomButton::OnCovered() {
  surface_.reset();
  background_.Release();
}

void CCustomButton::PaintButton(Canvas& surface, ButtonLook look) {
  DefineButtonFont();
  background_.Draw(surface, width(), height());
  if (look == ButtonLook::kPressed) ShadeSkin(surface);
  const bool has_caption = !text().empty();
  const int text_left = has_icon_ ? DrawIcon(surface, look, has_caption) : 0;
  if (has_caption) DrawCaption(surface, look, text_left);
  if (overlay_) DrawOverlay(surface);
}

int CCustomButton::DrawIcon(Canvas& surface, ButtonLook look,
                            bool has_caption) {
  const Bitmap* icon = GetBitmap(icon_id_);
  if (icon == nullptr || !icon->loaded()) return 0;
  const int scale = Shell::Get().scale();
  const IconFrame frame = SelectIconFrame(icon->width(), icon_frame_count_,
                                          icon_index_, three_state_, look);
  const int dw = Scaled(scale, frame.width);
  const int dh = Scaled(scale, icon->height());
  const int alpha =
      look == ButtonLook::kDisabled ? kDisabledIconAlpha : kOpaque;
  // A 32-bit icon is blended with its own alpha too; otherwise its
  // transparent parts would come out as black boxes on the skin.
  const bool per_pixel = icon->bits_per_pixel() == 32;
  const Rect source =
      Rect::FromXYWH(frame.source_x, 0, frame.width, icon->height());
  const int x = has_caption ? Scaled(scale, kIconMargin) : (width() - dw) / 2;
  surface.Blend(icon->image(), source,
                Rect::FromXYWH(x, (height() - dh) / 2, dw, dh), alpha,
                per_pixel);
  return (frame.width + kIconMargin) * scale / 100;
}

void CCustomButton::DrawCaption(Canvas& surface, ButtonLook look,
                                int text_left) {
  const Font* font = GetFontTable().GetFont("Button");
  if (font == nullptr) return;
  const std::string& caption = text();
  const int th = surface.MeasureText(caption, *font).height;
  const int top = (height() - th) / 2;
  const Colour colour =
      look == ButtonLook::kDisabled ? palette::kDisabledText : palette::kText;
  surface.DrawText(caption, Rect{text_left, top, width(), top + th},
                   kTextCentre, *font, colour);
}

void CCustomButton::ShadeSkin(Canvas& surface) {
  static const std::unique_ptr<Image> kBlack = [] {
    auto pixel = std::make_unique<Image>(1, 1);
    Canvas(*pixel).FillRect(Rect{0, 0, 1, 1}, palette::kGround);
    return pixel;
  }();
  surface.Blend(*kBlack, Rect{0, 0, 1, 1}, ClientRect(), kPressedShade, false);
}

void CCustomButton::DrawOverlay(Canvas& surface) {
  const Image* overlay =
      GetScaledBitmap(pictures::kButtonOverlay, ClientRect().GetSize());
  if (overlay == nullptr) return;
  surface.Blend(*overlay, Rect{0, 0, overlay->width(), overlay->height()},
                ClientRect(), kOpaque, true);
}

void CCustomButton::StartPress(Point p, bool double_tap) {
  if (!enabled()) return;
  if (press_.Press(p, ClientRect(), double_tap, Shell::Get().Now())) {
    // Setting the timer again restarts it: a second press within the second
    // keeps the pressed look until a second after that press.
    SetTimer(ButtonPress::kFlashTimerId, ButtonPress::kFlashMs);
  }
  Invalidate();
}

void CCustomButton::OnPointerDown(Point p) { StartPress(p, false); }

void CCustomButton::OnDoubleTap(Point p) { StartPress(p, true); }

void CCustomButton::OnPointerMove(Point p) {
  if (press_.Move(p, ClientRect())) Invalidate();
}

void CCustomButton::OnPointerUp(Point p) {
  if (!press_.tracking()) return;
  const ButtonPress::Release release = press_.Up(p, ClientRect());
  Invalidate();
  // The parent may run a modal dialog from the command; nothing of this
  // button is touched after it.
  if (release == ButtonPress::Release::kClick) {
    SendCommandToParent(id());
  } else if (release == ButtonPress::Release::kDoubleTap) {
    SendDoubleTapCommandToParent(id());
  }
}

void CCustomButton::OnTimer(int timer_id) {
  if (timer_id != ButtonPress::kFlashTimerId) return;
  if (press_.FlashTimerFired(Shell::Get().Now())) {
    KillTimer(ButtonPress::kFlashTimerId);
    Invalidate();
  }
}

}  // namespace zorvanel
