// "Generate ZEB Files" over a real games root made of fixture games, and the entry writer.
#include <windows.h>
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

class ScanTest : public ::testing::Test {
 protected:
  ScanTest() : catalogue_(prompt_, dir_.path()) {
    root_ = dir_ / "games";
    MakeFolders(root_);
    catalogue_.settings().game_paths = root_ + "\\";
    catalogue_.settings().zeb_path = dir_ / "roms\\";
  }

  // A game executable: a copy of a fixture (with or without a version resource).
  void Game(const std::string& relative_path, const std::string& fixture = "noversion") {
    std::string path = root_ + "\\" + relative_path;
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    testing::CopyFileOrFail(testing::BuiltProgram("fixtures\\x64\\" + fixture + ".exe"), path);
  }
  Lines EntryFiles() {
    FileListing listing;
    ListFiles(dir_ / "roms", "*", &listing);
    return listing.names;
  }
  std::string Entry(const std::string& name) { return ReadBytes(dir_ / ("roms\\" + name)); }

  TempFolder dir_;
  std::string root_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

TEST_F(ScanTest, ChoosesOneExecutablePerGameAndWritesItsEntry) {
  Game("Sky Race\\RACE.EXE", "full");
  Game("Sky Race\\setup.exe");
  Game("Tanks1\\config.exe");
  Game("Tanks1\\play.exe");
  Game("Tanks1\\uninst.exe");
  Game("Tanks2\\GameLauncher.exe", "copyright_only");
  Game("Tanks2\\tanks2.exe");
  Game("Tanks3\\a.exe");
  Game("Tanks3\\z.exe");
  Game("Tanks4\\setup.exe");
  Game("Tanks4\\uninstall.exe");
  Game("Tanks5\\bin\\tanks.exe");
  MakeFolders(root_ + "\\Tanks5\\data");
  Game("Tanks6\\b\\game.exe");
  MakeFolders(root_ + "\\Tanks6\\a");
  Game("Zed\\SETUP.EXE");
  Game("Zed\\zed.exe", "copyright_range");

  catalogue_.GenerateZEBFiles();
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(EntryFiles(), (Lines{"a.zeb", "game.zeb", "GameLauncher.zeb", "play.zeb", "RACE.zeb",
                                 "tanks.zeb", "zed.zeb"}));
  EXPECT_EQ(Entry("RACE.zeb"),
            CrLf({root_ + "\\Sky Race", "RACE.EXE", "Foo Racing", "Foo Inc.", "1999"}));
  EXPECT_EQ(Entry("play.zeb"), CrLf({root_ + "\\Tanks1", "play.exe", "Tanks1", "", ""}));
  EXPECT_EQ(Entry("GameLauncher.zeb"),
            CrLf({root_ + "\\Tanks2", "GameLauncher.exe", "Foo", "Foo Inc.", "1999"}));
  EXPECT_EQ(Entry("a.zeb"), CrLf({root_ + "\\Tanks3", "a.exe", "Tanks3", "", ""}));
  // A game one folder down is named after its game folder.
  EXPECT_EQ(Entry("tanks.zeb"), CrLf({root_ + "\\Tanks5\\bin", "tanks.exe", "Tanks5", "", ""}));
  // Its first sub-folder holds nothing: the deeper look finds the game in the next one.
  EXPECT_EQ(Entry("game.zeb"), CrLf({root_ + "\\Tanks6\\b", "game.exe", "Tanks6", "", ""}));
  EXPECT_EQ(Entry("zed.zeb"), CrLf({root_ + "\\Zed", "zed.exe", "Foo", "1995 -  Foo", "1998"}));
  EXPECT_EQ(catalogue_.folders_without_game(), (Lines{"Tanks4"}));
  EXPECT_NE(catalogue_.outcome().find("; 1 gave no game: Tanks4"), std::string::npos)
      << catalogue_.outcome();

  // The list shows the entries on disk, in file-name order.
  ASSERT_EQ(catalogue_.rows().size(), 7u);
  EXPECT_EQ(catalogue_.rows()[0], root_ + "\\Tanks3|a.exe|Tanks3||");
  EXPECT_EQ(catalogue_.rows()[4], root_ + "\\Sky Race|RACE.EXE|Foo Racing|Foo Inc.|1999");
}

TEST_F(ScanTest, LooksDeeperWhereTheFolderRuleFindsNoneAndNamesTheFoldersWithoutAGame) {
  Game("Nested\\bin\\x64\\nested.exe");
  MakeFolders(root_ + "\\Nested\\Docs");
  Game("Shooter\\unins000.exe");
  Game("Shooter\\bin\\x64\\shoot.exe", "full");
  Game("Split\\x64\\split.exe");
  Game("Split\\x86\\split.exe");
  MakeFolders(root_ + "\\Split\\Content\\Paks");
  Game("Banned\\unins000.exe");
  Game("Banned\\Game\\banned.exe");
  Game("Installers Only\\setup.exe");
  Game("Installers Only\\_CommonRedist\\vcredist_x64.exe");
  Game("Installers Only\\DirectX\\Jun2010\\dx.exe");
  Game("Installers Only\\__Installer\\Installer.exe");
  MakeFolders(dir_ / "roms");
  std::string blacklisted = CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"});
  WriteBytes(dir_ / "roms\\banned.zeb", blacklisted);

  catalogue_.GenerateZEBFiles();
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(EntryFiles(), (Lines{"banned.zeb", "nested.zeb", "shoot.zeb", "split.zeb"}));
  EXPECT_EQ(Entry("nested.zeb"),
            CrLf({root_ + "\\Nested\\bin\\x64", "nested.exe", "Nested", "", ""}));
  EXPECT_EQ(Entry("shoot.zeb"),
            CrLf({root_ + "\\Shooter\\bin\\x64", "shoot.exe", "Foo Racing", "Foo Inc.", "1999"}));
  EXPECT_EQ(Entry("split.zeb"), CrLf({root_ + "\\Split\\x64", "split.exe", "Split", "", ""}));
  EXPECT_EQ(Entry("banned.zeb"), blacklisted) << "a blacklisted find stays out";
  EXPECT_EQ(catalogue_.rows().size(), 3u);
  EXPECT_EQ(catalogue_.folders_without_game(), (Lines{"Installers Only"}));

  // Every scan reports afresh.
  catalogue_.settings().game_paths = root_ + "\\Split\\";
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(catalogue_.folders_without_game(), (Lines{"Content"}));
}

TEST_F(ScanTest, ASecondScanWritesNothingAndKeepsEditsAndBlacklistEntries) {
  Game("Alpha\\alpha.exe", "full");
  Game("Beta\\beta.exe");
  Game("Gamma\\gamma.exe");
  MakeFolders(dir_ / "roms");
  WriteBytes(dir_ / "roms\\gamma.zeb", CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(EntryFiles(), (Lines{"alpha.zeb", "beta.zeb", "gamma.zeb"}));
  EXPECT_EQ(catalogue_.rows().size(), 2u) << "the blacklisted game stays out";

  std::string edited = CrLf({root_ + "\\Beta", "beta.exe", "My Beta", "Me", "2020"});
  WriteBytes(dir_ / "roms\\beta.zeb", edited);
  std::string alpha = Entry("alpha.zeb");
  Lines rows_before = catalogue_.rows();
  rows_before[1] = root_ + "\\Beta|beta.exe|My Beta|Me|2020";
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(EntryFiles(), (Lines{"alpha.zeb", "beta.zeb", "gamma.zeb"}));
  EXPECT_EQ(Entry("beta.zeb"), edited);
  EXPECT_EQ(Entry("alpha.zeb"), alpha);
  EXPECT_EQ(Entry("gamma.zeb"), CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_EQ(catalogue_.rows(), rows_before);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(ScanTest, TwoGamesWithTheSameExecutableNameShareOneEntry) {
  Game("Dup1\\dup.exe");
  Game("Dup2\\dup.exe", "full");
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(EntryFiles(), (Lines{"dup.zeb"}));
  EXPECT_EQ(Entry("dup.zeb"), CrLf({root_ + "\\Dup1", "dup.exe", "Dup1", "", ""}));
}

TEST_F(ScanTest, HiddenExecutablesAreNoCandidates) {
  Game("Ghost\\ghost.exe");
  testing::SetAttributes(root_ + "\\Ghost\\ghost.exe", FILE_ATTRIBUTE_HIDDEN);
  catalogue_.GenerateZEBFiles();
  EXPECT_TRUE(EntryFiles().empty());
}

TEST_F(ScanTest, AnEntryFolderWithoutFinalBackslashGetsOneAndReceivesTheFiles) {
  Game("Alpha\\alpha.exe");
  catalogue_.settings().zeb_path = dir_ / "roms";
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(catalogue_.settings().zeb_path, dir_ / "roms\\");
  EXPECT_EQ(EntryFiles(), (Lines{"alpha.zeb"}));
  EXPECT_FALSE(AnyFileExists(dir_ / "romsalpha.zeb"));
  EXPECT_EQ(catalogue_.rows().size(), 1u);
  // Nothing is left of the writing: no temporary file, no work folder.
  std::vector<std::string> folders;
  ASSERT_TRUE(ListFolders(dir_ / "roms", &folders).ok());
  EXPECT_TRUE(folders.empty());
}

TEST_F(ScanTest, AnEntryFolderThatCannotBeMadeStopsTheWriter) {
  Game("Alpha\\alpha.exe");
  catalogue_.settings().zeb_path = dir_ / "missing\\roms\\";
  catalogue_.GenerateZEBFiles();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, "Unable to create ZEB directory!!!");
  EXPECT_EQ(prompt_.messages[0].title, kAppTitle);
  EXPECT_FALSE(FolderExists(dir_ / "missing"));
  // The scan's rows stay in the list, unsaved.
  EXPECT_EQ(catalogue_.rows(), (Lines{root_ + "\\Alpha|alpha.exe|Alpha||"}));
}

TEST_F(ScanTest, AnEmptyGamesRootWritesNothingAndReloadsTheList) {
  MakeFolders(dir_ / "roms");
  WriteBytes(dir_ / "roms\\old.zeb", CrLf({"d:\\old", "old.exe", "Old", "", ""}));
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(catalogue_.rows(), (Lines{"d:\\old|old.exe|Old||"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(ScanTest, AGamesRootThatCannotBeListedIsNamedAndNothingIsWritten) {
  for (const std::string& root : {dir_ / "nowhere\\", std::string()}) {
    prompt_.messages.clear();
    catalogue_.settings().game_paths = root;
    catalogue_.settings().zeb_path = dir_ / "roms\\";
    catalogue_.GenerateZEBFiles();
    ASSERT_EQ(prompt_.messages.size(), 1u) << root;
    // An unset root gets a plain message of its own, not a path of "".
    std::string named = root.empty() ? "No games root folder is set." : "\"" + root + "\"";
    EXPECT_NE(prompt_.messages[0].text.find(named), std::string::npos) << prompt_.messages[0].text;
    // The progress row says the same as the box.
    EXPECT_EQ(catalogue_.outcome(),
              root.empty() ? "Nothing was written: no games root folder is set."
                           : "Nothing was written: the games root folder cannot be read.");
    EXPECT_FALSE(FolderExists(dir_ / "roms")) << "the entry writer must not run";
  }
}

}  // namespace
}  // namespace zeb::testing
