// zv_skingen: draws the skin pictures of the program.
//
//   zv_skingen --bundle FILE [--png-dir DIR] [--contact FILE.png]
//
// FILE is the bundle that the zv_skins library embeds; DIR receives one PNG
// per picture (named <id>_<name>.png) and the contact sheet shows them all,
// at their own size and stretched the way the screens use them.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bundle_writer.h"
#include "contact_sheet.h"
#include "picture.h"

namespace {

struct Options {
  std::string bundle;
  std::string png_dir;
  std::string contact;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (std::strcmp(argv[i], "--bundle") == 0 && has_value) {
      options.bundle = argv[++i];
    } else if (std::strcmp(argv[i], "--png-dir") == 0 && has_value) {
      options.png_dir = argv[++i];
    } else if (std::strcmp(argv[i], "--contact") == 0 && has_value) {
      options.contact = argv[++i];
    } else {
      return false;
    }
  }
  return !options.bundle.empty();
}

bool WritePngs(
    const std::vector<std::unique_ptr<zorvanel::skingen::Picture>>& pictures,
    const std::string& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  for (const auto& picture : pictures) {
    const auto& info = picture->info();
    const std::string path =
        dir + "/" + std::to_string(info.id) + "_" + info.name + ".png";
    if (!picture->SavePng(path)) {
      std::fprintf(stderr, "zv_skingen: cannot write %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using zorvanel::skingen::Picture;
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: zv_skingen --bundle FILE [--png-dir DIR] "
                 "[--contact FILE.png]\n");
    return 2;
  }
  std::vector<std::unique_ptr<Picture>> pictures;
  for (const auto& info : zorvanel::skingen::AllPictures()) {
    pictures.push_back(std::make_unique<Picture>(info));
  }
  if (!zorvanel::skingen::WriteBundle(pictures, options.bundle)) {
    std::fprintf(stderr, "zv_skingen: cannot write %s\n",
                 options.bundle.c_str());
    return 1;
  }
  if (!options.png_dir.empty() && !WritePngs(pictures, options.png_dir)) {
    return 1;
  }
  if (!options.contact.empty() &&
      !zorvanel::skingen::WriteContactSheet(pictures, options.contact)) {
    std::fprintf(stderr, "zv_skingen: cannot write %s\n",
                 options.contact.c_str());
    return 1;
  }
  return 0;
}
