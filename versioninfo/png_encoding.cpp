#include "versioninfo/png_encoding.h"

// The encoder's one implementation; it needs no file functions of its own.
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace zeb {

std::string EncodePng(const RgbaImage& image) {
  if (image.width == 0 || image.height == 0 ||
      image.pixels.size() != static_cast<size_t>(image.width) * image.height * 4)
    return "";
  std::string png;
  auto append = [](void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<size_t>(size));
  };
  int stride = static_cast<int>(image.width * 4);
  if (!stbi_write_png_to_func(append, &png, static_cast<int>(image.width),
                              static_cast<int>(image.height), 4, image.pixels.data(), stride))
    return "";
  return png;
}

std::string PictureAsPng(const IconPicture& picture) {
  return picture.png.empty() ? EncodePng(picture.bitmap) : picture.png;
}

}  // namespace zeb
