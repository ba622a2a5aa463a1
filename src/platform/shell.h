// The shell: screen, modal stack, timers, input dispatch and painting.
#ifndef ZORVANEL_PLATFORM_SHELL_H_
#define ZORVANEL_PLATFORM_SHELL_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/soft_key_bar.h"
#include "platform/tooltip.h"

namespace zorvanel {

class Dialog;
enum class DialogResult;
class Window;

// The time between two frames of a repaint chain (a fling, a glide).
inline constexpr int kFrameIntervalMs = 16;

// The one process-wide platform object: screen, modal stack, timers, clock,
// capture, focus, on-screen keyboard, painting, and the soft-key bar under
// the dialogs. Exactly one exists at a time; windows reach it through
// Shell::Get().
class Shell {
 public:
  explicit Shell(std::unique_ptr<Backend> backend);
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  static Shell& Get();
  static bool Exists();

  Backend& backend() { return *backend_; }
  Size screen() const { return screen_; }
  // Display scale in percent, from the screen size.
  int scale() const { return scale_; }
  // 52 * S / 100 pixels along the bottom of the screen.
  int soft_key_bar_height() const { return soft_key_bar_.height(); }
  // The screen above the soft-key bar: where every dialog lives.
  Rect DialogArea() const;
  uint32_t Now() { return backend_->Now(); }

  // Modal stack. RunModal is called by Dialog::RunModal.
  DialogResult RunModal(Dialog* dialog);
  Dialog* TopDialog() const;
  const std::vector<Dialog*>& modal_stack() const { return stack_; }

  // Services behind the Window methods of the same names.
  void Invalidate(Window* window);
  void InvalidateRect(Window* window, const Rect& screen_rect);
  void SetTimer(Window* window, int timer_id, int ms);
  void KillTimer(Window* window, int timer_id);
  void SetCapture(Window* window);
  void ReleaseCapture(Window* window);
  Window* capture() const { return capture_; }
  void SetFocus(Window* window);
  Window* focus() const { return focus_; }
  // The modifier keys (kModShift, kModCtrl) held with the key being
  // handled; 0 outside a key event.
  int key_modifiers() const { return key_modifiers_; }
  void ShowKeyboard(bool show);
  bool keyboard_shown() const { return keyboard_shown_; }
  // A window is going away: drop every reference to it.
  void Forget(Window* window);

  // Input, in screen coordinates. Public so tests and the driver can feed
  // events without a backend.
  void Dispatch(const InputEvent& event);
  void PressSoftKey(SoftKeySide side);
  // The desktop window's close request: every dialog above the bottom one
  // ends with cancel, the bottom one gets OnCloseRequest.
  void RequestClose();
  bool closing() const { return closing_; }

  // The tooltip of the control the mouse rests on.
  const Tooltip& tooltip() const { return tooltip_; }

  // The deepest visible window of the top dialog under a screen point.
  Window* WindowAt(Point screen) const;
  // First visible descendant of the top dialog with that id.
  Window* FindControl(int id) const;

  // Painting: one frame for the top dialog and the bar, presented once.
  bool paint_pending() const { return paint_pending_ || !dirty_.empty(); }
  // Paints what is due: the whole screen, or only the rectangles asked for
  // since the last frame (the rest of the frame stays as it was).
  void PaintFrame();
  const Image& frame() const { return *frame_; }

  // Runs due timers and a pending paint once, without waiting: one step of
  // the modal loop. Tests call it to let the program settle.
  void RunPendingWork();

  // The screen (the window's inside) changed size: the scale and the
  // soft-key bar follow it, `on_resize` runs, then every dialog on the stack
  // covers the new dialog area and places its controls again, bottom first.
  // A gesture under way ends. Sizes outside the accepted ones are held
  // inside them.
  void Resize(Size screen);
  // Resize, with the display scale kept at what it is now, then and at
  // every later size: a notice in a window of its own size is drawn as
  // large as the program's screens would have been.
  void ResizeKeepingScale(Size screen);
  // What has to follow the scale beyond the platform (the fonts).
  void set_on_resize(std::function<void()> on_resize) {
    on_resize_ = std::move(on_resize);
  }

 private:
  struct Timer {
    Window* window;
    int id;
    int interval_ms;
    uint32_t due;
  };
  // One running RunModal: lets the loop notice its dialog being destroyed
  // and gives the focus back to where it was when the dialog leaves.
  struct ModalFrame {
    Dialog* dialog;
    Window* saved_focus;
    bool destroyed;
  };

  void EndModal(ModalFrame* frame);
  void DropCapture();
  void DeliverCloseRequest();
  // The focused window when it belongs to the top dialog and is enabled.
  Window* KeyboardTarget() const;
  // Whether that half of the bar shows a label (only then is it a key).
  bool SoftKeyLabelled(SoftKeySide side) const;
  void PumpOnce();
  int MillisecondsToNextWork();
  void RunDueTimers();
  void DispatchPointer(const InputEvent& event);
  // A gesture belongs to the dialog it began in: true when this event
  // belongs to one that has since ended or been covered, or is the second
  // press of a double tap whose first press went to such a dialog.
  bool StrayPointerEvent(const InputEvent& event);
  void DispatchWheel(const InputEvent& event);
  void DispatchKey(Key key);
  // Tab and Shift+Tab: the focus goes to the next (step 1) or previous
  // (step -1) field of the top dialog that takes it, round the end. False
  // when the dialog has none.
  bool MoveTabFocus(int step);
  void TellCovered(Window* window);
  // The top dialog, the bar and the tooltip, inside the canvas's clip.
  void PaintScreen(Canvas& canvas);
  void PaintWindow(Window* window, Canvas& canvas);

  std::unique_ptr<Backend> backend_;
  Size screen_;
  int scale_;
  std::optional<int> fixed_scale_;  // set by ResizeKeepingScale
  SoftKeyBar soft_key_bar_;
  std::vector<Dialog*> stack_;
  std::vector<Timer> timers_;
  Window* capture_ = nullptr;
  bool implicit_capture_ = false;
  Window* focus_ = nullptr;
  bool keyboard_shown_ = false;
  int key_modifiers_ = 0;
  // The whole screen is due; else dirty_ says which parts are.
  bool paint_pending_ = true;
  std::vector<Rect> dirty_;
  bool closing_ = false;
  bool close_pending_ = false;  // the bottom dialog still has to hear it
  std::vector<ModalFrame*> frames_;
  uint32_t last_frame_time_ = 0;
  // Counts changes of the top dialog; a press remembers the count it began
  // under.
  uint64_t modal_generation_ = 0;
  uint64_t press_generation_ = 0;
  bool stray_gesture_ = false;
  std::unique_ptr<Image> frame_;
  std::function<void()> on_resize_;
  Tooltip tooltip_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_PLATFORM_SHELL_H_
