// Writes the drawn pictures as the skin bundle the program embeds.
#ifndef ZORVANEL_TOOLS_SKINS_BUNDLE_WRITER_H_
#define ZORVANEL_TOOLS_SKINS_BUNDLE_WRITER_H_

#include <memory>
#include <string>
#include <vector>

#include "picture.h"

namespace zorvanel::skingen {

// Writes the pictures as one bundle, all numbers little-endian:
//   "ZVSK", version (u32) = 1, count (u32),
//   then per picture: id, width, height, bits (u32 each) and the stored
//   pixels (Picture::StoredPixels), width * height * bits / 8 bytes.
// The file is replaced only when its content changes, so an unchanged
// picture set does not rebuild the library that embeds it.
bool WriteBundle(const std::vector<std::unique_ptr<Picture>>& pictures,
                 const std::string& path);

}  // namespace zorvanel::skingen

#endif  // ZORVANEL_TOOLS_SKINS_BUNDLE_WRITER_H_
