// Runs the program's windows headless for the length of a test: a shell on a
// script backend whose script drives every dialog that opens (nested message
// boxes and entries included) and collects the dumps it asks for, or a shell
// on a clock the test moves by hand.
#ifndef ZORVANEL_TESTS_SUPPORT_DIALOG_TEST_H_
#define ZORVANEL_TESTS_SUPPORT_DIALOG_TEST_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "data/zorvanel.pb.h"
#include "drive/dialog_dump.h"
#include "drive/script_backend.h"
#include "fake_backend.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "language_file_bytes.h"
#include "platform/dialog.h"
#include "platform/shell.h"

namespace zorvanel::testing {

// Every test starts from empty data (metric units), untranslated texts, on a
// 480 x 640 shell with an empty script; the process-wide font table follows
// the shell's scale. The dialogs under test work on data_.
class DialogTest : public ::testing::Test {
 public:
  // The dumped control with that id, or null.
  static nlohmann::json Control(const nlohmann::json& dump, int id) {
    for (const auto& control : dump["controls"]) {
      if (control["id"] == id) return control;
    }
    return nullptr;
  }

  // Where a dumped control stands ("rect": x, y, width, height).
  static Rect RectOf(const nlohmann::json& control) {
    const std::vector<int> r = control["rect"].get<std::vector<int>>();
    return Rect::FromXYWH(r.at(0), r.at(1), r.at(2), r.at(3));
  }

 protected:
  static constexpr Size kScreen{480, 640};

  void SetUp() override {
    GetTranslator().Clear();
    StartShell("");
  }

  void TearDown() override {
    shell_.reset();
    GetFontTable().Clear();
    GetFontTable().set_scale(100);
    GetTranslator().Clear();
    RetranslateAll();
  }

  // A fresh shell on `screen` reading `script`, with no output yet.
  void StartShell(const std::string& script, Size screen = kScreen) {
    shell_.reset();
    SetScript(script);
    out_.str("");
    StartShell(std::make_unique<ScriptBackend>(screen, script_, out_));
  }

  // A fresh shell on `backend` (which may read script_ and write out_).
  void StartShell(std::unique_ptr<Backend> backend) {
    shell_.reset();
    clock_ = nullptr;
    shell_ = std::make_unique<Shell>(std::move(backend));
    GetFontTable().Clear();
    GetFontTable().set_scale(shell_->scale());
  }

  // A fresh shell on a clock moved by AdvanceTo, without a script.
  void StartClockShell(Size screen = kScreen) {
    auto backend = std::make_unique<FakeBackend>(screen);
    FakeBackend* clock = backend.get();
    StartShell(std::move(backend));
    clock_ = clock;
  }

  // Moves the clock of StartClockShell on and lets due timers run.
  void AdvanceTo(uint32_t ms) {
    clock_->now_ = ms;
    shell_->RunPendingWork();
  }

  // The script the current shell reads from here on.
  void SetScript(const std::string& script) {
    script_.str(script);
    script_.clear();
  }

  // Runs `dialog` modally until it ends, or the script does (nothing then).
  static std::optional<DialogResult> RunDialog(Dialog& dialog) {
    try {
      return dialog.RunModal();
    } catch (const ScriptFinished&) {
      return std::nullopt;
    }
  }

  // StartShell, then RunDialog.
  std::optional<DialogResult> Run(Dialog& dialog, const std::string& script,
                                  Size screen = kScreen) {
    StartShell(script, screen);
    return RunDialog(dialog);
  }

  // Every dump the script asked for, in order.
  std::vector<nlohmann::json> Dumps() const {
    std::vector<nlohmann::json> dumps;
    std::istringstream lines(out_.str());
    std::string line;
    while (std::getline(lines, line)) {
      if (!line.empty()) dumps.push_back(nlohmann::json::parse(line));
    }
    return dumps;
  }

  // Loads a language file of these lines and picks `language` in it.
  static void LoadLanguages(const std::string& lines, int language) {
    GetTranslator().LoadFromBytes(LanguageFile(lines));
    RetranslateAll();
    SetLanguage(language);
  }

  // The user's data the dialogs under test read and change.
  Zorvanel data_;
  std::istringstream script_;
  std::ostringstream out_;
  std::unique_ptr<Shell> shell_;
  FakeBackend* clock_ = nullptr;
};

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_DIALOG_TEST_H_
