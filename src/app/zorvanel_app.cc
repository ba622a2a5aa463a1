// The application's run: start-up, the main screen and the save at the end.
#include "app/zorvanel_app.h"

#include <cerrno>
#include <iostream>
#include <optional>

#include "app/data_lock.h"
#include "app/kept_copy.h"
#include "app/paths.h"
#include "data/camera_database.h"
#include "data/data_root.h"
#include "data/message_file.h"
#include "dialogs/equipment_dlg.h"
#include "dialogs/message_box.h"
#include "i18n/font_table.h"
#include "i18n/translator.h"
#include "mainscreen/help_dlg.h"
#include "platform/shell.h"
#include "skins/bitmap_cache.h"

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

void ReportNotSaved(const std::string& path, const Status& failure) {
  std::cerr << "zorvanel: could not save " << path << ": " << failure.Reason()
            << "\n";
}

// Asks with "Yes" and "No": true for "Yes". Closing the window is "No".
bool AskYes(const std::string& title, const std::string& question) {
  NoticeBox box(CMessageBox::Kind::kYesNo, title, question);
  return box.RunModal() == DialogResult::kOk && !box.closed();
}

}  // namespace

CZorvanelApp::CZorvanelApp(ProgramFolders folders)
    : folders_(std::move(folders)),
      data_file_path_(DataFilePath(folders_.data)),
      equipment_screen_(
          [this](Window* /*parent*/) { return RunEquipmentScreen(); }) {}

CZorvanelApp::~CZorvanelApp() = default;

int CZorvanelApp::GetDisplayScale() const { return Shell::Get().scale(); }

int CZorvanelApp::Run() {
  // The fonts follow the window's size; pictures stretched for the old
  // size are not drawn again.
  Shell::Get().set_on_resize([] {
    GetFontTable().set_scale(Shell::Get().scale());
    GetBitmapCache().DropScaled();
  });
  LoadLanguageFile();
  MakeHomeDataFolder();
  // Taken before anything is read, held until the save is done.
  const DataLock lock(data_file_path_);
  LoadUserData();
  ApplyStoredSettings();
  if (lock.state() == DataLock::State::kBusy) return ReportFolderInUse();
  if (lock.state() == DataLock::State::kNoLock &&
      !AskToGoOnUnlocked(lock.failure())) {
    return kStatusNotSaved;
  }
  may_save_ = true;
  if (!KeepDamagedDataFile()) return SaveUserData();
  if (RunMainScreen() != DialogResult::kOk) return kStatusSaved;
  return SaveUserData();
}

void CZorvanelApp::MakeHomeDataFolder() {
  // Made at the start rather than at the first save: the lock lives there.
  // A folder given on the command line is the user's to make; when this one
  // cannot be made, the save says why.
  if (folders_.data != UserDataHome()) return;
  static_cast<void>(MakeFolders(folders_.data));
}

void CZorvanelApp::LoadLanguageFile() {
  // Without the file the interface stays in English.
  static_cast<void>(LoadTranslations(TranslationPath(folders_.shipped)));
  RetranslateAll();
}

void CZorvanelApp::LoadUserData() {
  // Only reading: whether the file is kept aside is decided once it is
  // clear that this program may write in the folder. The file is looked at
  // before it is read: a change made in between is then taken for another
  // program's, and asked about, rather than missed.
  loaded_file_ = IdentityOf(data_file_path_);
  data_read_ = LoadDataFile(&data_, data_file_path_);
}

void CZorvanelApp::ApplyStoredSettings() {
  SetLanguage(data_.options().language());
  if (restore_window_) RestoreWindow();
  GetFontTable().set_scale(GetDisplayScale());
}

void CZorvanelApp::RestoreWindow() {
  if (!data_.options().has_window()) return;
  const WindowGeometry& stored = data_.options().window();
  const Rect inside =
      Rect::FromXYWH(stored.x(), stored.y(), stored.width(), stored.height());
  if (const std::optional<Size> size =
          Shell::Get().backend().PlaceWindow(inside)) {
    Shell::Get().Resize(*size);
  }
}

void CZorvanelApp::RememberWindow() {
  const std::optional<Rect> inside = Shell::Get().backend().WindowGeometry();
  if (!inside) return;
  WindowGeometry* stored = data_.mutable_options()->mutable_window();
  stored->set_x(inside->left);
  stored->set_y(inside->top);
  stored->set_width(inside->Width());
  stored->set_height(inside->Height());
}

int CZorvanelApp::ReportFolderInUse() {
  std::cerr << "zorvanel: another Zorvanel is using " << data_file_path_
            << "; ending without saving\n";
  const std::string title = UiText("Already running");
  const std::string message =
      UiText("Zorvanel is already running\r\nwith this data folder.");
  // Said in a small window of its own, not in a screen-sized one beside the
  // running copy's.
  Shell& shell = Shell::Get();
  if (const std::optional<Size> own = shell.backend().FixWindowSize(
          CMessageBox::OwnScreenFor(title, message))) {
    shell.ResizeKeepingScale(*own);
  }
  CMessageBox::Show(title, message);
  return kStatusNotSaved;
}

bool CZorvanelApp::AskToGoOnUnlocked(const Status& failure) {
  std::cerr << "zorvanel: cannot make sure no other copy is using "
            << data_file_path_ << ": " << failure.Reason() << "\n";
  return AskYes(UiText("Not locked"),
                UiText("Cannot make sure no other copy\r\nis running.\r\n"
                       "\r\nGo on anyway?"));
}

bool CZorvanelApp::DataFileDamaged() const {
  return !data_read_.ok() && data_read_.error() != ENOENT;
}

bool CZorvanelApp::KeepDamagedDataFile() {
  if (!DataFileDamaged()) return true;
  const Expected<std::string> kept =
      MoveAside(SaveTarget(data_file_path_), kDamagedCopy);
  damaged_file_kept_ = kept.ok();
  std::string message;
  if (damaged_file_kept_) {
    std::cerr << "zorvanel: could not read " << data_file_path_ << "; kept as "
              << *kept << "\n";
    message = Tr(UiText("The data file could not be read.\r\nWhat could be "
                        "read is shown.\r\nThe file was kept as\r\n%1"),
                 KeptNameShown(*kept));
  } else {
    const std::string reason = kept.status().Reason();
    std::cerr << "zorvanel: could not read " << data_file_path_
              << " nor keep it aside: " << reason << "\n";
    message = Tr(UiText("The data file could not be read\r\nnor kept "
                        "aside:\r\n%1\r\nIt will not be replaced."),
                 reason);
  }
  NoticeBox box(CMessageBox::Kind::kOk, UiText("Data file damaged"), message);
  box.RunModal();
  return !box.closed();
}

DialogResult CZorvanelApp::RunMainScreen() {
  CZorvanelDlg main_screen(&data_, equipment_screen_);
  return main_screen.RunModal();
}

// Dialogs cover the whole dialog area whatever their parent, so the parent
// is not needed to place the equipment screen.
DialogResult CZorvanelApp::RunEquipmentScreen() {
  CEquipmentDlg dialog(&data_, CameraDatabase::PathIn(folders_.shipped));
  dialog.set_open_help([this] {
    CHelpDlg help(&data_);
    help.RunModal();
  });
  return dialog.RunModal();
}

int CZorvanelApp::SaveUserData() {
  RememberWindow();
  for (Status saved = TrySave(/*may_ask=*/true); !saved.ok();
       saved = TrySave(/*may_ask=*/true)) {
    ReportNotSaved(data_file_path_, saved);
    if (!AskToRetrySave(saved)) return kStatusNotSaved;
  }
  return kStatusSaved;
}

int CZorvanelApp::SaveWithoutAsking() {
  // Before the data is loaded, or with the folder another program's, a
  // save would replace the user's file with nothing.
  if (!may_save_) return kStatusNotSaved;
  const Status saved = TrySave(/*may_ask=*/false);
  if (saved.ok()) return kStatusSaved;
  ReportNotSaved(data_file_path_, saved);
  return kStatusNotSaved;
}

Status CZorvanelApp::TrySave(bool may_ask) {
  // A damaged file that could not be kept aside at start must not be
  // replaced by the first save either.
  if (DataFileDamaged() && !damaged_file_kept_) {
    const Expected<std::string> kept =
        MoveAside(SaveTarget(data_file_path_), kDamagedCopy);
    if (!kept.ok()) return kept.status();
    damaged_file_kept_ = true;
  }
  static_cast<void>(DropBrokenValues(&data_));  // never written
  if (!keep_mine_ && ChangedOnDisk()) {
    keep_mine_ = may_ask && AskToKeepMine();
  }
  if (keep_mine_ == false) return SaveMineBeside();
  if (keep_mine_ == true && !theirs_kept_) {
    const Status kept = KeepCopy(
        kTheirsCopy, CopyAside(SaveTarget(data_file_path_), kTheirsCopy));
    // Gone since: nothing of the other program's is left to keep.
    if (!kept.ok() && kept.error() != ENOENT) return kept;
    theirs_kept_ = true;
  }
  return SaveMessageFile(data_, data_file_path_);
}

bool CZorvanelApp::ChangedOnDisk() const {
  const std::optional<FileIdentity> now = IdentityOf(data_file_path_);
  return now && now != loaded_file_;
}

bool CZorvanelApp::AskToKeepMine() {
  return AskYes(UiText("Data file changed"),
                UiText("Another program has changed\r\nthe data file since "
                       "it was read.\r\n\r\nKeep your version? The "
                       "other\r\none is saved beside it."));
}

Status CZorvanelApp::SaveMineBeside() {
  if (mine_kept_) return {};
  const Status kept =
      KeepCopy(kMineCopy, WriteAside(SaveTarget(data_file_path_), kMineCopy,
                                     data_.SerializePartialAsString()));
  mine_kept_ = kept.ok();
  return kept;
}

Status CZorvanelApp::KeepCopy(std::string_view label,
                              const Expected<std::string>& kept) {
  if (!kept.ok()) return kept.status();
  std::cerr << "zorvanel: " << data_file_path_
            << " was changed by another program; " << label << " kept as "
            << *kept << "\n";
  return {};
}

bool CZorvanelApp::AskToRetrySave(const Status& failure) {
  const std::string message =
      Tr(UiText("Your data could not be saved:\r\n%1\r\n\r\nTry again? "
                "\"No\" ends the\r\nprogram without saving."),
         failure.Reason());
  return AskYes(UiText("Not saved"), message);
}

}  // namespace zorvanel
