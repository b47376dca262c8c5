// The games' pictures: made by the scan from real test games' icons into the pictures folder,
// and copied into a frontend's place without overwriting the user's own pictures.
#include <windows.h>
#include <gtest/gtest.h>

#define STBI_ONLY_PNG
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "catalogue/catalogue.h"
#include "formats/picture_copies.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_icons.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

uint64_t WriteTime(const std::string& path) {
  uint64_t time = 0;
  EXPECT_TRUE(GetFileWriteTime(path, &time).ok()) << path;
  return time;
}

void SetWriteTime(const std::string& path, uint64_t time) {
  HANDLE file =
      CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  FILETIME value{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &value));
  CloseHandle(file);
}

// Stops the work once the first picture has been made.
class StopAfterFirstPicture : public Progress {
 public:
  void Step(const char* activity, size_t, size_t, const std::string&) override {
    if (std::string(activity) == "Making pictures") stop_ = true;
  }
  bool StopRequested() const override { return stop_; }

 private:
  bool stop_ = false;
};

class PicturesTest : public ::testing::Test {
 protected:
  PicturesTest() : catalogue_(prompt_, dir_.path()) {
    MakeFolders(dir_ / "games");
    MakeFolders(dir_ / "roms");
    MakeFolders(dir_ / "dats");
    catalogue_.settings().game_paths = dir_ / "games\\";
    catalogue_.settings().zeb_path = dir_ / "roms\\";
    catalogue_.settings().dat_path = dir_ / "dats\\";
  }

  // A game folder holding a copy of a test game.
  std::string Game(const std::string& folder, const std::string& exe, const std::string& fixture,
                   const char* arch = "x64") {
    std::string path = dir_ / ("games\\" + folder + "\\" + exe);
    MakeFolders(dir_ / ("games\\" + folder));
    CopyFileOrFail(BuiltProgram(std::string("fixtures\\") + arch + "\\" + fixture + ".exe"), path);
    return path;
  }
  Lines Pictures() {
    FileListing listing;
    ListFiles(dir_ / "pictures", "*", &listing);
    return listing.names;
  }
  std::string Picture(const std::string& name) { return dir_ / ("pictures\\" + name); }

  TempFolder dir_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

TEST_F(PicturesTest, TheBuildMakesAPictureForEachEntryWhoseProgramHasAnIcon) {
  Game("Icon Quest", "iconquest.exe", "icon_png");
  Game("Bitmap Quest", "bitmap.exe", "icon_bitmap", "x86");
  Game("Plain", "plain.exe", "noversion");
  std::string damaged = Game("Damaged", "damaged.exe", "icon_damaged");
  Game("Banned", "banned.exe", "icon_png");
  WriteBytes(dir_ / "roms\\banned.zeb", CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  // Made by hand: a program line with arguments, and a game whose program has gone.
  WriteBytes(dir_ / "roms\\withargs.zeb",
             CrLf({dir_ / "games\\Icon Quest", "iconquest.exe -nosound", "Quest", "", ""}));
  WriteBytes(dir_ / "roms\\gone.zeb", CrLf({dir_ / "games\\Gone", "gone.exe", "Gone", "", ""}));

  std::string summary;
  EXPECT_EQ(catalogue_.RunUnattendedBuild(&summary), 0) << "a damaged icon is no failure";
  EXPECT_NE(summary.find(": 4 new entries; 3 pictures;"), std::string::npos) << summary;
  EXPECT_EQ(Pictures(), (Lines{"bitmap.png", "iconquest.png", "withargs.png"}));
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text,
            "These programs' icons are damaged, so their games got no picture:\r\n" + damaged +
                ": its bitmap needs 4264 bytes, but the image holds 2088");

  // A PNG in the icon is the picture as it is; a bitmap is encoded with its alpha.
  const std::string png = ResourcesOf(TestIco("png256")).images.at(2);
  EXPECT_EQ(ReadBytes(Picture("iconquest.png")), png);
  EXPECT_EQ(ReadBytes(Picture("withargs.png")), png);
  std::string bitmap = ReadBytes(Picture("bitmap.png"));
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels =
      stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bitmap.data()),
                            static_cast<int>(bitmap.size()), &width, &height, &channels, 4);
  ASSERT_NE(pixels, nullptr);
  ASSERT_EQ(width, 48);
  ASSERT_EQ(height, 48);
  int wrong = 0;
  for (uint32_t y = 0; y < 48; ++y)
    for (uint32_t x = 0; x < 48; ++x) {
      std::array<uint8_t, 4> expected = ExpectedTestPixel(x, y, 32, 0, true);
      wrong += !std::equal(expected.begin(), expected.end(), pixels + (y * 48 + x) * 4);
    }
  stbi_image_free(pixels);
  EXPECT_EQ(wrong, 0);
}

TEST_F(PicturesTest, ARescanRewritesOnlyPicturesOlderThanTheirProgramOrMissing) {
  Game("Icon Quest", "iconquest.exe", "icon_png");
  std::string bitmap_exe = Game("Bitmap Quest", "bitmap.exe", "icon_bitmap");
  Game("Sky", "sky.exe", "icon_png", "x86");
  catalogue_.GenerateZEBFiles();
  ASSERT_EQ(Pictures(), (Lines{"bitmap.png", "iconquest.png", "sky.png"}));
  auto times = [&] {
    return std::vector<uint64_t>{WriteTime(Picture("bitmap.png")),
                                 WriteTime(Picture("iconquest.png")),
                                 WriteTime(Picture("sky.png"))};
  };
  std::vector<uint64_t> before = times();

  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(times(), before);
  EXPECT_NE(catalogue_.outcome().find("0 new entries; 0 pictures"), std::string::npos)
      << catalogue_.outcome();

  // An updated program gets a new picture; a deleted picture is made again.
  SetWriteTime(bitmap_exe, before[0] + 10'000'000);
  ASSERT_TRUE(DeleteOneFile(Picture("sky.png")).ok());
  catalogue_.GenerateZEBFiles();
  std::vector<uint64_t> after = times();
  EXPECT_GT(after[0], before[0]);
  EXPECT_EQ(after[1], before[1]);
  EXPECT_NE(catalogue_.outcome().find("; 2 pictures"), std::string::npos) << catalogue_.outcome();
  EXPECT_TRUE(prompt_.messages.empty());
  // Nothing is left of the writing: no temporary file, no work folder.
  std::vector<std::string> folders;
  ASSERT_TRUE(ListFolders(dir_ / "pictures", &folders).ok());
  EXPECT_TRUE(folders.empty());
  EXPECT_EQ(AllFiles(dir_ / "pictures"), (Lines{"bitmap.png", "iconquest.png", "sky.png"}));
}

TEST_F(PicturesTest, CancelStopsBetweenPictures) {
  Game("A", "a.exe", "icon_png");
  Game("B", "b.exe", "icon_png");
  Game("C", "c.exe", "icon_png");
  StopAfterFirstPicture progress;
  catalogue_.set_progress(&progress);
  catalogue_.set_scan_threads(1);
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(Pictures(), (Lines{"a.png"}));
  EXPECT_NE(catalogue_.outcome().find("; stopped after 1 of 3 entries: 1 picture"),
            std::string::npos)
      << catalogue_.outcome();
}

TEST_F(PicturesTest, APicturesFolderThatCannotBeMadeIsAFailureNamedOnce) {
  Game("A", "a.exe", "icon_png");
  Game("B", "b.exe", "icon_bitmap");
  WriteBytes(dir_ / "pictures", "a file where the folder should be");
  catalogue_.GenerateZEBFiles();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(
      prompt_.messages[0].text.rfind(
          "These pictures could not be written:\r\nCannot create \"" + dir_ / "pictures\"", 0),
      0u)
      << prompt_.messages[0].text;
  EXPECT_EQ(prompt_.messages[0].text.find("\r\n", 40), std::string::npos) << "named once";
  EXPECT_EQ(catalogue_.failures_reported(), 1u);
  EXPECT_NE(catalogue_.outcome().find("2 new entries; 0 pictures"), std::string::npos);
}

TEST(PictureCopies, ACopyReplacesOnlyOurEarlierCopy) {
  TempFolder dir;
  const std::string pictures = dir / "pictures", covers = dir / "covers",
                    record = dir / "pictures\\copied";
  MakeFolders(pictures);
  MakeFolders(covers);
  for (const char* name : {"new", "hand", "ours", "same"})
    WriteBytes(pictures + "\\" + name + ".png", std::string("picture of ") + name);
  WriteBytes(covers + "\\hand.png", "drawn by hand");
  WriteBytes(covers + "\\ours.png", "our earlier copy");
  WriteBytes(covers + "\\same.png", "picture of same");
  MakeFolders(record);
  WriteBytes(record + "\\ours.png", "our earlier copy");
  WriteBytes(record + "\\hand.png", "our copy the user drew over");
  uint64_t same_time = WriteTime(covers + "\\same.png");

  PictureCopies copies = CopyPicturesTo(pictures, covers, record);
  EXPECT_EQ(copies.copied, 2u);
  EXPECT_EQ(copies.kept, (Lines{"hand.png"}));
  EXPECT_TRUE(copies.failures.empty());
  EXPECT_EQ(ReadBytes(covers + "\\new.png"), "picture of new");
  EXPECT_EQ(ReadBytes(covers + "\\hand.png"), "drawn by hand");
  EXPECT_EQ(ReadBytes(covers + "\\ours.png"), "picture of ours");
  EXPECT_EQ(WriteTime(covers + "\\same.png"), same_time);
  EXPECT_EQ(ReadBytes(record + "\\ours.png"), "picture of ours");

  // Our picture changes: the copy follows it, the user's picture still stays.
  WriteBytes(pictures + "\\ours.png", "a newer picture");
  copies = CopyPicturesTo(pictures, covers, record);
  EXPECT_EQ(copies.copied, 1u);
  EXPECT_EQ(ReadBytes(covers + "\\ours.png"), "a newer picture");
  EXPECT_EQ(ReadBytes(covers + "\\hand.png"), "drawn by hand");
  EXPECT_EQ(AllFiles(covers), (Lines{"hand.png", "new.png", "ours.png", "same.png"}));
}

}  // namespace
}  // namespace zeb::testing
