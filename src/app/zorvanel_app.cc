#include "app/zorvanel_app.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "app/paths.h"
#include "data/data_root.h"
#include "data/message_file.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "optics/units.h"
#include "platform/shell.h"

namespace zorvanel {

CZorvanelApp::CZorvanelApp() = default;
CZorvanelApp::~CZorvanelApp() = default;

Zorvanel* CZorvanelApp::GetData() const { return zorvanel::GetData(); }

int CZorvanelApp::GetDisplayScale() const { return Shell::Get().scale(); }

int CZorvanelApp::Run() {
  BuildPaths();
  LoadLanguageFile();
  LoadUserData();
  ApplyStoredSettings();
  if (RunMainScreen() != kIdOk) return 0;
  return SaveUserData();
}

void CZorvanelApp::BuildPaths() {
  program_folder_ = Shell::Get().program_folder();
  data_file_path_ = DataFilePath(program_folder_);
}

void CZorvanelApp::LoadLanguageFile() {
  // Without the file the interface stays in English.
  LoadTranslations(TranslationPath(Shell::Get().shipped_folder()));
  RetranslateAll();
}

void CZorvanelApp::LoadUserData() {
  // A missing file is a first run and a damaged one keeps what could be
  // read; either way the run goes on with what is in memory.
  LoadMessageFile(GetData(), data_file_path_);
}

void CZorvanelApp::ApplyStoredSettings() {
  const Options& options = GetData()->options();
  SetLanguage(options.language());
  SetUnitSystem(options.units());
  GetFontTable().set_scale(GetDisplayScale());
}

int CZorvanelApp::RunMainScreen() {
  CZorvanelDlg main_screen;
  if (equipment_screen_) main_screen.set_equipment_screen(equipment_screen_);
  return main_screen.RunModal();
}

int CZorvanelApp::SaveUserData() {
  errno = 0;
  // The folder in the home folder appears with the first save; a folder
  // given on the command line is the user's to make.
  const bool folder_ready =
      program_folder_ != UserDataHome() || MakeFolders(program_folder_);
  if (folder_ready && SaveMessageFile(*GetData(), data_file_path_)) return 0;
  const int error = errno;
  std::cerr << "zorvanel: could not save " << data_file_path_ << ": "
            << (error != 0 ? std::strerror(error) : "write failed") << "\n";
  return 1;
}

}  // namespace zorvanel
