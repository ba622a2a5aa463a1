// Reads and writes a whole file's bytes in tests.
#ifndef ZORVANEL_TESTS_SUPPORT_FILE_BYTES_H_
#define ZORVANEL_TESTS_SUPPORT_FILE_BYTES_H_

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zorvanel::testing {

// The whole file, or "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Replaces the file's content with `bytes`.
inline void WriteFile(const std::filesystem::path& path,
                      const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace zorvanel::testing

#endif  // ZORVANEL_TESTS_SUPPORT_FILE_BYTES_H_
