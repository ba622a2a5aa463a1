#ifndef ZORVANEL_APP_ZORVANEL_APP_H_
#define ZORVANEL_APP_ZORVANEL_APP_H_

#include <string>

#include "data/zorvanel.pb.h"
#include "mainscreen/zorvanel_dlg.h"

namespace zorvanel {

// The application: loads the language file from the shell's shipped folder
// and the user's data from its program folder, applies the stored language
// and units, runs the main screen and writes the data back when it ends with
// OK. One exists per run; the caller has already made the Shell (with the
// program folder set) for the chosen backend.
class CZorvanelApp {
 public:
  CZorvanelApp();
  ~CZorvanelApp();
  CZorvanelApp(const CZorvanelApp&) = delete;
  CZorvanelApp& operator=(const CZorvanelApp&) = delete;

  // The whole run. Returns the process status: 0, or 1 when the data could
  // not be saved (one line on stderr says why).
  int Run();

  // The user's data (never null).
  Zorvanel* GetData() const;
  // The folder that holds the user's data file (Shell::program_folder).
  const std::string& GetProgramFolder() const { return program_folder_; }
  const std::string& GetDataFilePath() const { return data_file_path_; }
  // The screen's scale in percent against the 480 x 640 design.
  int GetDisplayScale() const;

  // Replaces the equipment screen the main screen opens (tests).
  void set_equipment_screen(CZorvanelDlg::EquipmentScreen screen) {
    equipment_screen_ = std::move(screen);
  }

 private:
  void BuildPaths();
  void LoadLanguageFile();
  void LoadUserData();
  void ApplyStoredSettings();
  int RunMainScreen();
  int SaveUserData();

  std::string program_folder_;
  std::string data_file_path_;
  CZorvanelDlg::EquipmentScreen equipment_screen_;
};

}  // namespace zorvanel

#endif  // ZORVANEL_APP_ZORVANEL_APP_H_
