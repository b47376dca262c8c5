// Start-up, the settings file and the list of entries, on real entry folders.
#include <windows.h>
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/program_info.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

class CatalogueTest : public ::testing::Test {
 protected:
  CatalogueTest() : catalogue_(prompt_, dir_.path()) {}

  // An entry folder inside the temporary folder, with the setting pointing at it.
  std::string UseEntryFolder() {
    MakeFolders(dir_ / "roms");
    catalogue_.settings().zeb_path = dir_ / "roms\\";
    return dir_ / "roms";
  }

  TempFolder dir_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

TEST_F(CatalogueTest, FirstStartWithoutSettingsFileGivesFourEmptyFields) {
  catalogue_.settings() = {"d:\\pc games\\", "roms\\", "dats\\", ""};
  catalogue_.StartUp();
  EXPECT_EQ(SettingsLines(catalogue_.settings()), (Lines{"", "", "", ""}));
  ASSERT_TRUE(catalogue_.SaveSettings().ok());
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), "\r\n\r\n\r\n\r\n");
}

TEST_F(CatalogueTest, ATwoLineSettingsFileRepeatsItsLastLine) {
  WriteBytes(dir_ / "config.cfg", CrLf({"d:\\pc games\\", "roms\\"}));
  catalogue_.StartUp();
  EXPECT_EQ(SettingsLines(catalogue_.settings()),
            (Lines{"d:\\pc games\\", "roms\\", "roms\\", "roms\\"}));
}

TEST_F(CatalogueTest, ClosingWritesTheFieldsAsTheyStand) {
  WriteBytes(dir_ / "config.cfg", CrLf({"g\\", "", "dats\\", "c:\\dk\\"}));
  catalogue_.StartUp();
  EXPECT_EQ(SettingsLines(catalogue_.settings()), (Lines{"g\\", "", "dats\\", "c:\\dk\\"}));
  catalogue_.settings().zeb_path = "my roms\\";
  ASSERT_TRUE(catalogue_.SaveSettings().ok());
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), CrLf({"g\\", "my roms\\", "dats\\", "c:\\dk\\"}));
}

TEST(CatalogueSave, AFailedSaveNamesThePath) {
  TempFolder dir;
  RecordingPrompt prompt;
  Catalogue catalogue(prompt, dir / "gone");
  Status saved = catalogue.SaveSettings();
  EXPECT_FALSE(saved.ok());
  EXPECT_NE(saved.message().find(dir / "gone\\config.cfg"), std::string::npos) << saved.message();
}

TEST_F(CatalogueTest, ListsEveryOrdinaryFileButBlacklistEntriesInNameOrder) {
  std::string roms = UseEntryFolder();
  WriteBytes(roms + "\\sky.zeb",
             CrLf({"d:\\g\\Sky Race", "sky.exe", "Sky Race", "Example", "1999"}));
  WriteBytes(roms + "\\Alpha.zeb", CrLf({"d:\\g\\A", "Alpha.exe", "Alpha", "", ""}));
  WriteBytes(roms + "\\banned.zeb", CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  WriteBytes(roms + "\\marker.zeb", CrLf({"NULL", "x.exe", "other", "lines", ""}));
  WriteBytes(roms + "\\lower.zeb", CrLf({"null", "l.exe", "L", "", ""}));
  WriteBytes(roms + "\\notes.txt", "just a note");
  WriteBytes(roms + "\\short.zeb", CrLf({"d:\\g\\S", "s.exe"}));
  WriteBytes(roms + "\\extra.zeb", CrLf({"d:\\g\\E", "e.exe", "E", "M", "2001", "sixth line"}));
  WriteBytes(roms + "\\hidden.zeb", CrLf({"d:\\g\\H", "h.exe", "H", "", ""}));
  SetAttributes(roms + "\\hidden.zeb", FILE_ATTRIBUTE_HIDDEN);
  MakeFolders(roms + "\\sub.zeb");

  catalogue_.LoadZEBs();
  EXPECT_EQ(catalogue_.rows(), (Lines{
                                   "d:\\g\\A|Alpha.exe|Alpha||",
                                   "d:\\g\\E|e.exe|E|M|2001",
                                   "null|l.exe|L||",
                                   "just a note||||",
                                   "d:\\g\\S|s.exe|||",
                                   "d:\\g\\Sky Race|sky.exe|Sky Race|Example|1999",
                               }));
  EXPECT_EQ(catalogue_.selected(), -1);
}

TEST_F(CatalogueTest, AnEntryFolderWithoutFinalBackslashIsListedOneWithoutFilesListsNothing) {
  std::string roms = UseEntryFolder();
  catalogue_.LoadZEBs();
  EXPECT_TRUE(catalogue_.rows().empty());
  WriteBytes(roms + "\\a.zeb", CrLf({"f", "a.exe", "A", "", ""}));
  catalogue_.settings().zeb_path = roms;  // no trailing backslash: it gets one
  catalogue_.LoadZEBs();
  EXPECT_EQ(catalogue_.rows(), (Lines{"f|a.exe|A||"}));
  catalogue_.settings().zeb_path = dir_ / "missing\\";
  catalogue_.LoadZEBs();
  EXPECT_TRUE(catalogue_.rows().empty());
  catalogue_.settings().zeb_path = "";
  catalogue_.LoadZEBs();
  EXPECT_TRUE(catalogue_.rows().empty());
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(CatalogueTest, ALockedEntryFileIsPassedOverAndTheOthersListed) {
  std::string roms = UseEntryFolder();
  WriteBytes(roms + "\\a.zeb", CrLf({"f", "a.exe", "A", "", ""}));
  WriteBytes(roms + "\\b.zeb", CrLf({"f", "b.exe", "B", "", ""}));
  HANDLE lock = CreateFileA((roms + "\\a.zeb").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  catalogue_.LoadZEBs();
  CloseHandle(lock);
  EXPECT_EQ(catalogue_.rows(), (Lines{"f|b.exe|B||"}));
}

TEST_F(CatalogueTest, ARelativeEntryFolderCountsFromTheProgramsFolderNotTheCurrentOne) {
  MakeFolders(dir_ / "roms");
  WriteBytes(dir_ / "roms\\a.zeb", CrLf({"f", "a.exe", "A", "", ""}));
  MakeFolders(dir_ / "elsewhere\\roms");
  WriteBytes(dir_ / "elsewhere\\roms\\b.zeb", CrLf({"f", "b.exe", "B", "", ""}));
  catalogue_.settings().zeb_path = "roms\\";
  {
    CurrentFolderGuard current(dir_ / "elsewhere");
    ASSERT_TRUE(current.ok());
    catalogue_.LoadZEBs();
  }
  EXPECT_EQ(catalogue_.rows(), (Lines{"f|a.exe|A||"}));
}

TEST_F(CatalogueTest, SelectionShowsTheEntryFilesOwnFieldsAndAReloadClearsThem) {
  std::string roms = UseEntryFolder();
  WriteBytes(roms + "\\a.zeb", CrLf({"d:\\g\\Sky", "sky.exe", "Sky Race", "Example", "1999"}));
  WriteBytes(roms + "\\b.zeb", CrLf({"d:\\g\\B", "b.exe", "Bar|Baz", "Maker", "2001"}));
  catalogue_.LoadZEBs();
  catalogue_.Select(0);
  EXPECT_EQ(catalogue_.selected(), 0);
  EXPECT_EQ(catalogue_.details().exe, "sky.exe");
  EXPECT_EQ(catalogue_.details().name, "Sky Race");
  EXPECT_EQ(catalogue_.details().manufacturer, "Example");
  EXPECT_EQ(catalogue_.details().year, "1999");
  EXPECT_EQ(catalogue_.details().folder, "d:\\g\\Sky");
  // A bar inside the game name splits the row into six pieces; the details are still the
  // file's own fields, not shifted ones.
  ASSERT_EQ(catalogue_.rows()[1], "d:\\g\\B|b.exe|Bar|Baz|Maker|2001");
  catalogue_.Select(1);
  EXPECT_EQ(catalogue_.details(), (GameEntry{"d:\\g\\B", "b.exe", "Bar|Baz", "Maker", "2001"}));
  // Reloading leaves no row selected, and no entry that may be gone in the details.
  catalogue_.LoadZEBs();
  EXPECT_EQ(catalogue_.selected(), -1);
  EXPECT_EQ(catalogue_.details(), GameEntry());
}

TEST_F(CatalogueTest, ABlacklistOfASixPieceRowBlocksItsOwnEntryFile) {
  std::string roms = UseEntryFolder();
  // A bar in the folder shifts even the executable's piece.
  WriteBytes(roms + "\\b.zeb", CrLf({"d:\\g|old", "b.exe", "Bee", "", ""}));
  catalogue_.LoadZEBs();
  ASSERT_TRUE(SelectRowOf(catalogue_, "old"));
  catalogue_.Blacklist();
  EXPECT_TRUE(prompt_.messages.empty()) << prompt_.messages[0].text;
  EXPECT_EQ(ReadBytes(roms + "\\b.zeb"), CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_EQ(AllFiles(roms), (Lines{"b.zeb"}));
}

TEST_F(CatalogueTest, DoubleClickStartsTheGameInItsFolderAndLeavesOursAlone) {
  std::string roms = UseEntryFolder();
  MakeFolders(dir_ / "games\\Sky");
  // A file of the same name in our own current folder must not be the one that starts.
  testing::CopyFileOrFail(testing::BuiltProgram("fixtures\\recorder.exe"),
                          dir_ / "games\\Sky\\sky.exe");
  testing::CopyFileOrFail(testing::BuiltProgram("fixtures\\recorder.exe"), dir_ / "sky.exe");
  // Blanks around folder and executable are trimmed for the start.
  WriteBytes(roms + "\\sky.zeb",
             CrLf({" " + dir_ / "games\\Sky" + " ", " sky.exe ", "Sky", "", ""}));
  catalogue_.LoadZEBs();
  ASSERT_EQ(catalogue_.rows().size(), 1u);
  catalogue_.Select(0);

  {
    CurrentFolderGuard current(dir_.path());
    ASSERT_TRUE(current.ok());
    catalogue_.StartSelectedGame();
    EXPECT_EQ(CurrentFolder(), dir_.path());
  }

  std::string record = dir_ / "games\\Sky\\sky.exe.record";
  ASSERT_TRUE(testing::WaitForFile(record));
  EXPECT_EQ(ReadBytes(record),
            CrLf({"sky.exe", dir_ / "games\\Sky", dir_ / "games\\Sky\\sky.exe"}));
  EXPECT_EQ(ReadBytes(dir_ / "games\\Sky\\sky.exe.show"), "1\r\n");  // shown normally
  EXPECT_FALSE(AnyFileExists(dir_ / "sky.exe.record"));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(CatalogueTest, DoubleClickStartsAnExecutableNamedWithoutItsEnding) {
  std::string roms = UseEntryFolder();
  MakeFolders(dir_ / "games\\Sky");
  testing::CopyFileOrFail(testing::BuiltProgram("fixtures\\recorder.exe"),
                          dir_ / "games\\Sky\\sky.exe");
  WriteBytes(roms + "\\sky.zeb", CrLf({dir_ / "games\\Sky", "sky", "Sky", "", ""}));
  catalogue_.LoadZEBs();
  catalogue_.Select(0);
  catalogue_.StartSelectedGame();
  EXPECT_TRUE(prompt_.messages.empty());
  ASSERT_TRUE(testing::WaitForFile(dir_ / "games\\Sky\\sky.exe.record"));
  EXPECT_EQ(ReadBytes(dir_ / "games\\Sky\\sky.exe.record"),
            CrLf({"sky", dir_ / "games\\Sky", dir_ / "games\\Sky\\sky.exe"}));
}

TEST_F(CatalogueTest, DoubleClickOnAMissingGameSaysWhatFailed) {
  std::string roms = UseEntryFolder();
  WriteBytes(roms + "\\a.zeb", CrLf({dir_ / "gone", "a.exe", "A", "", ""}));
  catalogue_.LoadZEBs();
  catalogue_.Select(0);
  catalogue_.StartSelectedGame();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find("a.exe"), std::string::npos);
  EXPECT_NE(prompt_.messages[0].text.find(dir_ / "gone"), std::string::npos);
  EXPECT_EQ(prompt_.messages[0].title, kAppTitle);
  // Without a selection nothing happens.
  catalogue_.Select(-1);
  catalogue_.StartSelectedGame();
  EXPECT_EQ(prompt_.messages.size(), 1u);

  // A file that is no program: the system's text names it, with no "%1" left in it.
  MakeFolders(dir_ / "games\\Bad");
  WriteBytes(dir_ / "games\\Bad\\bad.exe", "not a program");
  WriteBytes(roms + "\\a.zeb", CrLf({dir_ / "games\\Bad", "bad.exe", "Bad", "", ""}));
  catalogue_.LoadZEBs();
  catalogue_.Select(0);
  catalogue_.StartSelectedGame();
  ASSERT_EQ(prompt_.messages.size(), 2u);
  EXPECT_EQ(prompt_.messages[1].text.find('%'), std::string::npos) << prompt_.messages[1].text;
  EXPECT_NE(prompt_.messages[1].text.find(dir_ / "games\\Bad\\bad.exe"), std::string::npos)
      << prompt_.messages[1].text;
}

}  // namespace
}  // namespace zeb::testing
