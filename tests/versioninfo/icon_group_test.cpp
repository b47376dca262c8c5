// The icon reader and the PNG encoder on icons drawn by the test build
// (tests/fixtures/make_test_icons.py), and on damaged copies of them.
#include "versioninfo/icon_group.h"

#include <gtest/gtest.h>

#define STBI_ONLY_PNG
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "tests/support/test_icons.h"
#include "versioninfo/png_encoding.h"

namespace zeb::testing {
namespace {

IconImageLookup LookupIn(const IconResources& resources) {
  return [&resources](uint16_t id, std::string_view* bytes) {
    auto image = resources.images.find(id);
    if (image == resources.images.end()) return false;
    *bytes = image->second;
    return true;
  };
}

Status Read(const IconResources& resources, IconPicture* picture) {
  return ReadIconGroup(resources.group, LookupIn(resources), picture);
}

IconPicture ReadOrFail(std::string_view ico_name) {
  IconResources resources = ResourcesOf(TestIco(ico_name));
  IconPicture picture;
  Status read = Read(resources, &picture);
  EXPECT_TRUE(read.ok()) << ico_name << ": " << read.message();
  return picture;
}

void ExpectTestPixels(const RgbaImage& image, uint32_t side, int bits, uint32_t colours,
                      bool alpha_channel, const std::string& what) {
  ASSERT_EQ(image.width, side) << what;
  ASSERT_EQ(image.height, side) << what;
  ASSERT_EQ(image.pixels.size(), size_t{side} * side * 4) << what;
  int wrong = 0;
  for (uint32_t y = 0; y < side; ++y) {
    for (uint32_t x = 0; x < side; ++x) {
      std::array<uint8_t, 4> expected = ExpectedTestPixel(x, y, bits, colours, alpha_channel);
      const uint8_t* got = &image.pixels[(size_t{y} * side + x) * 4];
      if (std::equal(expected.begin(), expected.end(), got)) continue;
      if (++wrong <= 3)
        ADD_FAILURE() << what << ": pixel " << x << "," << y << " is " << int(got[0]) << ","
                      << int(got[1]) << "," << int(got[2]) << "," << int(got[3]) << ", expected "
                      << int(expected[0]) << "," << int(expected[1]) << "," << int(expected[2])
                      << "," << int(expected[3]);
    }
  }
  EXPECT_EQ(wrong, 0) << what << ": pixels wrong";
}

// Each single-image icon: every depth the reader decodes, with its transparency.
struct Depth {
  const char* ico;
  uint32_t side;
  int bits;
  uint32_t colours;
  bool alpha_channel;
};
constexpr Depth kDepths[] = {
    {"mono", 13, 1, 2, false},          // 1 bit, a row of two bytes padded to four
    {"mask4", 21, 4, 16, false},        // 4 bits with a mask; an odd width ends on a half byte
    {"pal8", 17, 8, 100, false},        // 8 bits with a palette shorter than 256 colours
    {"one", 32, 24, 0, false},          // 24 bits and the mask
    {"alpha32", 48, 32, 0, true},       // 32 bits: the alpha channel, not the mask
    {"zeroalpha32", 32, 32, 0, false},  // 32 bits whose alpha is all zero: the mask
};

TEST(IconGroup, DecodesEveryDepthWithItsTransparency) {
  for (const Depth& depth : kDepths) {
    IconPicture picture = ReadOrFail(depth.ico);
    EXPECT_TRUE(picture.png.empty()) << depth.ico;
    ExpectTestPixels(picture.bitmap, depth.side, depth.bits, depth.colours, depth.alpha_channel,
                     depth.ico);
  }
}

TEST(IconGroup, TakesTheLargestImageThenTheDeepestThenTheFirst) {
  // 16 px in 8 bits, 48 px in 4 bits, 32 px in 32 bits, 48 px in 24 bits, 24 px in 1 bit.
  IconPicture picture = ReadOrFail("sizes");
  ExpectTestPixels(picture.bitmap, 48, 24, 0, false, "sizes");

  // Of two equal entries the first counts: the second names an image that is not there.
  IconResources resources = ResourcesOf(TestIco("sizes"));
  std::string entry = resources.group.substr(6 + 3 * 14, 14);  // the 48 px one of 24 bits
  entry[12] = 99;
  resources.group[4] = 6;
  resources.group += entry;
  ASSERT_TRUE(Read(resources, &picture).ok());
  EXPECT_EQ(picture.bitmap.width, 48u);
}

TEST(IconGroup, APngImageIsTakenAsItIsAndASideOfZeroIs256) {
  IconResources resources = ResourcesOf(TestIco("png256"));
  ASSERT_EQ(static_cast<uint8_t>(resources.group[6 + 14]), 0);  // the PNG's entry says 0
  IconPicture picture = ReadOrFail("png256");
  EXPECT_EQ(picture.png, resources.images.at(2));
  EXPECT_TRUE(picture.bitmap.pixels.empty());
  EXPECT_EQ(PictureAsPng(picture), picture.png);
}

// Damaged data is refused with a reason, and never read beyond its end (the sanitizers of
// the native build would stop the test).
TEST(IconGroup, RefusesDamagedDataWithAReason) {
  const IconResources one = ResourcesOf(TestIco("one"));  // 32 px, 24 bits
  auto refused = [&](const char* what, IconResources resources, const std::string& reason) {
    IconPicture picture;
    Status read = Read(resources, &picture);
    EXPECT_FALSE(read.ok()) << what;
    EXPECT_NE(read.message().find(reason), std::string::npos) << what << ": " << read.message();
    EXPECT_TRUE(picture.png.empty() && picture.bitmap.pixels.empty()) << what;
  };
  auto with = [&](auto change) {
    IconResources resources = one;
    change(resources.group, resources.images[1]);
    return resources;
  };
  auto set_dword = [](std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  };

  refused("a truncated image", with([](std::string&, std::string& image) { image.pop_back(); }),
          "needs 3240 bytes, but the image holds 3239");
  refused("a truncated group", with([](std::string& group, std::string&) { group.pop_back(); }),
          "names 1 images, but holds 19 bytes");
  refused("a group of 3 bytes", with([](std::string& group, std::string&) { group.resize(3); }),
          "cut short (3 bytes)");
  refused("a group naming a missing image",
          with([](std::string& group, std::string&) { group[18] = 9; }),
          "names image 9, which the program does not hold");
  refused("a group of no image", with([](std::string& group, std::string&) { group[4] = 0; }),
          "names no image");
  refused("a cursor group", with([](std::string& group, std::string&) { group[2] = 2; }),
          "of type 2");
  refused("a header cut short", with([](std::string&, std::string& image) { image.resize(39); }),
          "header is cut short");
  refused("a header longer than the image",
          with([&](std::string&, std::string& image) { set_dword(image, 0, 5000); }),
          "wrong size (5000 bytes)");
  refused("a huge width",
          with([&](std::string&, std::string& image) { set_dword(image, 4, 0x7FFFFFFF); }),
          "claims 2147483647 by 32 pixels");
  refused("a negative height",
          with([&](std::string&, std::string& image) { set_dword(image, 8, 0xFFFFFFC0); }),
          "wrong size");
  refused("an odd height", with([&](std::string&, std::string& image) { set_dword(image, 8, 63); }),
          "wrong size");
  refused("16 bits per pixel", with([](std::string&, std::string& image) { image[14] = 16; }),
          "16 bits per pixel");
  refused("a compressed bitmap",
          with([&](std::string&, std::string& image) { set_dword(image, 16, 1); }),
          "compressed (kind 1)");
  IconResources mask4 = ResourcesOf(TestIco("mask4"));
  set_dword(mask4.images[1], 32, 17);
  refused("17 colours for 4 bits", mask4, "palette has 17 colours for 4 bits");
  IconResources png = ResourcesOf(TestIco("png256"));
  png.images[2].resize(20);
  refused("a PNG cut short", png, "PNG image is cut short");

  // Every cut of a whole image and of its group is refused, none read past the end.
  for (const char* name : {"alpha32", "mask4", "mono"}) {
    const IconResources whole = ResourcesOf(TestIco(name));
    for (size_t size = 0; size < whole.images.at(1).size(); ++size) {
      IconResources cut = whole;
      cut.images[1].resize(size);
      IconPicture picture;
      ASSERT_FALSE(Read(cut, &picture).ok()) << name << " cut to " << size << " bytes";
    }
    for (size_t size = 0; size < whole.group.size(); ++size) {
      IconPicture picture;
      ASSERT_FALSE(
          ReadIconGroup(std::string_view(whole.group).substr(0, size), LookupIn(whole), &picture)
              .ok())
          << name << " group cut to " << size << " bytes";
    }
  }
}

TEST(PngEncoding, TheEncodedPictureDecodesToTheSamePixels) {
  for (const char* name : {"alpha32", "mask4"}) {
    IconPicture picture = ReadOrFail(name);
    std::string png = PictureAsPng(picture);
    int width = 0, height = 0, channels = 0;
    stbi_uc* decoded =
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()),
                              static_cast<int>(png.size()), &width, &height, &channels, 4);
    ASSERT_NE(decoded, nullptr) << name << ": " << stbi_failure_reason();
    std::vector<uint8_t> pixels(decoded, decoded + size_t(width) * height * 4);
    stbi_image_free(decoded);
    EXPECT_EQ(width, static_cast<int>(picture.bitmap.width)) << name;
    EXPECT_EQ(height, static_cast<int>(picture.bitmap.height)) << name;
    EXPECT_EQ(channels, 4) << name;
    EXPECT_TRUE(pixels == picture.bitmap.pixels) << name;
  }
  EXPECT_EQ(EncodePng(RgbaImage()), "");
}

}  // namespace
}  // namespace zeb::testing
