#ifndef ZORVANEL_APP_ZORVANEL_APP_H_
#define ZORVANEL_APP_ZORVANEL_APP_H_

#include <string>

#include "data/message_file.h"
#include "data/zorvanel.pb.h"
#include "mainscreen/zorvanel_dlg.h"

namespace zorvanel {

// The application: loads the language file from the shell's shipped folder
// and the user's data from its program folder, applies the stored language
// and units, runs the main screen and writes the data back when it ends with
// OK. One exists per run; the caller has already made the Shell (with the
// program folder set) for the chosen backend.
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

  CZorvanelApp();
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

  // The user's data (never null).
  Zorvanel* GetData() const;
  // The folder that holds the user's data file (Shell::program_folder).
  const std::string& GetProgramFolder() const { return program_folder_; }
  const std::string& GetDataFilePath() const { return data_file_path_; }
  // The screen's scale in percent against the 480 x 640 reference screen.
  int GetDisplayScale() const;

  // Replaces the equipment screen the main screen opens (tests).
  void set_equipment_screen(CZorvanelDlg::EquipmentScreen screen) {
    equipment_screen_ = std::move(screen);
  }

 private:
  void BuildPaths();
  void LoadLanguageFile();
  void MakeHomeDataFolder();
  void LoadUserData();
  void ApplyStoredSettings();
  int ReportFolderInUse();
  // False when the window was closed while the user was being told.
  bool KeepDamagedDataFile();
  int RunMainScreen();
  int SaveUserData();
  bool TrySave(int* error);
  bool AskToRetrySave(int error);

  std::string program_folder_;
  std::string data_file_path_;
  MessageFileState data_state_ = MessageFileState::kMissing;
  bool damaged_file_kept_ = false;
  bool may_save_ = false;  // loaded, and the folder is this program's
  CZorvanelDlg::EquipmentScreen equipment_screen_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_APP_ZORVANEL_APP_H_
