#include "versioninfo/icon_group.h"

namespace zeb {

namespace {

// The layout of the resources (little-endian): the group is a 6-byte header (reserved, type
// 1 for icons, count) and one 14-byte entry per image (width, height, colours, reserved,
// planes, bits per pixel, bytes, id); a bitmap image is a BITMAPINFOHEADER, its palette, the
// colour rows and the AND mask rows, both bottom up.
constexpr size_t kGroupHeader = 6;
constexpr size_t kGroupEntry = 14;
constexpr size_t kBitmapHeader = 40;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

uint32_t Byte(std::string_view bytes, size_t at) { return static_cast<uint8_t>(bytes[at]); }
uint32_t Word(std::string_view bytes, size_t at) {
  return Byte(bytes, at) | Byte(bytes, at + 1) << 8;
}
uint32_t Dword(std::string_view bytes, size_t at) {
  return Word(bytes, at) | Word(bytes, at + 2) << 16;
}
int64_t Long(std::string_view bytes, size_t at) { return static_cast<int32_t>(Dword(bytes, at)); }

Status Damaged(const std::string& what) { return Status::Error(what); }

struct GroupEntry {
  uint32_t area;   // width times height, 0 meaning 256
  uint32_t depth;  // bits per pixel, from the colour count when the entry gives none
  uint16_t id;
};

GroupEntry EntryAt(std::string_view group, size_t at) {
  auto side = [&](size_t offset) {
    return Byte(group, at + offset) == 0 ? 256u : Byte(group, at + offset);
  };
  uint32_t colours = Byte(group, at + 2);
  uint32_t depth = Word(group, at + 6);
  if (depth == 0) depth = colours == 0 ? 8 : colours <= 2 ? 1 : colours <= 16 ? 4 : 8;
  return {side(0) * side(1), depth, static_cast<uint16_t>(Word(group, at + 12))};
}

// Bytes per row of a bitmap: rows are padded to whole 32-bit words.
size_t Stride(size_t width, size_t bits) { return (width * bits + 31) / 32 * 4; }

Status ReadPng(std::string_view bytes, IconPicture* picture) {
  // Taken as it is; only make sure it is a PNG file that says how large it is.
  if (bytes.size() < kPngSignature.size() + 8 + 13 || bytes.substr(12, 4) != "IHDR")
    return Damaged("its PNG image is cut short");
  picture->png.assign(bytes);
  picture->bitmap = RgbaImage();
  return Status::Ok();
}

Status DecodeBitmap(std::string_view bytes, RgbaImage* image) {
  if (bytes.size() < kBitmapHeader)
    return Damaged("its bitmap header is cut short (" + std::to_string(bytes.size()) + " bytes)");
  const uint32_t header = Dword(bytes, 0);
  if (header < kBitmapHeader || header > bytes.size())
    return Damaged("its bitmap header gives a wrong size (" + std::to_string(header) + " bytes)");
  const int64_t width = Long(bytes, 4);
  const int64_t doubled = Long(bytes, 8);  // the colour rows and the mask rows
  const uint32_t bits = Word(bytes, 14);
  const uint32_t compression = Dword(bytes, 16);
  const uint32_t colours_used = Dword(bytes, 32);
  if (width <= 0 || doubled <= 0 || doubled % 2 != 0)
    return Damaged("its bitmap has a wrong size (" + std::to_string(width) + " by " +
                   std::to_string(doubled) + " rows of colour and mask)");
  const int64_t height = doubled / 2;
  if (width > kMaxIconSide || height > kMaxIconSide)
    return Damaged("its bitmap claims " + std::to_string(width) + " by " + std::to_string(height) +
                   " pixels");
  if (compression != 0)
    return Damaged("its bitmap is compressed (kind " + std::to_string(compression) + ")");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    return Damaged("its bitmap has " + std::to_string(bits) + " bits per pixel");
  size_t colours = 0;
  if (bits <= 8) {
    colours = colours_used == 0 ? size_t{1} << bits : colours_used;
    if (colours > (size_t{1} << bits))
      return Damaged("its palette has " + std::to_string(colours_used) + " colours for " +
                     std::to_string(bits) + " bits per pixel");
  }
  const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
  const size_t palette = header, colour_rows = palette + 4 * colours;
  const size_t colour_stride = Stride(w, bits), mask_stride = Stride(w, 1);
  const size_t mask_rows = colour_rows + colour_stride * h;
  const size_t needed = mask_rows + mask_stride * h;
  if (needed > bytes.size())
    return Damaged("its bitmap needs " + std::to_string(needed) + " bytes, but the image holds " +
                   std::to_string(bytes.size()));

  // A 32-bit image whose alpha is zero throughout was made for the mask alone.
  bool alpha_channel = false;
  if (bits == 32)
    for (size_t row = 0; row < h && !alpha_channel; ++row)
      for (size_t x = 0; x < w && !alpha_channel; ++x)
        alpha_channel = Byte(bytes, colour_rows + row * colour_stride + 4 * x + 3) != 0;

  image->width = static_cast<uint32_t>(w);
  image->height = static_cast<uint32_t>(h);
  image->pixels.assign(w * h * 4, 0);
  for (size_t row = 0; row < h; ++row) {  // rows are stored bottom up
    const size_t colour_row = colour_rows + row * colour_stride;
    const size_t mask_row = mask_rows + row * mask_stride;
    uint8_t* out = image->pixels.data() + (h - 1 - row) * w * 4;
    for (size_t x = 0; x < w; ++x, out += 4) {
      uint32_t blue = 0, green = 0, red = 0, alpha = 255;
      if (bits <= 8) {
        const size_t bit = x * bits;
        const uint32_t index =
            (Byte(bytes, colour_row + bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        // An index past a short palette shows black, as Windows shows it.
        if (index < colours) {
          blue = Byte(bytes, palette + 4 * index);
          green = Byte(bytes, palette + 4 * index + 1);
          red = Byte(bytes, palette + 4 * index + 2);
        }
      } else {
        const size_t at = colour_row + x * bits / 8;
        blue = Byte(bytes, at);
        green = Byte(bytes, at + 1);
        red = Byte(bytes, at + 2);
        if (alpha_channel) alpha = Byte(bytes, at + 3);
      }
      if (!alpha_channel && (Byte(bytes, mask_row + x / 8) & (0x80u >> (x % 8))) != 0) alpha = 0;
      if (alpha == 0) continue;  // stays all zero
      out[0] = static_cast<uint8_t>(red);
      out[1] = static_cast<uint8_t>(green);
      out[2] = static_cast<uint8_t>(blue);
      out[3] = static_cast<uint8_t>(alpha);
    }
  }
  return Status::Ok();
}

}  // namespace

Status ReadIconGroup(std::string_view group, const IconImageLookup& image, IconPicture* picture) {
  *picture = IconPicture();
  if (group.size() < kGroupHeader)
    return Damaged("its icon group is cut short (" + std::to_string(group.size()) + " bytes)");
  if (Word(group, 2) != 1)
    return Damaged("its icon group is of type " + std::to_string(Word(group, 2)) + ", not 1");
  const size_t count = Word(group, 4);
  if (count == 0) return Damaged("its icon group names no image");
  if (group.size() < kGroupHeader + count * kGroupEntry)
    return Damaged("its icon group names " + std::to_string(count) + " images, but holds " +
                   std::to_string(group.size()) + " bytes");

  GroupEntry best = EntryAt(group, kGroupHeader);
  for (size_t i = 1; i < count; ++i) {
    GroupEntry entry = EntryAt(group, kGroupHeader + i * kGroupEntry);
    if (entry.area > best.area || (entry.area == best.area && entry.depth > best.depth))
      best = entry;
  }
  std::string_view bytes;
  if (!image(best.id, &bytes))
    return Damaged("its icon group names image " + std::to_string(best.id) +
                   ", which the program does not hold");
  if (bytes.substr(0, kPngSignature.size()) == kPngSignature) return ReadPng(bytes, picture);
  Status decoded = DecodeBitmap(bytes, &picture->bitmap);
  if (!decoded.ok()) picture->bitmap = RgbaImage();
  return decoded;
}

}  // namespace zeb
