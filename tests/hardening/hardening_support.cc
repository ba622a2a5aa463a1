#include "hardening_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace zorvanel::hardening {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  std::string pattern =
      (fs::temp_directory_path() / "zorvanel-hardening.XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a scratch folder");
  }
  // The canonical path: the program compares paths it reads back from the
  // system with it.
  path_ = fs::canonical(pattern);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::FileNames() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

ExitStatus RunProgram(const std::string& program,
                      const std::vector<std::string>& args,
                      std::string* output) {
  const fs::path log = fs::temp_directory_path() /
                       ("zorvanel-child-" + std::to_string(::getpid()));
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null",
                                   O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr,
                                  argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + program);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  if (output != nullptr) *output = ReadFile(log);
  fs::remove(log);
  if (WIFSIGNALED(status)) return ExitStatus{true, WTERMSIG(status)};
  return ExitStatus{false, WEXITSTATUS(status)};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)),
                     std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

Zorvanel FiftyMillimetreData() {
  Zorvanel data;
  data.mutable_options();
  Equipment* e = data.mutable_equipment();
  Camera* camera = e->add_cameras();
  camera->set_maker("Maker");
  camera->set_model("Body");
  camera->set_circle_of_confusion(0.03);
  camera->set_lens_index(0);
  Lens* lens = e->add_lenses();
  lens->set_model("Fifty");
  lens->add_focals(50.0);
  lens->add_apertures(2.8);
  lens->add_distances(3.0);
  lens->set_camera_index(0);
  e->set_current_camera(0);
  e->set_current_lens(0);
  return data;
}

}  // namespace zorvanel::hardening
