// Listings, text files and starting programs, on real files in a temporary folder.
#include "platform/files.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/listing.h"
#include "platform/process.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(ListFiles, OrdinaryFilesOnlyInNameOrderIgnoringCase) {
  TempFolder dir;
  for (const char* name : {"b.zeb", "A.zeb", "c.txt", "hidden.zeb", "system.zeb", "D.ZEB"})
    WriteBytes(dir / name, "x");
  SetAttributes(dir / "hidden.zeb", FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(dir / "system.zeb", FILE_ATTRIBUTE_SYSTEM);
  MakeFolders(dir / "folder.zeb");

  FileListing all;
  ASSERT_TRUE(ListFiles(dir.path(), "*.*", &all).ok());
  EXPECT_EQ(all.names, (Lines{"A.zeb", "b.zeb", "c.txt", "D.ZEB"}));
  EXPECT_EQ(all.folder, dir.path());

  FileListing zeb;
  ASSERT_TRUE(ListFiles(dir.path() + "\\", "*.zeb", &zeb).ok());
  EXPECT_EQ(zeb.names, (Lines{"A.zeb", "b.zeb", "D.ZEB"}));
  EXPECT_EQ(zeb.folder, dir.path()) << "the folder carries no trailing backslash";
}

TEST(ListFiles, ReportsARelativeFolderAsAbsolute) {
  TempFolder dir;
  MakeFolders(dir / "roms");
  WriteBytes(dir / "roms\\a.zeb", "x");
  FileListing listing;
  Status status;
  {
    CurrentFolderGuard current(dir.path());
    ASSERT_TRUE(current.ok());
    status = ListFiles("roms\\", "*.*", &listing);
  }
  ASSERT_TRUE(status.ok());
  EXPECT_EQ(listing.folder, dir / "roms");
  EXPECT_EQ(listing.names, (Lines{"a.zeb"}));
}

TEST(ListFiles, AMissingFolderIsAnErrorThatNamesIt) {
  TempFolder dir;
  FileListing listing;
  Status status = ListFiles(dir / "missing", "*.*", &listing);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(dir / "missing"), std::string::npos) << status.message();
  EXPECT_TRUE(listing.names.empty());
}

TEST(ListFolders, DirectSubFoldersAsFullPathsInNameOrder) {
  TempFolder dir;
  MakeFolders(dir / "tanks\\bin");
  MakeFolders(dir / "Sky Race");
  MakeFolders(dir / "arcade");
  WriteBytes(dir / "file.exe", "x");
  std::vector<std::string> folders;
  ASSERT_TRUE(ListFolders(dir.path() + "\\", &folders).ok());
  EXPECT_EQ(folders, (Lines{dir / "arcade", dir / "Sky Race", dir / "tanks"}));

  std::vector<std::string> none;
  EXPECT_TRUE(ListFolders(dir / "arcade", &none).ok());
  EXPECT_TRUE(none.empty());
  EXPECT_FALSE(ListFolders(dir / "missing", &none).ok());
}

TEST(NamesAnyOrdinaryFile, AFolderNamesItsFilesOnlyWithItsFinalBackslash) {
  TempFolder dir;
  MakeFolders(dir / "roms\\sub");
  EXPECT_FALSE(NamesAnyOrdinaryFile(dir / "roms\\")) << "only a sub-folder";
  WriteBytes(dir / "roms\\h.zeb", "x");
  SetAttributes(dir / "roms\\h.zeb", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(NamesAnyOrdinaryFile(dir / "roms\\")) << "only a hidden file";
  WriteBytes(dir / "roms\\a.zeb", "x");
  EXPECT_TRUE(NamesAnyOrdinaryFile(dir / "roms\\"));
  EXPECT_FALSE(NamesAnyOrdinaryFile(dir / "roms"));
  EXPECT_FALSE(NamesAnyOrdinaryFile(dir / "missing\\"));
  EXPECT_FALSE(NamesAnyOrdinaryFile(""));
}

TEST(FileExistence, OrdinaryAnyAndFolder) {
  TempFolder dir;
  WriteBytes(dir / "plain.exe", "x");
  WriteBytes(dir / "hidden.exe", "x");
  SetAttributes(dir / "hidden.exe", FILE_ATTRIBUTE_HIDDEN);
  MakeFolders(dir / "folder.exe");
  EXPECT_TRUE(OrdinaryFileExists(dir / "plain.exe"));
  EXPECT_FALSE(OrdinaryFileExists(dir / "hidden.exe"));
  EXPECT_FALSE(OrdinaryFileExists(dir / "folder.exe"));
  EXPECT_TRUE(AnyFileExists(dir / "hidden.exe"));
  EXPECT_FALSE(AnyFileExists(dir / "folder.exe"));
  EXPECT_FALSE(AnyFileExists(dir / "missing.exe"));
  EXPECT_TRUE(FolderExists(dir / "folder.exe"));
  EXPECT_FALSE(FolderExists(dir / "plain.exe"));
}

TEST(TextFiles, WriteCrLfLinesAndReadThemBack) {
  TempFolder dir;
  ASSERT_TRUE(WriteTextFile(dir / "a.zeb", {"d:\\g", "g.exe", "", "M", "1999"}).ok());
  EXPECT_EQ(ReadBytes(dir / "a.zeb"), "d:\\g\r\ng.exe\r\n\r\nM\r\n1999\r\n");
  Lines lines;
  ASSERT_TRUE(ReadTextFile(dir / "a.zeb", 3, &lines).ok());
  EXPECT_EQ(lines, (Lines{"d:\\g", "g.exe", ""}));
  // Writing again empties the file first.
  ASSERT_TRUE(WriteTextFile(dir / "a.zeb", {"x"}).ok());
  EXPECT_EQ(ReadBytes(dir / "a.zeb"), "x\r\n");
  EXPECT_FALSE(ReadTextFile(dir / "missing", 5, &lines).ok());
}

TEST(TextFiles, ReadingStopsAfterTheLinesItNeeds) {
  TempFolder dir;
  // Five short lines, then a long tail without a line end.
  WriteBytes(dir / "long.zeb", CrLf({"1", "2", "3", "4", "5"}) + std::string(3 << 20, 'x'));
  Lines lines;
  ASSERT_TRUE(ReadTextFile(dir / "long.zeb", 5, &lines).ok());
  EXPECT_EQ(lines, (Lines{"1", "2", "3", "4", "5"}));
  WriteBytes(dir / "one.zeb", std::string(1 << 20, 'y'));
  ASSERT_TRUE(ReadTextFile(dir / "one.zeb", 5, &lines).ok());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].size(), 1u << 20);
}

TEST(TextFiles, AHugeFileWithoutLineEndsIsRefusedNotReadWhole) {
  TempFolder dir;
  WriteBytes(dir / "huge.zeb", std::string(20 << 20, '\0'));
  Lines lines;
  Status status = ReadTextFile(dir / "huge.zeb", 5, &lines);
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(dir / "huge.zeb"), std::string::npos) << status.message();
  EXPECT_TRUE(lines.empty());
}

TEST(TextFiles, AFileAnotherProgramHasOpenForWritingCanStillBeRead) {
  TempFolder dir;
  WriteBytes(dir / "open.zeb", CrLf({"a", "b"}));
  unique_hfile writer(CreateFileA((dir / "open.zeb").c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(writer);
  Lines lines;
  ASSERT_TRUE(ReadTextFile(dir / "open.zeb", 5, &lines).ok());
  EXPECT_EQ(lines, (Lines{"a", "b"}));
  std::string bytes;
  EXPECT_TRUE(ReadFileBytes(dir / "open.zeb", &bytes).ok());
}

TEST(LookUpFile, FoundMissingOrCannotTell) {
  TempFolder dir;
  WriteBytes(dir / "game.exe", "MZ");
  MakeFolders(dir / "folder.exe");
  EXPECT_EQ(LookUpFile(dir / "GAME.EXE"), FileLookup::kFound);
  EXPECT_EQ(LookUpFile(dir / "other.exe"), FileLookup::kMissing);
  EXPECT_EQ(LookUpFile(dir / "gone\\game.exe"), FileLookup::kMissing);
  EXPECT_EQ(LookUpFile(dir / "folder.exe"), FileLookup::kMissing);
  EXPECT_EQ(LookUpFile("Q:\\Games\\game.exe"), FileLookup::kUnknown);
}

TEST(ProgramFileIn, AddsTheExeEndingOnlyWhereTheSystemWould) {
  TempFolder dir;
  WriteBytes(dir / "sky.exe", "MZ");
  WriteBytes(dir / "both", "x");
  WriteBytes(dir / "both.exe", "MZ");
  EXPECT_EQ(ProgramFileIn(dir.path(), "sky.exe"), dir / "sky.exe");
  EXPECT_EQ(ProgramFileIn(dir.path(), "sky"), dir / "sky.exe");
  EXPECT_EQ(ProgramFileIn(dir.path(), "both"), dir / "both");
  EXPECT_EQ(ProgramFileIn(dir.path(), "none"), dir / "none");
  EXPECT_EQ(ProgramFileIn(dir.path() + "\\", "sky.exe"), dir / "sky.exe");
}

TEST(ReplaceTextFile, PutsTheNewFileInPlaceAndLeavesNoTemporaryFile) {
  TempFolder dir;
  WriteBytes(dir / "config.cfg", "old\r\n");
  ASSERT_TRUE(ReplaceTextFile(dir / "config.cfg", {"a", "b", "c", "d"}).ok());
  EXPECT_EQ(ReadBytes(dir / "config.cfg"), "a\r\nb\r\nc\r\nd\r\n");
  FileListing listing;
  ASSERT_TRUE(ListFiles(dir.path(), "*", &listing).ok());
  EXPECT_EQ(listing.names, (Lines{"config.cfg"}));
  Status failed = ReplaceTextFile(dir / "missing\\config.cfg", {"a"});
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.message().find("missing"), std::string::npos) << failed.message();
}

TEST(ReplaceTextFile, LeavesAReadOnlyFileAloneAndSaysSo) {
  TempFolder dir;
  WriteBytes(dir / "game.zeb", "old\r\n");
  SetAttributes(dir / "game.zeb", FILE_ATTRIBUTE_READONLY);
  Status failed = ReplaceTextFile(dir / "game.zeb", {"new"});
  SetAttributes(dir / "game.zeb", 0, FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.message().find(dir / "game.zeb"), std::string::npos) << failed.message();
  EXPECT_EQ(ReadBytes(dir / "game.zeb"), "old\r\n");
}

TEST(CreateTextFileOnce, NeverReplacesAFileThatIsThere) {
  TempFolder dir;
  Status status;
  EXPECT_EQ(CreateTextFileOnce(dir / "g.zeb", {"one"}, &status), CreateOnceResult::kCreated);
  EXPECT_EQ(CreateTextFileOnce(dir / "g.zeb", {"two"}, &status), CreateOnceResult::kAlreadyExists);
  EXPECT_EQ(ReadBytes(dir / "g.zeb"), "one\r\n");
  EXPECT_TRUE(OrdinaryFileExists(dir / "g.zeb")) << "the new file must not stay hidden";
  EXPECT_EQ(CreateTextFileOnce(dir / "missing\\g.zeb", {"x"}, &status), CreateOnceResult::kFailed);
  EXPECT_FALSE(status.ok());
  FileListing listing;
  ASSERT_TRUE(ListFiles(dir.path(), "*", &listing).ok());
  EXPECT_EQ(listing.names, (Lines{"g.zeb"})) << "no temporary file is left behind";
}

TEST(StartProgram, RunsTheNamedFileInTheGivenFolderWithTheGivenCommandText) {
  TempFolder dir;
  MakeFolders(dir / "game");
  testing::CopyFileOrFail(testing::BuiltProgram("fixtures\\recorder.exe"), dir / "game\\play.exe");
  unique_handle process;
  ASSERT_TRUE(
      StartProgram(dir / "game\\play.exe", "play.exe -fast", SW_SHOWNORMAL, dir / "game", &process)
          .ok());
  ASSERT_TRUE(process);
  ASSERT_EQ(WaitForSingleObject(process.get(), 20000), WAIT_OBJECT_0);
  EXPECT_EQ(ReadBytes(dir / "game\\play.exe.record"),
            CrLf({"play.exe -fast", dir / "game", dir / "game\\play.exe"}));

  Status missing = StartProgram(dir / "game\\none.exe", "none.exe", SW_SHOWNORMAL, dir / "game");
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("none.exe"), std::string::npos) << missing.message();
}

}  // namespace
}  // namespace zeb::testing
