// The icon reader on any bytes: a group and its images, each given with its length as two
// bytes (little-endian) before it; the images have the ids 1, 2, 3, ...
#include <cstdint>
#include <string_view>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "versioninfo/icon_group.h"
#include "versioninfo/png_encoding.h"

namespace {

std::string_view TakePiece(std::string_view* input) {
  if (input->size() < 2) {
    std::string_view rest = *input;
    *input = {};
    return rest;
  }
  size_t length = static_cast<uint8_t>((*input)[0]) | static_cast<uint8_t>((*input)[1]) << 8;
  input->remove_prefix(2);
  std::string_view piece = input->substr(0, length);
  input->remove_prefix(piece.size());
  return piece;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view group = TakePiece(&input);
  std::vector<std::string_view> images;
  while (!input.empty()) images.push_back(TakePiece(&input));

  zeb::IconPicture picture;
  zeb::Status read = zeb::ReadIconGroup(
      group,
      [&](uint16_t id, std::string_view* bytes) {
        if (id == 0 || id > images.size()) return false;
        *bytes = images[id - 1];
        return true;
      },
      &picture);
  if (!read.ok()) {
    FUZZ_CHECK(!read.message().empty());
    FUZZ_CHECK(picture.png.empty() && picture.bitmap.pixels.empty());
    return 0;
  }
  if (!picture.png.empty()) {
    // Taken as it is: one of the images, whole.
    bool found = false;
    for (std::string_view image : images) found = found || image == picture.png;
    FUZZ_CHECK(found && picture.bitmap.pixels.empty());
    return 0;
  }
  const zeb::RgbaImage& bitmap = picture.bitmap;
  FUZZ_CHECK(bitmap.width >= 1 && bitmap.width <= zeb::kMaxIconSide);
  FUZZ_CHECK(bitmap.height >= 1 && bitmap.height <= zeb::kMaxIconSide);
  FUZZ_CHECK(bitmap.pixels.size() == size_t{bitmap.width} * bitmap.height * 4);
  for (size_t i = 0; i < bitmap.pixels.size(); i += 4)
    if (bitmap.pixels[i + 3] == 0)
      FUZZ_CHECK(bitmap.pixels[i] == 0 && bitmap.pixels[i + 1] == 0 && bitmap.pixels[i + 2] == 0);
  if (size_t{bitmap.width} * bitmap.height <= 64 * 64) {
    std::string png = zeb::PictureAsPng(picture);
    FUZZ_CHECK(png.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0);
  }
  return 0;
}
