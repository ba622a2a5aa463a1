// The window tree: a node, its place, its text and its event hooks.
#ifndef ZORVANEL_PLATFORM_WINDOW_H_
#define ZORVANEL_PLATFORM_WINDOW_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/description.h"
#include "platform/geometry.h"

namespace zorvanel {

class Canvas;

enum class Key {
  kLeft,
  kRight,
  kUp,
  kDown,
  kBackspace,
  kDelete,
  kEnter,
  kEscape,
  kF1,
  kF2,
  kPageUp,
  kPageDown,
  kHome,
  kEnd,
  kTab,
  // The A key, reported only with Ctrl held: plain letters arrive as
  // characters.
  kA,
};

// The two keys of the soft-key bar.
enum class SoftKeySide { kLeft, kRight };

// Modifier keys held with a key (bit flags).
inline constexpr int kModShift = 1;
inline constexpr int kModCtrl = 2;

// A node of the window tree. Rectangles are in the parent's client
// coordinates; every handler gets points in the window's own client
// coordinates. Windows do not own each other: a dialog owns its controls as
// members and the tree holds plain pointers. Destroying a window detaches it
// from its parent and children and makes the shell forget it (timers,
// capture, focus).
class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Places the window under `parent` (null for a top-level dialog).
  void Create(Window* parent, int id, const Rect& rect);

  int id() const { return id_; }
  Window* parent() const { return parent_; }
  const std::vector<Window*>& children() const { return children_; }

  const Rect& rect() const { return rect_; }
  void SetRect(const Rect& r);
  int width() const { return rect_.Width(); }
  int height() const { return rect_.Height(); }
  Rect ClientRect() const { return Rect{0, 0, width(), height()}; }
  Rect ScreenRect() const;  // rectangle in screen pixels
  Point ToClient(Point screen) const;

  bool visible() const { return visible_; }
  void Show(bool show);
  bool enabled() const { return enabled_; }
  void Enable(bool enable);

  const std::string& text() const { return text_; }
  void SetText(const std::string& text);  // repaints on a change

  // Services of the shell on behalf of this window.
  void Invalidate();
  // Repaints only `r` (client pixels) at the next frame, when nothing asks
  // for the whole screen meanwhile.
  void InvalidateRect(const Rect& r);
  void SetTimer(int timer_id, int ms);
  void KillTimer(int timer_id);
  void SetCapture();
  void ReleaseCapture();
  void SetFocus();
  bool HasFocus() const;

  // Sends a command to the parent, as a button does when tapped.
  void SendCommandToParent(int command_id);
  void SendDoubleTapCommandToParent(int command_id);

  // What the window tells about itself to whoever looks into the running
  // program. The kind of control: "window", "button", "edit", "label",
  // "list", ...
  virtual std::string Kind() const { return "window"; }
  // Fills "id", "kind", "rect" (in screen pixels), "visible", "enabled",
  // "focused" and "text"; subclasses may add fields.
  virtual void Describe(Description& out) const;
  // Lets a window add top-level entries to the description of its dialog
  // ("rows" for a list, "main" for the main screen).
  virtual void AddToDump(Description& /*dump*/) const {}
  // Scrolls row `index` into view and returns its centre in client
  // coordinates, for a tap on it; windows that are not lists return nothing.
  virtual std::optional<Point> RevealRow(int /*index*/) { return std::nullopt; }
  // The name of the window's action, shown when the mouse rests on it;
  // empty for none.
  virtual std::string Tooltip() const { return std::string(); }
  // Whether Tab and Shift+Tab stop here (text fields do).
  virtual bool TakesTabFocus() const { return false; }

  // Command a button sends: public so a dialog can be driven directly.
  virtual void OnCommand(int /*command_id*/) {}

 protected:
  friend class Shell;

  // Hooks. Protected virtuals with empty defaults; the shell is the one
  // dispatcher that calls them.
  virtual void OnPaint(Canvas& /*canvas*/) {}
  virtual void OnPointerDown(Point /*p*/) {}
  virtual void OnPointerMove(Point /*p*/) {}
  virtual void OnPointerUp(Point /*p*/) {}
  // The second press of a double tap, in place of OnPointerDown. The default
  // treats it as a press.
  virtual void OnDoubleTap(Point p) { OnPointerDown(p); }
  virtual void OnChar(char32_t /*ch*/) {}
  // True when the key was used.
  virtual bool OnKeyDown(Key /*key*/) { return false; }
  // The mouse wheel turned over the window by `rows` notches (positive:
  // toward the end of the content). True when the window used it; else the
  // shell offers it to the parent.
  virtual bool OnWheel(Point /*p*/, int /*rows*/) { return false; }
  // Another dialog opened over the one this window belongs to: nothing of
  // it is painted or hears the pointer until that dialog ends. A window
  // frees here what it only keeps to paint faster (pictures as large as
  // itself), and makes it again at its next paint.
  virtual void OnCovered() {}
  // SetRect changed the window's size.
  virtual void OnSize() {}
  virtual void OnTimer(int /*timer_id*/) {}
  virtual void OnFocus() {}
  virtual void OnBlur() {}
  // A child button was double tapped (after the click of its first tap).
  virtual void OnDoubleTapCommand(int /*command_id*/) {}

 private:
  void AddChild(Window* child);
  void RemoveChild(Window* child);

  int id_ = 0;
  Window* parent_ = nullptr;
  std::vector<Window*> children_;
  Rect rect_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_WINDOW_H_
