// zorvanel-drive as a child process, fed one script line at a time.
#ifndef ZORVANEL_TESTS_HARDENING_SUPPORT_DRIVER_PROCESS_H_
#define ZORVANEL_TESTS_HARDENING_SUPPORT_DRIVER_PROCESS_H_

#include <sys/types.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace zorvanel::hardening {

// zorvanel-drive as a child process, fed one script line at a time through
// a pipe, so that each line can depend on what the screen shows.
class DriverProcess {
 public:
  // Starts `driver` on the program folder `folder` with the screen
  // `screen` ("480x640"); its stderr goes to `stderr_log`. `prefix` goes
  // before the driver (another user, other environment variables).
  DriverProcess(const std::string& driver, const std::filesystem::path& folder,
                const std::string& screen,
                const std::filesystem::path& stderr_log,
                std::vector<std::string> prefix = {});
  ~DriverProcess();
  DriverProcess(const DriverProcess&) = delete;
  DriverProcess& operator=(const DriverProcess&) = delete;

  // Sends one script line. False when the driver no longer reads (the
  // program has ended).
  bool Send(const std::string& line);
  // One line of the driver's output; false at its end.
  bool ReadLine(std::string* line);
  // Sends "dump" and parses the answer; a discarded json value when the
  // program has ended (or the answer is not JSON).
  nlohmann::json Dump();

  // The driver's process id.
  pid_t pid() const { return pid_; }

  // The end of the script: the driver ends the program as a power cut would
  // unless the script made it end.
  void CloseInput();
  // Closes the input, reads the rest of the output and waits for the
  // driver. The exit status, or 128 + the signal that ended it.
  int Finish();

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  std::string buffer_;
};

}  // namespace zorvanel::hardening

#endif  // ZORVANEL_TESTS_HARDENING_SUPPORT_DRIVER_PROCESS_H_
