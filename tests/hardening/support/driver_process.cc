// zorvanel-drive as a child process, fed one script line at a time.
#include "driver_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace zorvanel::hardening {

DriverProcess::DriverProcess(const std::string& driver,
                             const std::filesystem::path& folder,
                             const std::string& screen,
                             const std::filesystem::path& stderr_log,
                             std::vector<std::string> prefix) {
  // A driver that has ended must not kill us with SIGPIPE on the next line.
  ::signal(SIGPIPE, SIG_IGN);
  int to_child[2];
  int from_child[2];
  if (::pipe2(to_child, O_CLOEXEC) != 0 ||
      ::pipe2(from_child, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  prefix.insert(prefix.end(),
                {driver, "--screen", screen, "--folder", folder.string()});
  std::vector<char*> argv;
  for (std::string& arg : prefix) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::dup2(to_child[0], STDIN_FILENO);
    ::dup2(from_child[1], STDOUT_FILENO);
    const int log =
        ::open(stderr_log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) ::dup2(log, STDERR_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(to_child[0]);
  ::close(from_child[1]);
  in_ = to_child[1];
  out_ = from_child[0];
}

DriverProcess::~DriverProcess() {
  if (pid_ > 0) Finish();
  if (out_ >= 0) ::close(out_);
}

bool DriverProcess::Send(const std::string& line) {
  if (in_ < 0) return false;
  const std::string text = line + "\n";
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(in_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool DriverProcess::ReadLine(std::string* line) {
  line->clear();
  while (true) {
    const size_t newline = buffer_.find('\n');
    if (newline != std::string::npos) {
      *line = buffer_.substr(0, newline);
      buffer_.erase(0, newline + 1);
      return true;
    }
    char chunk[65536];
    const ssize_t n = ::read(out_, chunk, sizeof(chunk));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    buffer_.append(chunk, static_cast<size_t>(n));
  }
}

nlohmann::json DriverProcess::Dump() {
  std::string line;
  if (!Send("dump") || !ReadLine(&line)) {
    return nlohmann::json(nlohmann::json::value_t::discarded);
  }
  return nlohmann::json::parse(line, nullptr, false);
}

void DriverProcess::CloseInput() {
  if (in_ >= 0) ::close(in_);
  in_ = -1;
}

int DriverProcess::Finish() {
  CloseInput();
  std::string rest;
  while (ReadLine(&rest)) {
  }
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace zorvanel::hardening
