// Finds a picture by id in a skin bundle, the embedded one by default.
#include "skins/skin_bundle.h"

// Bounds of the bundle that skin_bundle_data.cc links in.
extern "C" const uint8_t zv_skin_bundle_begin[];
extern "C" const uint8_t zv_skin_bundle_end[];

namespace zorvanel {

namespace {

constexpr uint32_t kBundleVersion = 1;
constexpr size_t kHeaderBytes = 12;
constexpr size_t kRecordHeaderBytes = 16;
// Far above any skin; keeps the size arithmetic below from overflowing.
constexpr uint32_t kMaxSide = 16384;

uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool HeaderIsValid(const uint8_t* data, size_t size) {
  return size >= kHeaderBytes && data[0] == 'Z' && data[1] == 'V' &&
         data[2] == 'S' && data[3] == 'K' &&
         ReadU32(data + 4) == kBundleVersion;
}

}  // namespace

std::optional<SkinRecord> FindSkinRecordIn(const uint8_t* data, size_t size,
                                           unsigned id) {
  if (data == nullptr || !HeaderIsValid(data, size)) return std::nullopt;
  const uint32_t count = ReadU32(data + 8);
  size_t offset = kHeaderBytes;
  for (uint32_t i = 0; i < count; ++i) {
    if (size - offset < kRecordHeaderBytes) return std::nullopt;
    const uint8_t* header = data + offset;
    const uint32_t record_id = ReadU32(header);
    const uint32_t width = ReadU32(header + 4);
    const uint32_t height = ReadU32(header + 8);
    const uint32_t bits = ReadU32(header + 12);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide ||
        (bits != 24 && bits != 32)) {
      return std::nullopt;
    }
    const size_t pixel_bytes = size_t{width} * height * (bits / 8);
    offset += kRecordHeaderBytes;
    if (size - offset < pixel_bytes) return std::nullopt;
    if (record_id == id) {
      return SkinRecord{record_id, static_cast<int>(width),
                        static_cast<int>(height), static_cast<int>(bits),
                        data + offset};
    }
    offset += pixel_bytes;
  }
  return std::nullopt;
}

std::optional<SkinRecord> FindSkinRecord(unsigned id) {
  return FindSkinRecordIn(
      zv_skin_bundle_begin,
      static_cast<size_t>(zv_skin_bundle_end - zv_skin_bundle_begin), id);
}

}  // namespace zorvanel
