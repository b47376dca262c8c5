#pragma once
// Icon pictures as PNG files, encoded by stb_image_write.
#include <string>

#include "versioninfo/icon_group.h"

namespace zeb {

// The image as the bytes of a PNG file (8-bit RGBA); empty for an image without pixels.
std::string EncodePng(const RgbaImage& image);

// The picture as a PNG file: a PNG stored in the icon as it is, a bitmap encoded.
std::string PictureAsPng(const IconPicture& picture);

}  // namespace zeb
