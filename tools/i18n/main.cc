// langfile: converts the readable translation source (UTF-8) into
// Translation.lang, the UTF-16LE file the program reads.
//
//   langfile SOURCE OUTPUT

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "i18n/translation_source.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: langfile SOURCE OUTPUT\n";
    return 2;
  }
  const std::string source_path = argv[1];
  const std::string output_path = argv[2];
  std::ifstream in(source_path, std::ios::binary);
  if (!in) {
    std::cerr << "langfile: cannot read " << source_path << "\n";
    return 1;
  }
  const std::string source((std::istreambuf_iterator<char>(in)),
                           std::istreambuf_iterator<char>());
  std::string error;
  const auto bytes = zorvanel::ConvertTranslationSource(source, &error);
  if (!bytes) {
    std::cerr << source_path << ": " << error << "\n";
    return 1;
  }
  // Written beside the target and renamed, so a failed run never leaves a
  // truncated language file for the program to load.
  const std::string temporary = output_path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    if (!out.flush()) {
      std::cerr << "langfile: cannot write " << temporary << "\n";
      return 1;
    }
  }
  std::error_code rename_error;
  std::filesystem::rename(temporary, output_path, rename_error);
  if (rename_error) {
    std::cerr << "langfile: cannot write " << output_path << "\n";
    return 1;
  }
  return 0;
}
