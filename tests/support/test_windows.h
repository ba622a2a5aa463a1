// Windows for tests: one that logs every hook call, a configurable dialog.
#ifndef ZORVANEL_TESTS_SUPPORT_TEST_WINDOWS_H_
#define ZORVANEL_TESTS_SUPPORT_TEST_WINDOWS_H_

#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/image.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace zorvanel::testing {

// A window that writes every hook call into a shared log, e.g.
// "btn down 3,4".
class LogWindow : public Window {
 public:
  LogWindow(std::string name, std::vector<std::string>* log)
      : name_(std::move(name)), log_(log) {}

  std::function<void(Canvas&)> paint;
  bool use_keys = false;
  bool tab_stop = false;
  bool use_wheel = false;
  std::string kind = "window";

  std::string Kind() const override { return kind; }
  bool TakesTabFocus() const override { return tab_stop; }
  void OnCommand(int id) override { Log("command " + std::to_string(id)); }

 protected:
  void OnPaint(Canvas& canvas) override {
    if (paint) paint(canvas);
  }
  void OnPointerDown(Point p) override { Log("down", p); }
  void OnPointerMove(Point p) override { Log("move", p); }
  void OnPointerUp(Point p) override { Log("up", p); }
  void OnDoubleTap(Point p) override { Log("dbl", p); }
  void OnChar(char32_t ch) override {
    Log("char " + std::to_string(static_cast<uint32_t>(ch)));
  }
  bool OnKeyDown(Key key) override {
    const int modifiers = Shell::Get().key_modifiers();
    Log("key " + std::to_string(static_cast<int>(key)) +
        (modifiers != 0 ? "+" + std::to_string(modifiers) : ""));
    return use_keys;
  }
  bool OnWheel(Point p, int rows) override {
    Log("wheel " + std::to_string(rows), p);
    return use_wheel;
  }
  void OnCovered() override { Log("covered"); }
  void OnTimer(int id) override { Log("timer " + std::to_string(id)); }
  void OnFocus() override { Log("focus"); }
  void OnBlur() override { Log("blur"); }

 private:
  void Log(const std::string& what) {
    if (log_ != nullptr) log_->push_back(name_ + " " + what);
  }
  void Log(const std::string& what, Point p) {
    Log(what + " " + std::to_string(p.x) + "," + std::to_string(p.y));
  }

  std::string name_;
  std::vector<std::string>* log_;
};

// A dialog whose initialisation, commands and timers are set by the test.
class TestDialog : public Dialog {
 public:
  std::function<void(TestDialog&)> on_init;
  std::function<void(TestDialog&, int)> on_timer;
  std::vector<int> commands;
  int close_requests = 0;
  bool escape_cancels = true;

  std::string ClassName() const override { return "TestDialog"; }
  std::string Title() const override { return "Test title"; }
  void OnEscapeKey() override {
    if (escape_cancels) Dialog::OnEscapeKey();
  }
  void OnCommand(int id) override {
    commands.push_back(id);
    Dialog::OnCommand(id);
  }
  void OnCloseRequest() override {
    ++close_requests;
    Dialog::OnCloseRequest();
  }

 protected:
  void OnInitDialog() override {
    if (on_init) on_init(*this);
  }
  void OnTimer(int id) override {
    if (on_timer) on_timer(*this, id);
  }
};

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_TEST_WINDOWS_H_
