#ifndef ZORVANEL_APP_ZORVANEL_APP_H_
#define ZORVANEL_APP_ZORVANEL_APP_H_

#include <string>

#include "app/paths.h"
#include "data/zorvanel.pb.h"
#include "mainscreen/zorvanel_dlg.h"
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
// second program on the same folder ends without writing, and a failed save
// asks whether to try again.
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

  // Replaces the equipment screen the main screen opens (tests).
  void set_equipment_screen(CZorvanelDlg::EquipmentScreen screen) {
    equipment_screen_ = std::move(screen);
  }

 private:
  int RunEquipmentScreen();
  void LoadLanguageFile();
  void MakeHomeDataFolder();
  void LoadUserData();
  void ApplyStoredSettings();
  int ReportFolderInUse();
  // Read, but not parsed whole, or not readable at all.
  bool DataFileDamaged() const;
  // False when the window was closed while the user was being told.
  bool KeepDamagedDataFile();
  int RunMainScreen();
  int SaveUserData();
  Status TrySave();
  bool AskToRetrySave(const Status& failure);

  const ProgramFolders folders_;
  const std::string data_file_path_;
  Zorvanel data_;
  Status data_read_;
  bool damaged_file_kept_ = false;
  bool may_save_ = false;  // loaded, and the folder is this program's
  CZorvanelDlg::EquipmentScreen equipment_screen_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_APP_ZORVANEL_APP_H_
