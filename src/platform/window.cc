// The window tree: a node, its place, its text and its event hooks.
#include "platform/window.h"

#include "platform/shell.h"

namespace zorvanel {

Window::Window() = default;

Window::~Window() {
  if (parent_ != nullptr) parent_->RemoveChild(this);
  for (Window* child : children_) child->parent_ = nullptr;
  children_.clear();
  if (Shell::Exists()) Shell::Get().Forget(this);
}

void Window::Create(Window* parent, int id, const Rect& rect) {
  if (parent_ != nullptr) parent_->RemoveChild(this);
  id_ = id;
  rect_ = rect;
  if (parent != nullptr) parent->AddChild(this);
  Invalidate();
}

void Window::SetRect(const Rect& r) {
  if (rect_ == r) return;
  const bool resized = rect_.GetSize() != r.GetSize();
  rect_ = r;
  Invalidate();
  if (resized) OnSize();
}

Rect Window::ScreenRect() const {
  Rect r = rect_;
  for (const Window* p = parent_; p != nullptr; p = p->parent_) {
    r = r.Offset(p->rect_.left, p->rect_.top);
  }
  return r;
}

Point Window::ToClient(Point screen) const {
  const Rect r = ScreenRect();
  return Point{screen.x - r.left, screen.y - r.top};
}

void Window::Show(bool show) {
  if (visible_ == show) return;
  visible_ = show;
  Invalidate();
}

void Window::Enable(bool enable) {
  if (enabled_ == enable) return;
  enabled_ = enable;
  Invalidate();
}

void Window::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Invalidate();
}

void Window::Invalidate() {
  if (Shell::Exists()) Shell::Get().Invalidate(this);
}

void Window::InvalidateRect(const Rect& r) {
  const Rect screen = ScreenRect();
  if (Shell::Exists()) {
    Shell::Get().InvalidateRect(this, r.Offset(screen.left, screen.top));
  }
}

void Window::SetTimer(int timer_id, int ms) {
  if (Shell::Exists()) Shell::Get().SetTimer(this, timer_id, ms);
}

void Window::KillTimer(int timer_id) {
  if (Shell::Exists()) Shell::Get().KillTimer(this, timer_id);
}

void Window::SetCapture() {
  if (Shell::Exists()) Shell::Get().SetCapture(this);
}

void Window::ReleaseCapture() {
  if (Shell::Exists()) Shell::Get().ReleaseCapture(this);
}

void Window::SetFocus() {
  if (Shell::Exists()) Shell::Get().SetFocus(this);
}

bool Window::HasFocus() const {
  return Shell::Exists() && Shell::Get().focus() == this;
}

void Window::SendCommandToParent(int command_id) {
  if (parent_ != nullptr) parent_->OnCommand(command_id);
}

void Window::SendDoubleTapCommandToParent(int command_id) {
  if (parent_ != nullptr) parent_->OnDoubleTapCommand(command_id);
}

void Window::Describe(Description& out) const {
  bool shown = true;
  for (const Window* w = this; w != nullptr; w = w->parent_) {
    shown = shown && w->visible_;
  }
  out.Set("id", id_);
  out.Set("kind", Kind());
  out.Set("rect", RectValue(ScreenRect()));
  out.Set("visible", shown);
  out.Set("enabled", enabled_);
  out.Set("focused", HasFocus());
  out.Set("text", text_);
}

void Window::AddChild(Window* child) {
  child->parent_ = this;
  children_.push_back(child);
}

void Window::RemoveChild(Window* child) {
  std::erase(children_, child);
  child->parent_ = nullptr;
}

}  // namespace zorvanel
