// The program's push button: skin, optional icon, caption and gloss.
#ifndef ZORVANEL_CONTROLS_CUSTOM_BUTTON_H_
#define ZORVANEL_CONTROLS_CUSTOM_BUTTON_H_

#include <memory>
#include <string>

#include "controls/button_press.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/window.h"
#include "skins/bitmap_background.h"
#include "skins/picture_ids.h"

namespace zorvanel {

class Canvas;

// The look a button is drawn with.
enum class ButtonLook { kNormal, kDisabled, kPressed };

// The part of an icon bitmap a button draws: x of the frame in the bitmap
// and the frame's width.
struct IconFrame {
  int source_x = 0;
  int width = 0;
};

// Picks the frame of an icon bitmap `bitmap_width` wide: frame `index` of a
// strip of `frame_count` equal frames, and for a three-state icon (normal,
// disabled, pressed side by side) the frame of the look.
IconFrame SelectIconFrame(int bitmap_width, int frame_count, int index,
                          bool three_state, ButtonLook look);

// A push button drawn by the program: a stretchable skin, an optional icon
// from a bitmap (strip), the window text as caption in the "Button" font, and
// an optional glossy overlay. A tap sends the button's id to its parent.
class CCustomButton : public Window {
 public:
  CCustomButton();
  ~CCustomButton() override;

  std::string Kind() const override { return "button"; }
  // Adds "pressed": whether the button shows its pressed look.
  void Describe(Description& out) const override;

  // An icon bitmap; a three-state one holds normal, disabled and pressed
  // frames side by side.
  void SetIcon(int bitmap_id, bool three_state);
  // An icon that is frame `index` of a strip of `frame_count` equal frames.
  void SetIconStrip(int bitmap_id, int index, int frame_count);
  // The nine-slice skin under everything (pictures::kButtonSkin unless
  // changed).
  void SetBackgroundBitmap(int bitmap_id);

  // A press keeps the pressed look for a second (off by default).
  void set_flash_on_press(bool on) { press_.set_flash_on_press(on); }
  // pictures::kButtonOverlay blended over the finished button (on by
  // default).
  void set_overlay(bool on) { overlay_ = on; }
  bool overlay() const { return overlay_; }

  // The name of the action of a button without a caption, for its tooltip.
  void set_tooltip(const std::string& tooltip) { tooltip_ = tooltip; }
  std::string Tooltip() const override { return tooltip_; }

  // Tab, Shift+Tab and the arrow keys stop at buttons; Enter and Space
  // press the focused one.
  bool TakesTabFocus() const override { return true; }

  // The look the next paint uses.
  ButtonLook CurrentLook() const;

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnPointerDown(Point p) override;
  void OnDoubleTap(Point p) override;
  void OnPointerMove(Point p) override;
  void OnPointerUp(Point p) override;
  void OnTimer(int timer_id) override;
  bool OnKeyDown(Key key) override;
  void OnChar(char32_t ch) override;
  void OnFocus() override { Invalidate(); }
  void OnBlur() override { Invalidate(); }
  // Frees the surface and the built skin.
  void OnCovered() override;

 private:
  void StartPress(Point p, bool double_tap);
  void PaintButton(Canvas& surface, ButtonLook look);
  // Draws the icon and returns where the caption's area starts.
  int DrawIcon(Canvas& surface, ButtonLook look, bool has_caption);
  void DrawCaption(Canvas& surface, ButtonLook look, int text_left);
  // Darkens the skin for the pressed look.
  void ShadeSkin(Canvas& surface);
  void DrawOverlay(Canvas& surface);

  bool has_icon_ = false;
  bool three_state_ = false;
  int icon_id_ = 0;
  int icon_index_ = 0;
  int icon_frame_count_ = 1;
  bool overlay_ = true;
  std::string tooltip_;
  CBitmapBackground background_{pictures::kButtonSkin};
  ButtonPress press_;
  // The button is drawn here and copied to the screen in one piece.
  std::unique_ptr<Image> surface_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_CONTROLS_CUSTOM_BUTTON_H_
