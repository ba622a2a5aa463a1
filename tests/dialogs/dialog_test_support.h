#ifndef ZORVANEL_TESTS_DIALOGS_DIALOG_TEST_SUPPORT_H_
#define ZORVANEL_TESTS_DIALOGS_DIALOG_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "drive/script_backend.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "language_file_bytes.h"
#include "message_text.h"
#include "platform/shell.h"

namespace zorvanel::testing {

// A headless Shell whose script the test gives; the process-wide font table
// follows its scale. Translations are reset afterwards.
class DialogTest : public ::testing::Test {
 protected:
  void MakeShell(Size screen, const std::string& script = "") {
    shell_.reset();
    script_.str(script);
    script_.clear();
    shell_ = std::make_unique<Shell>(
        std::make_unique<ScriptBackend>(screen, script_, out_));
    GetFontTable().Clear();
    GetFontTable().set_scale(shell_->scale());
  }
  void SetUp() override { MakeShell(Size{480, 640}); }
  void TearDown() override {
    shell_.reset();
    GetFontTable().Clear();
    GetFontTable().set_scale(100);
    GetTranslator().Clear();
    RetranslateAll();
  }
  void LoadLanguages(const std::string& lines, int language) {
    GetTranslator().LoadFromBytes(LanguageFile(lines));
    RetranslateAll();
    SetLanguage(language);
  }

  std::istringstream script_;
  std::ostringstream out_;
  std::unique_ptr<Shell> shell_;
};

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_DIALOGS_DIALOG_TEST_SUPPORT_H_
