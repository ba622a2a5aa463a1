// zorvanel-drive with a power cut built in: the process kills itself with
// SIGKILL at a chosen moment of writing the data file, as a power cut or an
// out-of-memory kill would end it.
//
//   power_cut_child POINT [zorvanel-drive arguments]
//
// POINT: "write" (halfway through writing the new content), "rename" (with
// the new content complete, just before it replaces the old file) or
// "none" (an ordinary run).

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "app/zorvanel_app.h"
#include "drive/driver.h"

namespace {

enum class CutPoint { kNone, kWrite, kRename };

CutPoint g_cut = CutPoint::kNone;
// The program folder: only writes there are the data file's.
std::string g_folder;

bool WritesIntoFolder(int fd) {
  if (fd <= STDERR_FILENO || g_folder.empty()) return false;
  char target[4096];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t n = ::readlink(link.c_str(), target, sizeof(target) - 1);
  if (n <= 0) return false;
  return std::string_view(target, static_cast<size_t>(n))
      .starts_with(g_folder + "/");
}

}  // namespace

// The program's own write and rename calls land here first (a definition in
// the executable comes before the C library's).
extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  using WriteFn = ssize_t (*)(int, const void*, size_t);
  static const auto real_write =
      reinterpret_cast<WriteFn>(::dlsym(RTLD_NEXT, "write"));
  if (g_cut == CutPoint::kWrite && count > 1 && WritesIntoFolder(fd)) {
    real_write(fd, buffer, count / 2);
    ::raise(SIGKILL);
  }
  return real_write(fd, buffer, count);
}

extern "C" int rename(const char* from, const char* to) noexcept {
  using RenameFn = int (*)(const char*, const char*);
  static const auto real_rename =
      reinterpret_cast<RenameFn>(::dlsym(RTLD_NEXT, "rename"));
  if (g_cut == CutPoint::kRename &&
      std::string_view(to).ends_with("/ZorvanelData.ptb")) {
    ::raise(SIGKILL);
  }
  return real_rename(from, to);
}

int main(int argc, char** argv) {
  using namespace zorvanel;
  const std::string_view point = argc > 1 ? argv[1] : "";
  if (point == "write") {
    g_cut = CutPoint::kWrite;
  } else if (point == "rename") {
    g_cut = CutPoint::kRename;
  } else if (point != "none") {
    std::cerr << "usage: power_cut_child write|rename|none [driver args]\n";
    return 2;
  }
  const Expected<DriverOptions> options = ParseDriverArgs(argc - 1, argv + 1);
  if (!options.ok()) {
    std::cerr << "power_cut_child: " << options.status().Reason() << "\n";
    return 2;
  }
  g_folder = options->folder;
  return RunDriver(*options, [&options] {
    CZorvanelApp app(ProgramFolders{options->folder, options->folder});
    return app.Run();
  });
}
