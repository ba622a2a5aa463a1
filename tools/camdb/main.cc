// camdb: builds the camera database CameraDB.ptb from the readable camera
// list, and prints a built database back as text.
//
//   camdb SOURCE OUTPUT     build OUTPUT from the camera list SOURCE
//   camdb --print FILE      list the cameras of a built database

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "camdb/camera_database.h"
#include "camdb/camera_list.h"

namespace {

constexpr int kUsageError = 2;

int Usage() {
  std::cerr << "usage: camdb SOURCE OUTPUT\n"
               "       camdb --print FILE\n";
  return kUsageError;
}

// Writes next to the target and renames, so that a failed build never
// leaves a half-written database behind for the program to find.
bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

int Build(const std::string& source_path, const std::string& output_path) {
  std::ifstream source(source_path);
  if (!source) {
    std::cerr << "camdb: cannot read " << source_path << "\n";
    return 1;
  }
  std::string error;
  const auto entries = zorvanel::ParseCameraList(source, &error);
  if (!entries) {
    std::cerr << source_path << ": " << error << "\n";
    return 1;
  }
  if (entries->empty()) {
    std::cerr << source_path << ": no camera listed\n";
    return 1;
  }
  const zorvanel::Equipment database = zorvanel::BuildCameraDatabase(*entries);
  if (!WriteFileAtomically(output_path, database.SerializeAsString())) {
    std::cerr << "camdb: cannot write " << output_path << "\n";
    return 1;
  }
  return 0;
}

int Print(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "camdb: cannot read " << path << "\n";
    return 1;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)),
                          std::istreambuf_iterator<char>());
  zorvanel::Equipment database;
  if (!database.ParseFromString(bytes)) {
    std::cerr << "camdb: " << path << " is not a camera database\n";
    return 1;
  }
  std::cout << zorvanel::FormatCameraDatabase(database);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  const std::string first = argv[1];
  if (first == "--print") return Print(argv[2]);
  if (!first.empty() && first.front() == '-') return Usage();
  return Build(first, argv[2]);
}
