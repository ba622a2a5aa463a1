// A skin picture of the program, loaded from the bundle and premultiplied.
#include "skins/bitmap.h"

#include "skins/skin_bundle.h"

namespace zorvanel {

namespace {

// Copies a bundle record into the image: 24-bit pictures opaque, 32-bit
// ones premultiplied for blending.
void FillImage(const SkinRecord& record, Image& image) {
  const int bytes_per_pixel = record.bits / 8;
  const uint8_t* in = record.pixels;
  for (int y = 0; y < record.height; ++y) {
    uint32_t* row = image.data() + y * image.stride_words();
    for (int x = 0; x < record.width; ++x, in += bytes_per_pixel) {
      uint8_t bgra[4] = {in[0], in[1], in[2], 255};
      if (record.bits == 32) {
        bgra[3] = in[3];
        PremultiplyPixel(bgra);
      }
      row[x] = static_cast<uint32_t>(bgra[3]) << 24 |
               static_cast<uint32_t>(bgra[2]) << 16 |
               static_cast<uint32_t>(bgra[1]) << 8 | bgra[0];
    }
  }
  image.MarkDirty();
}

Status AlreadyLoaded() {
  return Status::Failure("the picture is loaded already");
}

}  // namespace

Bitmap::Bitmap() = default;
Bitmap::~Bitmap() = default;

Status Bitmap::Load(unsigned id) {
  if (loaded()) return AlreadyLoaded();
  const std::optional<SkinRecord> record = FindSkinRecord(id);
  if (!record) return Status::Failure("no picture " + std::to_string(id));
  return LoadRecord(*record);
}

Status Bitmap::LoadRecord(const SkinRecord& record) {
  if (loaded()) return AlreadyLoaded();
  if (record.pixels == nullptr || record.width <= 0 || record.height <= 0 ||
      (record.bits != 24 && record.bits != 32)) {
    return Status::Failure("picture " + std::to_string(record.id) +
                           " is not a 24 or 32-bit picture");
  }
  auto image =
      std::make_unique<Image>(record.width, record.height, record.bits);
  FillImage(record, *image);
  width_ = record.width;
  height_ = record.height;
  bits_per_pixel_ = record.bits;
  image_ = std::move(image);
  return Status();
}

void PremultiplyPixel(uint8_t bgra[4]) {
  const unsigned alpha = bgra[3];
  for (int i = 0; i < 3; ++i) {
    bgra[i] = static_cast<uint8_t>(bgra[i] * alpha / 255);
  }
}

}  // namespace zorvanel
