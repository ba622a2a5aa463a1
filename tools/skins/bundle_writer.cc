// Writes the drawn pictures as the skin bundle the program embeds.
#include "bundle_writer.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace zorvanel::skingen {

namespace {

constexpr uint32_t kBundleVersion = 1;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

bool SameAsFile(const std::vector<uint8_t>& bytes, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)),
                           std::istreambuf_iterator<char>());
  return old == bytes;
}

}  // namespace

bool WriteBundle(const std::vector<std::unique_ptr<Picture>>& pictures,
                 const std::string& path) {
  std::vector<uint8_t> bytes = {'Z', 'V', 'S', 'K'};
  PutU32(bytes, kBundleVersion);
  PutU32(bytes, static_cast<uint32_t>(pictures.size()));
  for (const auto& picture : pictures) {
    const PictureRecipe& info = picture->info();
    PutU32(bytes, info.id);
    PutU32(bytes, static_cast<uint32_t>(info.width));
    PutU32(bytes, static_cast<uint32_t>(info.height));
    PutU32(bytes, static_cast<uint32_t>(info.bits));
    std::vector<uint8_t> pixels = picture->StoredPixels();
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
  }
  if (SameAsFile(bytes, path)) return true;
  // Written beside the target and renamed, so a failed run never leaves a
  // half-written bundle for the build to embed.
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  return std::rename(temp.c_str(), path.c_str()) == 0;
}

}  // namespace zorvanel::skingen
