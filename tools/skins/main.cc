// zv_skingen: draws the skin pictures of the program.
//
//   zv_skingen [--bundle FILE] [--png-dir DIR] [--contact FILE.png]
//              [--icon SIZE FILE.png]...
//
// FILE is the bundle that the zv_skins library embeds; DIR receives one PNG
// per picture (named <id>_<name>.png) and the contact sheet shows them all,
// at their own size and stretched the way the screens use them. Each --icon
// draws the program's icon (the window icon's logo) at SIZE x SIZE pixels
// for the desktop's menus.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bundle_writer.h"
#include "contact_sheet.h"
#include "picture.h"
#include "skins/picture_ids.h"

namespace {

struct IconRequest {
  int size;
  std::string path;
};

struct Options {
  std::string bundle;
  std::string png_dir;
  std::string contact;
  std::vector<IconRequest> icons;
};

constexpr int kLargestIcon = 1024;

bool ParseIcon(const char* size_text, const char* path,
               std::vector<IconRequest>& icons) {
  char* end = nullptr;
  const long size = std::strtol(size_text, &end, 10);
  if (*end != '\0' || size < 1 || size > kLargestIcon) return false;
  icons.push_back({static_cast<int>(size), path});
  return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (std::strcmp(argv[i], "--bundle") == 0 && has_value) {
      options.bundle = argv[++i];
    } else if (std::strcmp(argv[i], "--png-dir") == 0 && has_value) {
      options.png_dir = argv[++i];
    } else if (std::strcmp(argv[i], "--contact") == 0 && has_value) {
      options.contact = argv[++i];
    } else if (std::strcmp(argv[i], "--icon") == 0 && i + 2 < argc) {
      if (!ParseIcon(argv[i + 1], argv[i + 2], options.icons)) return false;
      i += 2;
    } else {
      return false;
    }
  }
  return !options.bundle.empty() || !options.icons.empty();
}

// The window icon's picture, drawn afresh at the asked size rather than
// scaled from its 64 x 64 pixels.
bool WriteIcon(const IconRequest& icon) {
  for (const auto& picture : zorvanel::skingen::AllPictures()) {
    if (picture.id != zorvanel::pictures::kWindowIcon) continue;
    zorvanel::skingen::PictureRecipe sized = picture;
    sized.width = icon.size;
    sized.height = icon.size;
    return zorvanel::skingen::Picture(sized).SavePng(icon.path);
  }
  return false;
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
                 "usage: zv_skingen [--bundle FILE] [--png-dir DIR] "
                 "[--contact FILE.png] [--icon SIZE FILE.png]...\n");
    return 2;
  }
  for (const IconRequest& icon : options.icons) {
    if (!WriteIcon(icon)) {
      std::fprintf(stderr, "zv_skingen: cannot write %s\n", icon.path.c_str());
      return 1;
    }
  }
  if (options.bundle.empty()) return 0;
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
