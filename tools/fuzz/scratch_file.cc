// The fuzz harness's scratch file, and its check that text is valid UTF-8.
#include <glib.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_harness.h"

namespace zorvanel::fuzz {
namespace {

// Where the scratch file goes: memory when the system offers it, since a
// fuzzer rewrites it thousands of times a second.
std::string ScratchFolder() {
  if (::access("/dev/shm", W_OK) == 0) return "/dev/shm";
  const char* dir = std::getenv("TMPDIR");
  return dir != nullptr && *dir != '\0' ? dir : "/tmp";
}

// One temporary file per process, made on first use and removed with the
// process.
class ScratchFile {
 public:
  ScratchFile() {
    std::string pattern = ScratchFolder() + "/zorvanel-fuzz.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) std::abort();  // nowhere to put the input: nothing to test
    ::close(fd);
    path_ = name.data();
  }
  ~ScratchFile() { ::unlink(path_.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const size_t nul = text.find('\0');
    const std::string_view piece = text.substr(0, nul);
    if (!g_utf8_validate_len(piece.data(), piece.size(), nullptr)) return false;
    if (nul == std::string_view::npos) break;
    text.remove_prefix(nul + 1);
  }
  return true;
}

const std::string& WriteScratchFile(std::string_view bytes) {
  static ScratchFile scratch;
  std::ofstream out(scratch.path(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::abort();
  return scratch.path();
}

}  // namespace zorvanel::fuzz
