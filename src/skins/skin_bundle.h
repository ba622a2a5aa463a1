// Finds a picture by id in a skin bundle, the embedded one by default.
#ifndef ZORVANEL_SKINS_SKIN_BUNDLE_H_
#define ZORVANEL_SKINS_SKIN_BUNDLE_H_

#include <cstddef>
#include <cstdint>
#include <optional>

namespace zorvanel {

// One picture of a skin bundle, pointing into the bundle's bytes.
struct SkinRecord {
  unsigned id = 0;
  int width = 0;
  int height = 0;
  int bits = 0;  // 24 or 32
  // Top row first; blue, green, red per pixel for 24 bits, blue, green, red,
  // alpha (not premultiplied) for 32 bits.
  const uint8_t* pixels = nullptr;
};

// Finds picture `id` in a bundle written by zv_skingen: "ZVSK", version 1,
// count, then per picture id, width, height, bits (little-endian 32-bit
// words) and its pixels. A damaged bundle gives nothing from the damaged
// record on; nothing is read outside [data, data + size).
std::optional<SkinRecord> FindSkinRecordIn(const uint8_t* data, size_t size,
                                           unsigned id);

// The same in the bundle embedded in the program.
std::optional<SkinRecord> FindSkinRecord(unsigned id);

}  // namespace zorvanel

#endif  // ZORVANEL_SKINS_SKIN_BUNDLE_H_
