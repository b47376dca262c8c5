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

Status Read(const IconResources& resources, IconPicture* picture) {
  return ReadIconGroup(
      resources.group,
      [&](uint16_t id, std::string_view* bytes) {
        auto image = resources.images.find(id);
        if (image != resources.images.end()) *bytes = image->second;
        return image != resources.images.end();
      },
      picture);
}

IconPicture ReadOrFail(std::string_view ico_name) {
  IconPicture picture;
  Status read = Read(ResourcesOf(TestIco(ico_name)), &picture);
  EXPECT_TRUE(read.ok()) << ico_name << ": " << read.message();
  return picture;
}

void ExpectBitmap(const IconPicture& picture, uint32_t side, int bits, uint32_t colours,
                  bool alpha_channel, const char* what) {
  EXPECT_TRUE(picture.png.empty()) << what;
  EXPECT_EQ(picture.bitmap.width, side) << what;
  EXPECT_EQ(picture.bitmap.height, side) << what;
  EXPECT_TRUE(picture.bitmap.pixels == ExpectedTestPixels(side, bits, colours, alpha_channel))
      << what << ": pixels differ";
}

TEST(IconGroup, DecodesEveryDepthWithItsTransparency) {
  ExpectBitmap(ReadOrFail("mono"), 13, 1, 2, false, "1 bit, rows padded to four bytes");
  ExpectBitmap(ReadOrFail("mask4"), 21, 4, 16, false, "4 bits and a mask, odd width");
  ExpectBitmap(ReadOrFail("pal8"), 17, 8, 100, false, "8 bits, a palette of 100 colours");
  ExpectBitmap(ReadOrFail("one"), 32, 24, 0, false, "one image of 24 bits and a mask");
  ExpectBitmap(ReadOrFail("alpha32"), 48, 32, 0, true, "32 bits: alpha, not the mask");
  ExpectBitmap(ReadOrFail("zeroalpha32"), 32, 32, 0, false, "32 bits, alpha all 0: the mask");
}

TEST(IconGroup, TakesTheLargestImageThenTheDeepestThenTheFirst) {
  // 16 px in 8 bits, 48 px in 4 bits, 32 px in 32 bits, 48 px in 24 bits, 24 px in 1 bit.
  ExpectBitmap(ReadOrFail("sizes"), 48, 24, 0, false, "sizes");
  // Of two equal entries the first counts: the added second names an image that is not there.
  IconResources resources = ResourcesOf(TestIco("sizes"));
  std::string entry = resources.group.substr(6 + 3 * 14, 14);
  entry[12] = 99;
  resources.group[4] = 6;
  IconPicture picture;
  EXPECT_TRUE(Read({resources.group + entry, resources.images}, &picture).ok());

  // A PNG is taken as it is, and its entry's side of 0 means 256.
  resources = ResourcesOf(TestIco("png256"));
  EXPECT_EQ(resources.group[6 + 14], 0);
  picture = ReadOrFail("png256");
  EXPECT_EQ(picture.png, resources.images.at(2));
  EXPECT_TRUE(picture.bitmap.pixels.empty());
  EXPECT_EQ(PictureAsPng(picture), picture.png);
}

// Damaged data is refused with a reason, and never read beyond its end (the sanitizers of
// the native build would stop the test).
TEST(IconGroup, RefusesDamagedDataWithAReason) {
  const IconResources one = ResourcesOf(TestIco("one"));  // 32 px, 24 bits
  auto refused = [&](auto damage, const std::string& reason) {
    IconResources resources = one;
    damage(resources.group, resources.images[1]);
    IconPicture picture;
    Status read = Read(resources, &picture);
    EXPECT_NE(read.message().find(reason), std::string::npos) << reason << ": " << read.message();
    EXPECT_TRUE(!read.ok() && picture.png.empty() && picture.bitmap.pixels.empty()) << reason;
  };
  auto dword = [](std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  };
  using Bytes = std::string&;
  refused([](Bytes, Bytes image) { image.pop_back(); },
          "needs 3240 bytes, but the image holds 3239");
  refused([](Bytes group, Bytes) { group.pop_back(); }, "names 1 images, but holds 19 bytes");
  refused([](Bytes group, Bytes) { group[18] = 9; },
          "names image 9, which the program does not hold");
  refused([](Bytes group, Bytes) { group[2] = 2; }, "of type 2");
  refused([&](Bytes, Bytes image) { dword(image, 0, 5000); }, "wrong size (5000 bytes)");
  refused([&](Bytes, Bytes image) { dword(image, 4, 0x7FFFFFFF); }, "claims 2147483647 by 32");
  refused([&](Bytes, Bytes image) { dword(image, 8, 63); }, "has a wrong size");
  refused([](Bytes, Bytes image) { image[14] = 16; }, "16 bits per pixel");
  refused([&](Bytes, Bytes image) { dword(image, 16, 1); }, "compressed (kind 1)");
  refused([&](Bytes, Bytes image) { image[14] = 4, dword(image, 32, 17); },
          "17 colours for 4 bits");

  IconResources png = ResourcesOf(TestIco("png256"));
  png.images[2].resize(20);
  IconPicture picture;
  EXPECT_EQ(Read(png, &picture).message(), "its PNG image is cut short");

  // Every cut of a whole image and of its group is refused.
  for (const char* name : {"alpha32", "mask4", "mono"}) {
    const IconResources whole = ResourcesOf(TestIco(name));
    for (size_t size = 0; size < whole.images.at(1).size(); ++size) {
      IconResources cut = whole;
      cut.images[1].resize(size);
      ASSERT_FALSE(Read(cut, &picture).ok()) << name << " cut to " << size << " bytes";
    }
    for (size_t size = 0; size < whole.group.size(); ++size)
      ASSERT_FALSE(Read({whole.group.substr(0, size), whole.images}, &picture).ok()) << name;
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
    EXPECT_TRUE(width == int(picture.bitmap.width) && height == int(picture.bitmap.height)) << name;
    EXPECT_TRUE(std::equal(picture.bitmap.pixels.begin(), picture.bitmap.pixels.end(), decoded))
        << name;
    stbi_image_free(decoded);
  }
  EXPECT_EQ(EncodePng(RgbaImage()), "");
}

}  // namespace
}  // namespace zeb::testing
