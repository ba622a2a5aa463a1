// Runs programs as child processes, and the full collection tests start with.
#include "hardening_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace zorvanel::hardening {

namespace fs = std::filesystem;

ExitStatus RunProgram(const std::string& program,
                      const std::vector<std::string>& args,
                      std::string* output) {
  const ScratchFolder scratch;
  const fs::path log = scratch / "output";
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
  if (WIFSIGNALED(status)) return ExitStatus{true, WTERMSIG(status)};
  return ExitStatus{false, WEXITSTATUS(status)};
}

using testing::AddAll;

Zorvanel FullData() {
  Zorvanel data;
  Options* options = data.mutable_options();
  options->set_units(1);
  options->set_focal_wheel(40.0);
  options->set_aperture_wheel(75.0);
  options->set_distance_wheel(20.0);
  options->set_show_hyperfocal(false);
  Equipment* e = data.mutable_equipment();
  const struct {
    const char* maker;
    const char* model;
    double coc;
    double multiplier;
  } kCameras[] = {{"Canon", "EOS 600D", 0.019, 1.6},
                  {"Nikon", "D750", 0.029, 1.0},
                  {"Sony", "RX100", 0.011, 2.73},
                  {"Olympus", "E-M5", 0.015, 2.0}};
  for (const auto& c : kCameras) {
    Camera* camera = e->add_cameras();
    camera->set_maker(c.maker);
    camera->set_model(c.model);
    camera->set_circle_of_confusion(c.coc);
    camera->set_focal_multiplier(c.multiplier);
  }
  const struct {
    const char* maker;
    const char* model;
    double min_focal, max_focal;
  } kLenses[] = {{"Canon", "EF-S 18-55mm", 18, 55},
                 {"Nikon", "50mm f/1.8", 50, 0},
                 {"Sony", "RX100", 10.4, 37.1},
                 {"Sigma", "70-300mm", 70, 300},
                 {"Samyang", "14mm", 14, 0}};
  for (const auto& l : kLenses) {
    Lens* lens = e->add_lenses();
    lens->set_maker(l.maker);
    lens->set_model(l.model);
    lens->set_min_focal(l.min_focal);
    lens->set_max_focal(l.max_focal);
    lens->add_focals(l.min_focal);
    if (l.max_focal > 0) lens->add_focals(l.max_focal);
    AddAll(lens->mutable_apertures(), {2.8, 4.0, 5.6, 8.0, 11.0, 16.0, 22.0});
    AddAll(lens->mutable_distances(), {0.3, 0.5, 1.0, 2.0, 3.0, 5.0, 10.0});
  }
  // Camera 0 with lens 0, camera 2 with its built-in lens 2.
  for (const auto& [camera, lens] : {std::pair{0, 0}, std::pair{2, 2}}) {
    e->mutable_cameras(camera)->set_lens_index(lens);
    e->mutable_lenses(lens)->set_camera_index(camera);
  }
  e->set_current_camera(1);
  e->set_current_lens(3);
  return data;
}

}  // namespace zorvanel::hardening
