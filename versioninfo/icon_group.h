#pragma once
// The picture of a program's icon, from the bytes of its icon resources: the largest image of
// an icon group, either the PNG stored in it as it is or its bitmap decoded to RGBA. The bytes
// come from a program file that anybody may have made, so every size is checked against the
// bytes that are there before anything is read.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace zeb {

// Pixels in rows from the top, four bytes each: red, green, blue, alpha (not premultiplied).
// A fully transparent pixel is all zero.
struct RgbaImage {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> pixels;
};

// One image of an icon: a PNG file's bytes as the icon stores them, or a decoded bitmap.
struct IconPicture {
  std::string png;  // empty for a bitmap
  RgbaImage bitmap;
};

// Finds the bytes of the icon image (RT_ICON resource) of the given id; false when the
// program has no image of that id. The bytes must stay valid until the reader returns.
using IconImageLookup = std::function<bool(uint16_t id, std::string_view* bytes)>;

// No bitmap side may exceed this; a larger one is taken for damaged data.
inline constexpr uint32_t kMaxIconSide = 1024;

// Reads the picture of an icon group (the bytes of an RT_GROUP_ICON resource): its largest
// image by the group's width times height (0 meaning 256), then by colour depth, the first
// of equals. A bitmap of 1, 4 or 8 bits with a palette, or of 24 or 32 bits, is decoded with
// its transparency: the alpha channel of a 32-bit image, or the AND mask (also for a 32-bit
// image whose alpha is zero throughout). Damaged data gives an error saying what is wrong.
Status ReadIconGroup(std::string_view group, const IconImageLookup& image, IconPicture* picture);

}  // namespace zeb
