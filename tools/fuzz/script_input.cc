// Fuzz input as a driver script, run against a small dialog of controls.
#include <algorithm>
#include <optional>
#include <sstream>
#include <string>

#include "drive/driver.h"
#include "fuzz_harness.h"
#include "platform/canvas.h"
#include "platform/dialog.h"

namespace zorvanel::fuzz {
namespace {

constexpr int kListId = 100;
constexpr int kButtonId = 101;
constexpr int kEditId = 102;
constexpr int kRowCount = 40;
constexpr int kRowHeight = 20;
// A quarter of the reference screen: every frame is painted (and, in the fuzz
// build, every pixel loop traced), so a small screen buys many more inputs.
constexpr Size kScreen{120, 160};
constexpr int kTimerId = 7;

// A list as the driver sees one: rows it can scroll into view and tap, and
// a drag that scrolls. Drawn as plain fills: fonts would cost more than the
// script reading being tested.
class ListStub : public Window {
 public:
  std::string Kind() const override { return "list"; }
  std::optional<Point> RevealRow(int index) override {
    if (index < 0 || index >= kRowCount) return std::nullopt;
    const int top = index * kRowHeight;
    if (top < offset_) offset_ = top;
    if (top + kRowHeight > offset_ + height()) {
      offset_ = top + kRowHeight - height();
    }
    Invalidate();
    return Point{width() / 2, top - offset_ + kRowHeight / 2};
  }

 protected:
  void OnPaint(Canvas& canvas) override {
    for (int row = 0; row < kRowCount; ++row) {
      const int top = row * kRowHeight - offset_;
      if (top + kRowHeight < 0 || top > height()) continue;
      canvas.FillRect(Rect::FromXYWH(0, top, width(), kRowHeight - 1),
                      row == selected_ ? Rgb(0, 0, 200) : Rgb(40, 40, 40));
    }
  }
  void OnPointerDown(Point p) override {
    SetCapture();
    last_y_ = p.y;
  }
  void OnPointerMove(Point p) override {
    offset_ = std::clamp(offset_ - (p.y - last_y_), 0,
                         std::max(0, kRowCount * kRowHeight - height()));
    last_y_ = p.y;
    Invalidate();
  }
  void OnPointerUp(Point p) override {
    ReleaseCapture();
    selected_ = (p.y + offset_) / kRowHeight;
    Invalidate();
  }

 private:
  int offset_ = 0;
  int last_y_ = 0;
  int selected_ = -1;
};

// A button: a tap inside sends its command.
class ButtonStub : public Window {
 public:
  std::string Kind() const override { return "button"; }

 protected:
  void OnPointerUp(Point p) override {
    if (ClientRect().Contains(p)) SendCommandToParent(id());
  }
};

// A text field: takes the focus when tapped, keeps what is typed.
class EditStub : public Window {
 public:
  std::string Kind() const override { return "edit"; }

 protected:
  void OnPointerDown(Point /*p*/) override { SetFocus(); }
  void OnChar(char32_t ch) override {
    if (ch < 0x80) SetText(text() + static_cast<char>(ch));
  }
  bool OnKeyDown(Key key) override {
    if (key != Key::kBackspace || text().empty()) return false;
    std::string shorter = text();
    shorter.pop_back();
    SetText(shorter);
    return true;
  }
};

// Enough of a screen for every script line to have something to act on:
// a list to drag and reveal rows in, a button, a text field, two soft keys,
// and a timer for "wait" to run.
class ScriptStubDlg : public Dialog {
 public:
  std::string ClassName() const override { return "ScriptStubDlg"; }

 protected:
  void OnInitDialog() override {
    list_.Create(this, kListId, Rect::FromXYWH(2, 2, 116, 75));
    button_.Create(this, kButtonId, Rect::FromXYWH(2, 80, 50, 20));
    edit_.Create(this, kEditId, Rect::FromXYWH(2, 105, 116, 15));
    SetSoftKeyBar(SoftKeys{"Done", kIdOk, "Cancel", kIdCancel});
  }

  void OnCommand(int command_id) override {
    if (command_id == kButtonId) {
      // Each press hides or shows the list, so "click" and "row" also meet
      // a list that is not there.
      list_.Show(!list_.visible());
      SetTimer(kTimerId, 250);
      return;
    }
    Dialog::OnCommand(command_id);
  }

  void OnTimer(int timer_id) override {
    KillTimer(timer_id);
    Invalidate();
  }

 private:
  ListStub list_;
  ButtonStub button_;
  EditStub edit_;
};

// "shot FILE" would write wherever the input says; it becomes a dump.
std::string WithoutShots(std::string_view script) {
  std::string safe;
  safe.reserve(script.size());
  size_t start = 0;
  while (start <= script.size()) {
    size_t end = script.find('\n', start);
    if (end == std::string_view::npos) end = script.size();
    std::string_view line = script.substr(start, end - start);
    const size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos &&
        line.substr(first).starts_with("shot")) {
      line = "dump";
    }
    safe.append(line);
    if (end < script.size()) safe.push_back('\n');
    start = end + 1;
  }
  return safe;
}

}  // namespace

std::string FeedScript(std::string_view script) {
  std::istringstream in(WithoutShots(script));
  std::ostringstream out;
  std::ostringstream err;
  DriverOptions options;
  options.folder = "/nonexistent";
  options.screen = kScreen;
  // The dialog's end is told apart from the driver's own statuses.
  constexpr int kDialogEnded = 1;
  const int status = RunDriver(options, in, out, err, [] {
    ScriptStubDlg dialog;
    dialog.RunModal();
    return kDialogEnded;
  });
  // Only these ends exist: the dialog's own end, the script running out
  // (0), a bad line (2, with its message).
  if (status != 0 && status != kDialogEnded && status != 2) {
    return "unexpected driver status " + std::to_string(status);
  }
  if (!err.str().empty() && err.str().rfind("line ", 0) != 0) {
    return "an error message without its line: " + err.str();
  }
  return {};
}

}  // namespace zorvanel::fuzz
