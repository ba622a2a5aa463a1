// The application: loads the user's data, runs the main screen, saves.
#ifndef ZORVANEL_APP_ZORVANEL_APP_H_
#define ZORVANEL_APP_ZORVANEL_APP_H_

#include <optional>
#include <string>
#include <string_view>

#include "app/paths.h"
#include "data/zorvanel.pb.h"
#include "mainscreen/zorvanel_dlg.h"
#include "platform/regular_file.h"
#include "platform/status.h"

namespace zorvanel {

// The application: loads the language file from the shipped folder and the
// user's data from the data folder, applies the stored language, runs the
// main screen and writes the data back when it ends with OK. It owns the
// user's data (the units among its options) and hands each screen the part
// it works on. One exists per run; the caller has already made the Shell for
// the chosen backend.
//
// Nothing the user made is lost on the way: a data file that cannot be read
// is kept aside before anything is written (and the user is told where), a
// second program on the same data file ends without writing (the user is
// asked whether to run when that cannot be made sure of), a data file that
// another program changed meanwhile is kept beside this run's data, and a
// failed save asks whether to try again.
class CZorvanelApp {
 public:
  // Process statuses of Run().
  static constexpr int kStatusSaved = 0;
  static constexpr int kStatusNotSaved = 1;  // the save failed, or another
                                             // program holds the folder

  explicit CZorvanelApp(ProgramFolders folders);
  ~CZorvanelApp();
  CZorvanelApp(const CZorvanelApp&) = delete;
  CZorvanelApp& operator=(const CZorvanelApp&) = delete;

  // The whole run. Returns the process status: kStatusSaved, or
  // kStatusNotSaved (one line on stderr says why).
  int Run();

  // Writes the data as it is in memory, without asking anything: for an
  // ending that leaves no screen to ask on (the display is gone). Returns
  // the process status; writes nothing before the data is loaded or when
  // another program holds the folder.
  int SaveWithoutAsking();

  // The screen's scale in percent against the reference screen.
  int GetDisplayScale() const;

  // The user's data as it stands in memory.
  const Zorvanel& data() const { return data_; }

  // Whether the window goes back where it was when the program last ended
  // (the stored geometry), within the usable display.
  void set_restore_window(bool restore) { restore_window_ = restore; }

  // Replaces the equipment screen the main screen opens (tests).
  void set_equipment_screen(CZorvanelDlg::EquipmentScreen screen) {
    equipment_screen_ = std::move(screen);
  }

 private:
  DialogResult RunEquipmentScreen();
  void LoadLanguageFile();
  void MakeHomeDataFolder();
  void LoadUserData();
  void ApplyStoredSettings();
  void RestoreWindow();
  // Keeps the window's geometry in the options, for the next start.
  void RememberWindow();
  int ReportFolderInUse();
  // Whether to run when no lock could be taken; tells why there is none.
  bool AskToGoOnUnlocked(const Status& failure);
  // Read, but not parsed whole, or not readable at all.
  bool DataFileDamaged() const;
  // False when the window was closed while the user was being told.
  bool KeepDamagedDataFile();
  DialogResult RunMainScreen();
  int SaveUserData();
  // Without `may_ask`, a data file another program changed stays as it is
  // and this run's data is saved beside it.
  Status TrySave(bool may_ask);
  // The data file is no longer the one that was read.
  bool ChangedOnDisk() const;
  bool AskToKeepMine();
  Status SaveMineBeside();
  // Tells where a copy was kept; the copy's failure otherwise.
  Status KeepCopy(std::string_view label, const Expected<std::string>& kept);
  bool AskToRetrySave(const Status& failure);

  const ProgramFolders folders_;
  const std::string data_file_path_;
  Zorvanel data_;
  Status data_read_;
  bool damaged_file_kept_ = false;
  bool may_save_ = false;  // loaded, and the file is this program's
  // What was read; none when there was nothing to read.
  std::optional<FileIdentity> loaded_file_;
  // The answer about a data file another program changed, asked once.
  std::optional<bool> keep_mine_;
  bool theirs_kept_ = false;
  bool mine_kept_ = false;
  bool restore_window_ = false;
  CZorvanelDlg::EquipmentScreen equipment_screen_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_APP_ZORVANEL_APP_H_
