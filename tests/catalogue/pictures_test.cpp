// The games' pictures: made by the scan from real test games' icons into the pictures folder,
// and copied into a frontend's place without overwriting the user's own pictures.
#include <windows.h>
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "formats/picture_copies.h"
#include "platform/files.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_icons.h"
#include "versioninfo/png_encoding.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

uint64_t WriteTime(const std::string& path) {
  uint64_t time = 0;
  EXPECT_TRUE(GetFileWriteTime(path, &time).ok()) << path;
  return time;
}

// Stops the work once the first picture is under way.
class StopAtFirstPicture : public Progress {
 public:
  void Step(const char* activity, size_t, size_t, const std::string&) override {
    stop_ = stop_ || std::string(activity) == "Making pictures";
  }
  bool StopRequested() const override { return stop_; }

 private:
  bool stop_ = false;
};

class PicturesTest : public ::testing::Test {
 protected:
  PicturesTest() : catalogue_(prompt_, dir_.path()) {
    MakeFolders(dir_ / "roms");
    MakeFolders(dir_ / "dats");
    catalogue_.settings() = {dir_ / "games\\", dir_ / "roms\\", dir_ / "dats\\", ""};
  }

  // A game folder holding a copy of a test game.
  std::string Game(const std::string& folder, const std::string& exe, const std::string& fixture,
                   const char* arch = "x64") {
    MakeFolders(JoinPath(dir_ / "games", folder));
    std::string path = JoinPath(JoinPath(dir_ / "games", folder), exe);
    CopyFileOrFail(BuiltProgram(JoinPath(JoinPath("fixtures", arch), fixture + ".exe")), path);
    return path;
  }
  std::string Picture(const std::string& name) { return JoinPath(dir_ / "pictures", name); }

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
  // Made by hand: a program line with options, and a game whose program has gone.
  WriteBytes(dir_ / "roms\\withargs.zeb",
             CrLf({dir_ / "games\\Icon Quest", "iconquest.exe -nosound", "Quest", "", ""}));
  WriteBytes(dir_ / "roms\\gone.zeb", CrLf({dir_ / "games\\Gone", "gone.exe", "Gone", "", ""}));

  std::string summary;
  EXPECT_EQ(catalogue_.RunUnattendedBuild(&summary), 0) << "a damaged icon is no failure";
  EXPECT_NE(summary.find("; 3 pictures;"), std::string::npos) << summary;
  EXPECT_EQ(AllFiles(dir_ / "pictures"), (Lines{"bitmap.png", "iconquest.png", "withargs.png"}));
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text,
            "These programs' icons are damaged, so their games got no picture:\r\n" + damaged +
                ": its bitmap needs 4264 bytes, but the image holds 2088");

  // A PNG in the icon is the picture as it is; a bitmap is encoded with its alpha.
  const std::string png = ResourcesOf(TestIco("png256")).images.at(2);
  EXPECT_EQ(ReadBytes(Picture("iconquest.png")), png);
  EXPECT_EQ(ReadBytes(Picture("withargs.png")), png);
  EXPECT_EQ(ReadBytes(Picture("bitmap.png")),
            EncodePng({48, 48, ExpectedTestPixels(48, 32, 0, true)}));
}

TEST_F(PicturesTest, ARescanRewritesOnlyPicturesOlderThanTheirProgramOrMissing) {
  Game("Icon Quest", "iconquest.exe", "icon_png");
  std::string bitmap_exe = Game("Bitmap Quest", "bitmap.exe", "icon_bitmap");
  Game("Sky", "sky.exe", "icon_png", "x86");
  catalogue_.GenerateZEBFiles();
  auto times = [&] {
    return std::vector<uint64_t>{WriteTime(Picture("bitmap.png")),
                                 WriteTime(Picture("iconquest.png")),
                                 WriteTime(Picture("sky.png"))};
  };
  std::vector<uint64_t> before = times();
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(times(), before);
  EXPECT_EQ(catalogue_.outcome().find("picture"), std::string::npos) << catalogue_.outcome();

  // An updated program gets a new picture; a deleted picture is made again.
  HANDLE file =
      CreateFileA(bitmap_exe.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  uint64_t newer = before[0] + 10'000'000;
  FILETIME time{static_cast<DWORD>(newer), static_cast<DWORD>(newer >> 32)};
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
  CloseHandle(file);
  ASSERT_TRUE(DeleteOneFile(Picture("sky.png")).ok());
  catalogue_.GenerateZEBFiles();
  std::vector<uint64_t> after = times();
  EXPECT_GT(after[0], before[0]);
  EXPECT_EQ(after[1], before[1]);
  EXPECT_NE(catalogue_.outcome().find("; 2 pictures"), std::string::npos) << catalogue_.outcome();
  EXPECT_TRUE(prompt_.messages.empty());
  // Nothing is left of the writing: no temporary file, no work folder.
  EXPECT_EQ(AllFiles(dir_ / "pictures"), (Lines{"bitmap.png", "iconquest.png", "sky.png"}));

  // Cancel stops between pictures.
  RemoveTree(dir_ / "pictures");
  StopAtFirstPicture progress;
  catalogue_.set_progress(&progress);
  catalogue_.set_scan_threads(1);
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(AllFiles(dir_ / "pictures"), (Lines{"bitmap.png"}));
  EXPECT_NE(catalogue_.outcome().find("; stopped after 1 of 3 entries: 1 picture"),
            std::string::npos)
      << catalogue_.outcome();
}

TEST(PictureCopies, ACopyReplacesOnlyOurEarlierCopy) {
  TempFolder dir;
  const std::string pictures = dir / "pictures", covers = dir / "covers", record = dir / "record";
  for (const std::string& folder : {pictures, covers, record}) MakeFolders(folder);
  for (const char* name : {"new", "hand", "ours", "same"})
    WriteBytes(JoinPath(pictures, std::string(name) + ".png"), std::string("picture of ") + name);
  WriteBytes(JoinPath(covers, "hand.png"), "drawn by hand");
  WriteBytes(JoinPath(record, "hand.png"), "our copy that the user drew over");
  WriteBytes(JoinPath(pictures, "hidden.png"), "picture of hidden");
  WriteBytes(JoinPath(covers, "hidden.png"), "the user's, hidden");
  SetAttributes(JoinPath(covers, "hidden.png"), FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(JoinPath(covers, "ours.png"), "our earlier copy");
  WriteBytes(JoinPath(record, "ours.png"), "our earlier copy");
  WriteBytes(JoinPath(covers, "same.png"), "picture of same");
  uint64_t same_time = WriteTime(JoinPath(covers, "same.png"));

  PictureCopies copies = CopyPicturesTo(pictures, covers, record);
  EXPECT_EQ(copies.copied, 2u);
  EXPECT_EQ(copies.kept, (Lines{"hand.png", "hidden.png"}));
  EXPECT_TRUE(copies.failures.empty());
  EXPECT_EQ(ReadBytes(JoinPath(covers, "new.png")), "picture of new");
  EXPECT_EQ(ReadBytes(JoinPath(covers, "hand.png")), "drawn by hand");
  EXPECT_EQ(ReadBytes(JoinPath(covers, "hidden.png")), "the user's, hidden");
  EXPECT_EQ(ReadBytes(JoinPath(covers, "ours.png")), "picture of ours");
  EXPECT_EQ(WriteTime(JoinPath(covers, "same.png")), same_time);

  // Our picture changes: the copy follows it; the user's picture still stays.
  WriteBytes(JoinPath(pictures, "ours.png"), "a newer picture");
  copies = CopyPicturesTo(pictures, covers, record);
  EXPECT_EQ(copies.copied, 1u);
  EXPECT_EQ(ReadBytes(JoinPath(covers, "ours.png")), "a newer picture");
  EXPECT_EQ(ReadBytes(JoinPath(covers, "hand.png")), "drawn by hand");
}

}  // namespace
}  // namespace zeb::testing
