// Runs dialogs headless: a shell on a script backend whose script drives
// every dialog that opens (nested message boxes and entries included), and
// the dumps the script asked for.
#ifndef ZORVANEL_TESTS_DIALOGS_DIALOG_HARNESS_H_
#define ZORVANEL_TESTS_DIALOGS_DIALOG_HARNESS_H_

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "data/data_root.h"
#include "drive/script_backend.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "optics/units.h"
#include "platform/dialog.h"
#include "platform/shell.h"

namespace zorvanel {

class DialogHarness : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetData();
    GetTranslator().Clear();
    SetUnitSystem(kMetric);
  }

  void TearDown() override { shell_.reset(); }

  // A fresh shell on `screen` reading `script`. Call before constructing
  // dialogs that need the shell in their constructor.
  void StartShell(const std::string& script, Size screen = Size{480, 640}) {
    shell_.reset();
    script_.str(script);
    script_.clear();
    out_.str("");
    shell_ = std::make_unique<Shell>(
        std::make_unique<ScriptBackend>(screen, script_, out_));
    GetFontTable().Clear();
    GetFontTable().set_scale(shell_->scale());
  }

  // Runs `dialog` modally until it ends or the script does (0 then).
  static int RunDialog(Dialog& dialog) {
    try {
      return dialog.RunModal();
    } catch (const ScriptFinished&) {
      return 0;
    }
  }

  // StartShell, then RunDialog.
  int Run(Dialog& dialog, const std::string& script,
          Size screen = Size{480, 640}) {
    StartShell(script, screen);
    return RunDialog(dialog);
  }

  std::vector<nlohmann::json> Dumps() const {
    std::vector<nlohmann::json> dumps;
    std::istringstream lines(out_.str());
    std::string line;
    while (std::getline(lines, line)) {
      if (!line.empty()) dumps.push_back(nlohmann::json::parse(line));
    }
    return dumps;
  }

  // The dumped control with that id, or null.
  static nlohmann::json Control(const nlohmann::json& dump, int id) {
    for (const auto& control : dump["controls"]) {
      if (control["id"] == id) return control;
    }
    return nullptr;
  }

  std::istringstream script_;
  std::ostringstream out_;
  std::unique_ptr<Shell> shell_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_TESTS_DIALOGS_DIALOG_HARNESS_H_
