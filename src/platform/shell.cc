// The shell: screen, modal stack, timers, input dispatch and painting.
#include "platform/shell.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/palette.h"
#include "platform/screen_size.h"
#include "platform/window.h"

namespace zorvanel {

namespace {

Shell* g_shell = nullptr;

// A shorter timer would keep the loop busy without showing anything more.
constexpr int kMinTimerIntervalMs = 10;

// Signed distance between two readings of a wrapping millisecond clock.
int32_t Elapsed(uint32_t later, uint32_t earlier) {
  return static_cast<int32_t>(later - earlier);
}

bool IsWithin(const Window* window, const Window* ancestor) {
  for (const Window* w = window; w != nullptr; w = w->parent()) {
    if (w == ancestor) return true;
  }
  return false;
}

bool EnabledAlongChain(const Window* window) {
  for (const Window* w = window; w != nullptr; w = w->parent()) {
    if (!w->enabled()) return false;
  }
  return true;
}

const Window* RootOf(const Window* window) {
  while (window->parent() != nullptr) window = window->parent();
  return window;
}

bool ShownAlongChain(const Window* window) {
  for (const Window* w = window; w != nullptr; w = w->parent()) {
    if (!w->visible()) return false;
  }
  return true;
}

// The windows Tab stops at, in the order of the tree.
void CollectTabStops(Window* window, std::vector<Window*>* out) {
  for (Window* child : window->children()) {
    if (child->TakesTabFocus() && ShownAlongChain(child) &&
        EnabledAlongChain(child)) {
      out->push_back(child);
    }
    CollectTabStops(child, out);
  }
}

Window* FindVisibleDescendant(Window* window, int id) {
  for (Window* child : window->children()) {
    if (!child->visible()) continue;
    if (child->id() == id) return child;
    if (Window* found = FindVisibleDescendant(child, id)) return found;
  }
  return nullptr;
}

}  // namespace

Shell::Shell(std::unique_ptr<Backend> backend)
    : backend_(std::move(backend)),
      screen_(backend_->ScreenSize()),
      scale_(DisplayScaleFor(screen_)),
      soft_key_bar_(screen_, scale_) {
  frame_ = std::make_unique<Image>(screen_.width, screen_.height);
  g_shell = this;
  backend_->Attach(this);
  last_frame_time_ = backend_->Now();
}

Shell::~Shell() {
  if (g_shell == this) g_shell = nullptr;
}

Shell& Shell::Get() {
  if (g_shell == nullptr) {
    std::fputs("zorvanel: the shell is used before it exists\n", stderr);
    std::abort();
  }
  return *g_shell;
}

bool Shell::Exists() { return g_shell != nullptr; }

Rect Shell::DialogArea() const {
  return Rect{0, 0, screen_.width, soft_key_bar_.top()};
}

// ---------------------------------------------------------------------------
// The modal stack

DialogResult Shell::RunModal(Dialog* dialog) {
  if (closing_ ||
      std::find(stack_.begin(), stack_.end(), dialog) != stack_.end()) {
    return DialogResult::kCancel;
  }
  dialog->running_ = true;
  if (Dialog* covered = TopDialog()) TellCovered(covered);
  ++modal_generation_;
  tooltip_.Hide();
  ModalFrame frame{dialog, focus_, false};
  // The dialog underneath keeps its focus for when this one leaves; nothing
  // of it takes keys or a pointer press meanwhile.
  SetFocus(nullptr);
  DropCapture();
  soft_key_bar_.set_pressed(std::nullopt);
  stack_.push_back(dialog);
  frames_.push_back(&frame);
  struct Leave {
    Shell* shell;
    ModalFrame* frame;
    ~Leave() { shell->EndModal(frame); }
  } leave{this, &frame};

  dialog->SetRect(dialog->PlaceIn(DialogArea(), scale_));
  paint_pending_ = true;
  dialog->OnInitDialog();
  // Re-checked after every step: a handler or a timer may end the dialog,
  // or even destroy it, at any point.
  while (!frame.destroyed && !dialog->ended()) {
    if (close_pending_ && stack_.size() == 1 && stack_.front() == dialog) {
      DeliverCloseRequest();
      continue;
    }
    PumpOnce();
  }
  return frame.destroyed ? DialogResult::kCancel : dialog->result();
}

void Shell::EndModal(ModalFrame* frame) {
  std::erase(frames_, frame);
  if (!frame->destroyed) {
    frame->dialog->running_ = false;
    std::erase(stack_, frame->dialog);
    if (capture_ != nullptr && IsWithin(capture_, frame->dialog)) DropCapture();
    if (focus_ == nullptr || IsWithin(focus_, frame->dialog)) {
      SetFocus(frame->saved_focus);
    }
  } else if (focus_ == nullptr) {
    SetFocus(frame->saved_focus);
  }
  soft_key_bar_.set_pressed(std::nullopt);
  ++modal_generation_;
  tooltip_.Hide();
  paint_pending_ = true;
  if (stack_.empty()) {
    closing_ = false;
    close_pending_ = false;
  }
}

Dialog* Shell::TopDialog() const {
  return stack_.empty() ? nullptr : stack_.back();
}

void Shell::RequestClose() {
  if (stack_.empty()) return;
  closing_ = true;
  for (size_t i = 1; i < stack_.size(); ++i) {
    stack_[i]->EndDialog(DialogResult::kCancel);
  }
  if (stack_.size() == 1) {
    DeliverCloseRequest();
  } else {
    // The bottom dialog hears it once the ones above have unwound.
    close_pending_ = true;
  }
}

void Shell::DeliverCloseRequest() {
  close_pending_ = false;
  Dialog* bottom = stack_.front();
  bottom->OnCloseRequest();
  // A bottom dialog that stays open keeps the program running normally.
  if (!bottom->ended()) closing_ = false;
}

// ---------------------------------------------------------------------------
// The loop

void Shell::PumpOnce() {
  if (paint_pending()) PaintFrame();
  InputEvent event;
  if (backend_->WaitEvent(MillisecondsToNextWork(), &event)) Dispatch(event);
  RunDueTimers();
}

void Shell::RunPendingWork() {
  RunDueTimers();
  if (paint_pending()) PaintFrame();
}

int Shell::MillisecondsToNextWork() {
  const uint32_t now = Now();
  int wait = -1;
  auto consider = [&wait](int ms) {
    ms = std::max(ms, 0);
    wait = wait < 0 ? ms : std::min(wait, ms);
  };
  for (const Timer& timer : timers_) consider(Elapsed(timer.due, now));
  if (const int due = tooltip_.MillisecondsToDue(now); due >= 0) consider(due);
  if (paint_pending()) {
    consider(kFrameIntervalMs - Elapsed(now, last_frame_time_));
  }
  return wait;
}

void Shell::RunDueTimers() {
  const uint32_t now = Now();
  std::vector<std::pair<Window*, int>> due;
  for (const Timer& timer : timers_) {
    if (Elapsed(now, timer.due) >= 0) due.emplace_back(timer.window, timer.id);
  }
  for (const auto& [window, id] : due) {
    // An earlier handler may have killed, restarted or destroyed it.
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) {
      return t.window == window && t.id == id;
    });
    if (it == timers_.end() || Elapsed(Now(), it->due) < 0) continue;
    // Repeats until killed, counted from when it fired.
    it->due = Now() + static_cast<uint32_t>(it->interval_ms);
    window->OnTimer(id);
  }
  if (tooltip_.ShowIfDue(Now())) paint_pending_ = true;
}

// ---------------------------------------------------------------------------
// Window services

void Shell::Invalidate(Window* window) {
  // Only the top dialog is on screen.
  const Dialog* top = TopDialog();
  if (top != nullptr && window != nullptr && RootOf(window) == top) {
    paint_pending_ = true;
  }
}

void Shell::InvalidateRect(Window* window, const Rect& screen_rect) {
  const Dialog* top = TopDialog();
  if (top == nullptr || window == nullptr || RootOf(window) != top) return;
  const Rect r = screen_rect.Intersect(Rect{0, 0, screen_.width, screen_.height});
  if (!r.IsEmpty()) dirty_.push_back(r);
}

void Shell::SetTimer(Window* window, int timer_id, int ms) {
  const int interval = std::max(ms, kMinTimerIntervalMs);
  const uint32_t due = Now() + static_cast<uint32_t>(interval);
  for (Timer& timer : timers_) {
    if (timer.window == window && timer.id == timer_id) {
      timer.interval_ms = interval;
      timer.due = due;
      return;
    }
  }
  timers_.push_back(Timer{window, timer_id, interval, due});
}

void Shell::KillTimer(Window* window, int timer_id) {
  std::erase_if(timers_, [&](const Timer& t) {
    return t.window == window && t.id == timer_id;
  });
}

void Shell::SetCapture(Window* window) {
  capture_ = window;
  implicit_capture_ = false;
}

void Shell::ReleaseCapture(Window* window) {
  if (capture_ == window) DropCapture();
}

void Shell::DropCapture() {
  capture_ = nullptr;
  implicit_capture_ = false;
}

void Shell::SetFocus(Window* window) {
  if (focus_ == window) return;
  Window* old = focus_;
  focus_ = window;
  if (old != nullptr) old->OnBlur();
  if (window != nullptr && focus_ == window) window->OnFocus();
}

void Shell::ShowKeyboard(bool show) {
  keyboard_shown_ = show;
  backend_->SetTextInput(show);
}

void Shell::Forget(Window* window) {
  tooltip_.Forget(window);
  std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
  if (capture_ == window) DropCapture();
  if (focus_ == window) {
    // It cannot hear OnBlur any more; the keyboard it asked for goes too.
    focus_ = nullptr;
    if (keyboard_shown_) ShowKeyboard(false);
  }
  for (ModalFrame* frame : frames_) {
    if (frame->saved_focus == window) frame->saved_focus = nullptr;
    if (frame->dialog == window && !frame->destroyed) {
      frame->destroyed = true;
      std::erase(stack_, frame->dialog);
    }
  }
}

// ---------------------------------------------------------------------------
// Input

void Shell::Dispatch(const InputEvent& event) {
  // Whatever else happens puts the tooltip away.
  if (event.type != InputEvent::Type::kPointerMove && tooltip_.Hide()) {
    paint_pending_ = true;
  }
  switch (event.type) {
    case InputEvent::Type::kPointerDown:
    case InputEvent::Type::kPointerMove:
    case InputEvent::Type::kPointerUp:
    case InputEvent::Type::kDoubleTap:
      DispatchPointer(event);
      break;
    case InputEvent::Type::kChar:
      if (Window* target = KeyboardTarget()) target->OnChar(event.ch);
      break;
    case InputEvent::Type::kKey: {
      key_modifiers_ = event.modifiers;
      struct Reset {
        int* modifiers;
        ~Reset() { *modifiers = 0; }
      } reset{&key_modifiers_};
      DispatchKey(event.key);
      break;
    }
    case InputEvent::Type::kSoftKey:
      PressSoftKey(event.soft_key);
      break;
    case InputEvent::Type::kClose:
      RequestClose();
      break;
    case InputEvent::Type::kWheel:
      DispatchWheel(event);
      break;
    case InputEvent::Type::kResize:
      Resize(event.size);
      break;
  }
}

void Shell::TellCovered(Window* window) {
  window->OnCovered();
  // By index: a handler may add or remove children.
  for (size_t i = 0; i < window->children().size(); ++i) {
    TellCovered(window->children()[i]);
  }
}

bool Shell::StrayPointerEvent(const InputEvent& event) {
  switch (event.type) {
    case InputEvent::Type::kPointerDown:
      press_generation_ = modal_generation_;
      stray_gesture_ = false;
      return false;
    case InputEvent::Type::kDoubleTap:
      // The first click ended its dialog or opened another: the second
      // would act on a dialog the user never clicked in.
      stray_gesture_ = press_generation_ != modal_generation_;
      press_generation_ = modal_generation_;
      return stray_gesture_;
    case InputEvent::Type::kPointerUp:
      if (press_generation_ != modal_generation_) stray_gesture_ = true;
      if (!stray_gesture_) return false;
      stray_gesture_ = false;
      DropCapture();
      soft_key_bar_.set_pressed(std::nullopt);
      paint_pending_ = true;
      return true;
    default:
      return stray_gesture_ || press_generation_ != modal_generation_;
  }
}

void Shell::DispatchWheel(const InputEvent& event) {
  if (soft_key_bar_.Contains(event.point) || event.wheel == 0) return;
  for (Window* w = WindowAt(event.point); w != nullptr; w = w->parent()) {
    if (!EnabledAlongChain(w)) continue;
    if (w->OnWheel(w->ToClient(event.point), event.wheel)) return;
  }
}

void Shell::DispatchPointer(const InputEvent& event) {
  const Point p = event.point;
  if (event.type == InputEvent::Type::kPointerMove && capture_ == nullptr &&
      !soft_key_bar_.pressed()) {
    // No button held: the mouse only hovers, whatever the last press was.
    Window* under = soft_key_bar_.Contains(p) ? nullptr : WindowAt(p);
    if (tooltip_.Hover(under, p, Now())) paint_pending_ = true;
    return;
  }
  if (StrayPointerEvent(event)) return;
  switch (event.type) {
    case InputEvent::Type::kPointerDown:
    case InputEvent::Type::kDoubleTap: {
      if (soft_key_bar_.Contains(p)) {
        const SoftKeySide side = soft_key_bar_.SideAt(p);
        if (SoftKeyLabelled(side)) {
          soft_key_bar_.set_pressed(side);
          paint_pending_ = true;
        }
        return;
      }
      const bool explicit_capture = capture_ != nullptr && !implicit_capture_;
      Window* target = explicit_capture ? capture_ : WindowAt(p);
      if (target == nullptr || !EnabledAlongChain(target)) return;
      if (!explicit_capture) {
        capture_ = target;
        implicit_capture_ = true;
      }
      const Point client = target->ToClient(p);
      if (event.type == InputEvent::Type::kDoubleTap) {
        target->OnDoubleTap(client);
      } else {
        target->OnPointerDown(client);
      }
      return;
    }
    case InputEvent::Type::kPointerMove:
      if (capture_ != nullptr) capture_->OnPointerMove(capture_->ToClient(p));
      return;
    case InputEvent::Type::kPointerUp: {
      if (const std::optional<SoftKeySide> side = soft_key_bar_.pressed()) {
        // The key counts when the finger leaves it where it went down.
        soft_key_bar_.set_pressed(std::nullopt);
        paint_pending_ = true;
        if (soft_key_bar_.Contains(p) && soft_key_bar_.SideAt(p) == *side) {
          PressSoftKey(*side);
        }
        return;
      }
      Window* target = capture_;
      if (target == nullptr) return;
      if (implicit_capture_) DropCapture();
      target->OnPointerUp(target->ToClient(p));
      return;
    }
    default:
      return;
  }
}

Window* Shell::KeyboardTarget() const {
  const Dialog* top = TopDialog();
  if (top == nullptr || focus_ == nullptr || !IsWithin(focus_, top) ||
      !EnabledAlongChain(focus_)) {
    return nullptr;
  }
  return focus_;
}

void Shell::DispatchKey(Key key) {
  Dialog* top = TopDialog();
  if (top == nullptr) return;
  switch (key) {
    case Key::kF1:
      PressSoftKey(SoftKeySide::kLeft);
      return;
    case Key::kF2:
      PressSoftKey(SoftKeySide::kRight);
      return;
    case Key::kEnter:
      // A focused control that answers Enter (a button) takes it first.
      if (Window* target = KeyboardTarget(); target && target->OnKeyDown(key)) {
        return;
      }
      top->OnEnterKey();
      return;
    case Key::kEscape:
      top->OnEscapeKey();
      return;
    case Key::kTab: {
      const int step = (key_modifiers_ & kModShift) != 0 ? -1 : 1;
      if (MoveTabFocus(step)) return;
      // A screen that draws its fields itself (the wheels) moves its own
      // focus with the arrows: Tab steps like Down, Shift+Tab like Up.
      if (Window* target = KeyboardTarget()) {
        target->OnKeyDown(step > 0 ? Key::kDown : Key::kUp);
      }
      return;
    }
    case Key::kBackspace:
      if (Window* target = KeyboardTarget()) {
        if (!target->OnKeyDown(key)) target->OnChar(U'\b');
      }
      return;
    default: {
      Window* target = KeyboardTarget();
      if (target != nullptr && target->OnKeyDown(key)) return;
      // The arrows the focused control leaves alone move the focus on.
      if (key == Key::kUp || key == Key::kLeft) MoveTabFocus(-1);
      if (key == Key::kDown || key == Key::kRight) MoveTabFocus(1);
      return;
    }
  }
}

bool Shell::MoveTabFocus(int step) {
  std::vector<Window*> stops;
  CollectTabStops(TopDialog(), &stops);
  if (stops.empty()) return false;
  const auto current = std::find(stops.begin(), stops.end(), focus_);
  const int count = static_cast<int>(stops.size());
  int next = step > 0 ? 0 : count - 1;
  if (current != stops.end()) {
    next = (static_cast<int>(current - stops.begin()) + step + count) % count;
  }
  SetFocus(stops[next]);
  return true;
}

bool Shell::SoftKeyLabelled(SoftKeySide side) const {
  const Dialog* top = TopDialog();
  return top != nullptr && !top->soft_keys().text(side).empty();
}

void Shell::PressSoftKey(SoftKeySide side) {
  // A half without a label is not a key: it never reacts.
  if (!SoftKeyLabelled(side)) return;
  Dialog* top = TopDialog();
  const int command = top->soft_keys().command(side);
  if (command != 0) top->OnCommand(command);
}

Window* Shell::WindowAt(Point screen) const {
  Dialog* top = TopDialog();
  if (top == nullptr || !top->visible() || !top->rect().Contains(screen)) {
    return nullptr;
  }
  Window* window = top;
  Point local{screen.x - top->rect().left, screen.y - top->rect().top};
  while (true) {
    Window* hit = nullptr;
    const std::vector<Window*>& children = window->children();
    // Later children are painted over earlier ones, so they win.
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      if ((*it)->visible() && (*it)->rect().Contains(local)) {
        hit = *it;
        break;
      }
    }
    if (hit == nullptr) return window;
    local = Point{local.x - hit->rect().left, local.y - hit->rect().top};
    window = hit;
  }
}

Window* Shell::FindControl(int id) const {
  Dialog* top = TopDialog();
  if (top == nullptr || !top->visible()) return nullptr;
  return FindVisibleDescendant(top, id);
}

// ---------------------------------------------------------------------------
// Size

void Shell::Resize(Size screen) {
  screen = ClampedScreenSize(screen);
  if (screen == screen_) return;
  screen_ = screen;
  scale_ = fixed_scale_.value_or(DisplayScaleFor(screen_));
  soft_key_bar_.Resize(screen_, scale_);
  frame_ = std::make_unique<Image>(screen_.width, screen_.height);
  // A press began on what is no longer where it was.
  DropCapture();
  stray_gesture_ = true;
  if (on_resize_) on_resize_();
  // By index: a dialog may open or end another while placing its controls.
  for (size_t i = 0; i < stack_.size(); ++i) {
    Dialog* dialog = stack_[i];
    dialog->SetRect(dialog->PlaceIn(DialogArea(), scale_));
    dialog->OnScreenResized();
  }
  paint_pending_ = true;
}

void Shell::ResizeKeepingScale(Size screen) {
  fixed_scale_ = scale_;
  Resize(screen);
}

// ---------------------------------------------------------------------------
// Painting

void Shell::PaintFrame() {
  std::vector<Rect> changed;
  changed.swap(dirty_);
  const bool whole = paint_pending_;
  paint_pending_ = false;
  last_frame_time_ = Now();
  Canvas canvas(*frame_);
  if (whole) {
    PaintScreen(canvas);
    backend_->Present(*frame_);
    return;
  }
  for (const Rect& r : changed) {
    Canvas::ScopedState state(canvas);
    canvas.ClipTo(r);
    PaintScreen(canvas);
  }
  backend_->PresentChanged(*frame_, changed);
}

void Shell::PaintScreen(Canvas& canvas) {
  Dialog* top = TopDialog();
  const Rect area = DialogArea();
  if (top == nullptr || !top->visible() ||
      top->rect().Intersect(area) != area) {
    canvas.FillRect(area, palette::kGround);
  }
  if (top != nullptr) {
    Canvas::ScopedState state(canvas);
    canvas.ClipTo(area);
    PaintWindow(top, canvas);
  }
  soft_key_bar_.Paint(canvas, top != nullptr ? &top->soft_keys() : nullptr);
  tooltip_.Paint(canvas, screen_, scale_);
}

void Shell::PaintWindow(Window* window, Canvas& canvas) {
  if (!window->visible()) return;
  Canvas::ScopedState state(canvas);
  canvas.Translate(window->rect().left, window->rect().top);
  canvas.ClipTo(window->ClientRect());
  if (canvas.clip().IsEmpty()) return;
  window->OnPaint(canvas);
  // By index: a paint handler may add or remove children.
  for (size_t i = 0; i < window->children().size(); ++i) {
    PaintWindow(window->children()[i], canvas);
  }
}

}  // namespace zorvanel
