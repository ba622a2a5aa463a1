#include "app/zorvanel_app.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "app/damaged_file.h"
#include "app/folder_lock.h"
#include "app/paths.h"
#include "data/data_root.h"
#include "dialogs/message_box.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "optics/units.h"
#include "platform/shell.h"

namespace zorvanel {
namespace {

// A message box that remembers whether the window's close request (or a
// signal that stands for it) ended it.
class NoticeBox : public CMessageBox {
 public:
  using CMessageBox::CMessageBox;
  void OnCloseRequest() override {
    closed_ = true;
    CMessageBox::OnCloseRequest();
  }
  bool closed() const { return closed_; }

 private:
  bool closed_ = false;
};

// The kept copy's name, on two lines: whole, it is wider than the screen.
std::string KeptNameShown(const std::string& path) {
  const size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t suffix = name.rfind(".damaged-");
  if (suffix != std::string::npos) name.insert(suffix, "\r\n");
  return name;
}

std::string Reason(int error) {
  return error != 0 ? std::strerror(error) : "write failed";
}

}  // namespace

CZorvanelApp::CZorvanelApp() = default;
CZorvanelApp::~CZorvanelApp() = default;

int CZorvanelApp::GetDisplayScale() const { return Shell::Get().scale(); }

int CZorvanelApp::Run() {
  BuildPaths();
  LoadLanguageFile();
  MakeHomeDataFolder();
  // Taken before anything is read, held until the save is done.
  const FolderLock lock(LockFilePath(program_folder_));
  LoadUserData();
  ApplyStoredSettings();
  if (lock.state() == FolderLock::State::kBusy) return ReportFolderInUse();
  may_save_ = true;
  if (!KeepDamagedDataFile()) return SaveUserData();
  if (RunMainScreen() != kIdOk) return kStatusSaved;
  return SaveUserData();
}

void CZorvanelApp::BuildPaths() {
  program_folder_ = Shell::Get().program_folder();
  data_file_path_ = DataFilePath(program_folder_);
}

void CZorvanelApp::MakeHomeDataFolder() {
  // Made at the start rather than at the first save: the lock lives there.
  // A folder given on the command line is the user's to make; when this one
  // cannot be made, the save says why.
  if (program_folder_ == UserDataHome()) MakeFolders(program_folder_);
}

void CZorvanelApp::LoadLanguageFile() {
  // Without the file the interface stays in English.
  LoadTranslations(TranslationPath(Shell::Get().shipped_folder()));
  RetranslateAll();
}

void CZorvanelApp::LoadUserData() {
  // Only reading: whether the file is kept aside is decided once it is
  // clear that this program may write in the folder.
  data_state_ = ReadMessageFile(GetData(), data_file_path_);
  RepairLoadedData(GetData(), data_state_ == MessageFileState::kMalformed);
}

void CZorvanelApp::ApplyStoredSettings() {
  const Options& options = GetData()->options();
  SetLanguage(options.language());
  SetUnitSystem(options.units());
  GetFontTable().set_scale(GetDisplayScale());
}

int CZorvanelApp::ReportFolderInUse() {
  std::cerr << "zorvanel: another Zorvanel is using " << program_folder_
            << "; ending without saving\n";
  CMessageBox box(
      CMessageBox::kOk, UiText("Already running"),
      UiText("Zorvanel is already running\r\nwith this data folder."));
  box.RunModal();
  return kStatusNotSaved;
}

bool CZorvanelApp::KeepDamagedDataFile() {
  if (data_state_ != MessageFileState::kUnreadable &&
      data_state_ != MessageFileState::kMalformed) {
    return true;
  }
  int error = 0;
  const std::string kept =
      KeepDamagedFile(FollowLinks(data_file_path_), &error);
  damaged_file_kept_ = !kept.empty();
  std::string message;
  if (damaged_file_kept_) {
    std::cerr << "zorvanel: could not read " << data_file_path_ << "; kept as "
              << kept << "\n";
    message = ReplacePlaceholder(
        Translate(UiText("The data file could not be read.\r\nWhat could "
                         "be read is shown.\r\nThe file was kept as\r\n%1")),
        "%1", KeptNameShown(kept));
  } else {
    std::cerr << "zorvanel: could not read " << data_file_path_
              << " nor keep it aside: " << Reason(error) << "\n";
    message = ReplacePlaceholder(
        Translate(UiText("The data file could not be read\r\nnor kept "
                         "aside:\r\n%1\r\nIt will not be replaced.")),
        "%1", Reason(error));
  }
  NoticeBox box(CMessageBox::kOk, UiText("Data file damaged"), message);
  box.RunModal();
  return !box.closed();
}

int CZorvanelApp::RunMainScreen() {
  CZorvanelDlg main_screen;
  if (equipment_screen_) main_screen.set_equipment_screen(equipment_screen_);
  return main_screen.RunModal();
}

int CZorvanelApp::SaveUserData() {
  int error = 0;
  while (!TrySave(&error)) {
    std::cerr << "zorvanel: could not save " << data_file_path_ << ": "
              << Reason(error) << "\n";
    if (!AskToRetrySave(error)) return kStatusNotSaved;
  }
  return kStatusSaved;
}

int CZorvanelApp::SaveWithoutAsking() {
  // Before the data is loaded, or with the folder another program's, a
  // save would replace the user's file with nothing.
  if (!may_save_) return kStatusNotSaved;
  int error = 0;
  if (TrySave(&error)) return kStatusSaved;
  std::cerr << "zorvanel: could not save " << data_file_path_ << ": "
            << Reason(error) << "\n";
  return kStatusNotSaved;
}

bool CZorvanelApp::TrySave(int* error) {
  // A damaged file that could not be kept aside at start must not be
  // replaced by the first save either.
  if ((data_state_ == MessageFileState::kUnreadable ||
       data_state_ == MessageFileState::kMalformed) &&
      !damaged_file_kept_) {
    damaged_file_kept_ =
        !KeepDamagedFile(FollowLinks(data_file_path_), error).empty();
    if (!damaged_file_kept_) return false;
  }
  *error = 0;
  return SaveMessageFile(*GetData(), data_file_path_, error);
}

bool CZorvanelApp::AskToRetrySave(int error) {
  const std::string message = ReplacePlaceholder(
      Translate(UiText("Your data could not be saved:\r\n%1\r\n\r\nTry "
                       "again? \"No\" ends the\r\nprogram without saving.")),
      "%1", Reason(error));
  NoticeBox box(CMessageBox::kYesNo, UiText("Not saved"), message);
  return box.RunModal() == kIdOk && !box.closed();
}

}  // namespace zorvanel
