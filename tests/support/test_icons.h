#pragma once
// The icons that tests/fixtures/make_test_icons.py draws at build time: their .ico bytes, the
// resources a program holds for them (the group and its images), and the formulas every
// pixel follows, the script's own, so a test can check each decoded pixel. Pure, so the native
// tests use it too.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zeb::testing {

struct TestIconFile {
  std::string_view name;
  std::string_view bytes;
};

inline constexpr TestIconFile kTestIconFiles[] = {
#include "test_icons/test_icons.inc"
};

// The .ico file of that name ("one", "sizes", "png256", ...); empty when there is none.
inline std::string_view TestIco(std::string_view name) {
  for (const TestIconFile& file : kTestIconFiles)
    if (file.name == name) return file.bytes;
  return {};
}

// What a resource compiler makes of an .ico file: the group (the directory, each entry with
// the image's id instead of its offset) and the images, numbered from 1.
struct IconResources {
  std::string group;
  std::map<uint16_t, std::string> images;
};

inline uint32_t LittleEndian(std::string_view bytes, size_t at, size_t count) {
  uint32_t value = 0;
  for (size_t i = count; i-- > 0;) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

inline IconResources ResourcesOf(std::string_view ico) {
  IconResources resources;
  const size_t count = LittleEndian(ico, 4, 2);
  resources.group.assign(ico.substr(0, 6));
  for (size_t i = 0; i < count; ++i) {
    std::string_view entry = ico.substr(6 + 16 * i, 16);
    const uint16_t id = static_cast<uint16_t>(i + 1);
    resources.group.append(entry.substr(0, 12));
    resources.group += static_cast<char>(id & 0xFF);
    resources.group += static_cast<char>(id >> 8);
    resources.images[id] = ico.substr(LittleEndian(entry, 12, 4), LittleEndian(entry, 8, 4));
  }
  return resources;
}

// The pixel formulas (x and y from the top left).
using Rgb = std::array<uint8_t, 3>;
inline Rgb TestColour(uint32_t x, uint32_t y) {
  return {static_cast<uint8_t>(x * 37 + 11), static_cast<uint8_t>(y * 53 + 7),
          static_cast<uint8_t>(x * y + 101)};
}
inline uint8_t TestAlpha(uint32_t x, uint32_t y) {
  return static_cast<uint8_t>(x * 29 + y * 17 + 3);
}
inline bool TestMasked(uint32_t x, uint32_t y) { return (x + 2 * y) % 5 == 0; }
inline Rgb TestPaletteEntry(uint32_t i) {
  return {static_cast<uint8_t>(i * 71 + 5), static_cast<uint8_t>(i * 13 + 200),
          static_cast<uint8_t>(i * 151)};
}
inline uint32_t TestPaletteIndex(uint32_t x, uint32_t y, uint32_t colours) {
  return (x * 3 + y) % colours;
}

// The RGBA rows, top first, that the icon reader should give for a square test bitmap of
// that many bits per pixel (colours: its palette's size; alpha_channel: a 32-bit image that
// uses its alpha). A transparent pixel is all zero.
inline std::vector<uint8_t> ExpectedTestPixels(uint32_t side, int bits, uint32_t colours,
                                               bool alpha_channel) {
  std::vector<uint8_t> pixels;
  for (uint32_t y = 0; y < side; ++y) {
    for (uint32_t x = 0; x < side; ++x) {
      Rgb rgb = bits <= 8 ? TestPaletteEntry(TestPaletteIndex(x, y, colours)) : TestColour(x, y);
      uint8_t alpha = alpha_channel ? TestAlpha(x, y) : TestMasked(x, y) ? 0 : 255;
      if (alpha == 0) rgb = {0, 0, 0};
      pixels.insert(pixels.end(), {rgb[0], rgb[1], rgb[2], alpha});
    }
  }
  return pixels;
}

}  // namespace zeb::testing
