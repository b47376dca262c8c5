// "Generate ZEB Files" over a real games root made of fixture games, and the entry writer.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "platform/text_rules.h"
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
    std::string path = JoinPath(root_, relative_path);
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    testing::CopyFileOrFail(testing::BuiltProgram("fixtures\\x64\\" + fixture + ".exe"), path);
  }
  Lines EntryFiles() {
    FileListing listing;
    ListFiles(dir_ / "roms", "*", &listing);
    return listing.names;
  }
  std::string Entry(const std::string& name) { return ReadBytes(dir_ / ("roms\\" + name)); }
  // A file of the given text in a game folder.
  void Text(const std::string& relative_path, const std::string& text) {
    std::string path = JoinPath(root_, relative_path);
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    WriteBytes(path, text);
  }

  // The result line's numbers add up to the game folders it looked at: "3 game folders: 1 new
  // entry; 2 gave no game: A, B" or "Stopped after 3 of 9 game folders: ...".
  void ExpectTheResultAddsUp() {
    std::string line = catalogue_.outcome();
    line.erase(std::remove(line.begin(), line.end(), ','), line.end());
    size_t folders = 0, sum = 0, part = line.find(": ");
    std::sscanf(line.c_str(), line.rfind("Stopped", 0) == 0 ? "Stopped after %zu" : "%zu",
                &folders);
    for (; part != std::string::npos; part = line.find("; ", part + 1)) {
      size_t count = 0;
      EXPECT_EQ(std::sscanf(line.c_str() + part + 2, "%zu", &count), 1) << line;
      sum += count;
    }
    EXPECT_EQ(sum, folders) << line;
  }

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
  ExpectTheResultAddsUp();

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
  EXPECT_NE(catalogue_.outcome().find("; 1 kept out by a blacklist entry: Banned (banned.exe)"),
            std::string::npos)
      << catalogue_.outcome();
  ExpectTheResultAddsUp();

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
  EXPECT_EQ(catalogue_.outcome(),
            "3 game folders: 0 new entries; 2 already in the catalogue; 1 kept out by a blacklist "
            "entry: Gamma (gamma.exe)");
  ExpectTheResultAddsUp();
}

// The shapes real installs take: a crash reporter sorting first, games sharing a program's
// name, a store's DOS releases with their records, a record that cannot be read, and a name
// the code page cannot hold.
TEST_F(ScanTest, RealInstallsGiveEveryGameItsOwnEntry) {
  Game("V Rising\\UnityCrashHandler64.exe");
  Game("V Rising\\VRising.exe");
  for (const char* game : {"Deathloop", "HITMAN 3", "Outriders"})
    Game(std::string(game) + "\\Launcher.exe");
  Text("Orion\\goggame-1207658836.info",
       R"({"gameId":"1207658836","name":"The Orion Conspiracy","playTasks":[
           {"category":"document","isPrimary":false,"path":"manual.pdf","type":"FileTask"},
           {"arguments":"-conf \"..\\dosboxORION.conf\" -noconsole -c \"exit\"",
            "category":"game","isPrimary":true,"path":"DOSBOX\\DOSBox.exe","type":"FileTask",
            "workingDir":"DOSBOX"}]})");
  Game("Orion\\ORION.EXE");
  Game("Orion\\DOSBOX\\DOSBox.exe", "full");
  Text("Other DOS\\goggame-2.info",
       R"({"name":"Other DOS Game","playTasks":[{"arguments":"-conf \"..\\other.conf\"",
           "isPrimary":true,"path":"DOSBOX/DOSBox.exe","type":"FileTask"}]})");
  Game("Other DOS\\DOSBOX\\DOSBox.exe");
  Text("Broken\\goggame-3.info", R"({"name":"Broken","playTasks":[)");
  Game("Broken\\broken.exe");
  // "Ōkami HD": its name is beyond code page 1252, so the 8-bit functions cannot reach it.
  std::wstring okami = Widen(root_) + L"\\\x014Ckami HD";
  ASSERT_TRUE(CreateDirectoryW(okami.c_str(), nullptr));
  ASSERT_TRUE(CopyFileW(Widen(BuiltProgram("fixtures\\x64\\noversion.exe")).c_str(),
                        (okami + L"\\okami.exe").c_str(), FALSE));
  wchar_t short_path[MAX_PATH];
  ASSERT_GT(GetShortPathNameW(okami.c_str(), short_path, MAX_PATH), 0u);
  std::string okami_folder = JoinPath(root_, LastPathPart(Narrow(short_path)));

  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(EntryFiles(),
            (Lines{"broken.zeb", "DOSBox (Other DOS).zeb", "DOSBox.zeb", "Launcher (HITMAN 3).zeb",
                   "Launcher (Outriders).zeb", "Launcher.zeb", "okami.zeb", "VRising.zeb"}));
  EXPECT_EQ(Entry("VRising.zeb"), CrLf({root_ + "\\V Rising", "VRising.exe", "V Rising", "", ""}));
  EXPECT_EQ(Entry("Launcher.zeb"),
            CrLf({root_ + "\\Deathloop", "Launcher.exe", "Deathloop", "", ""}));
  EXPECT_EQ(Entry("Launcher (HITMAN 3).zeb"),
            CrLf({root_ + "\\HITMAN 3", "Launcher.exe", "HITMAN 3", "", ""}));
  // The store's task: its folder, its arguments as written, its name; the maker and the year
  // from the program's version resource.
  EXPECT_EQ(Entry("DOSBox.zeb"),
            CrLf({root_ + "\\Orion\\DOSBOX",
                  R"(DOSBox.exe -conf "..\dosboxORION.conf" -noconsole -c "exit")",
                  "The Orion Conspiracy", "Foo Inc.", "1999"}));
  EXPECT_EQ(Entry("DOSBox (Other DOS).zeb"),
            CrLf({root_ + "\\Other DOS\\DOSBOX", R"(DOSBox.exe -conf "..\other.conf")",
                  "Other DOS Game", "", ""}));
  EXPECT_EQ(Entry("broken.zeb"), CrLf({root_ + "\\Broken", "broken.exe", "Broken", "", ""}));
  EXPECT_EQ(Entry("okami.zeb"), CrLf({okami_folder, "okami.exe", "Okami HD", "", ""}));
  EXPECT_NE(okami_folder, root_ + "\\?kami HD");
  EXPECT_TRUE(FolderExists(okami_folder));
  // The record that could not be read is named, and the rule chose instead.
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(root_ + "\\Broken\\goggame-3.info: not valid JSON"),
            std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(catalogue_.failures_reported(), 0u);
  EXPECT_EQ(catalogue_.outcome(), "8 game folders: 8 new entries");
  ExpectTheResultAddsUp();

  // A rescan adds nothing, also once another game's entry of the same name is gone: that game
  // gets its entry again, and the others keep theirs.
  prompt_.messages.clear();
  ASSERT_TRUE(DeleteFileA((dir_ / "roms\\Launcher.zeb").c_str()));
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(EntryFiles().size(), 8u);
  EXPECT_EQ(Entry("Launcher.zeb"),
            CrLf({root_ + "\\Deathloop", "Launcher.exe", "Deathloop", "", ""}));
  EXPECT_EQ(catalogue_.outcome(), "8 game folders: 1 new entry; 7 already in the catalogue");
  ExpectTheResultAddsUp();
}

TEST_F(ScanTest, ABlacklistEntryKeepsItsProgramOutOfEveryGameAndIsAccountedFor) {
  for (const char* game : {"Deathloop", "HITMAN 3", "Outriders"})
    Game(std::string(game) + "\\Launcher.exe");
  // Two games share a program whose name is as long as a file name may be: the first one has
  // its entry, and the second one's entry file name would be too long.
  std::string long_name(250, 'x');
  Game("Long1\\" + long_name + ".exe");
  Game("Long2\\" + long_name + ".exe");
  MakeFolders(dir_ / "roms");
  std::string long_entry = CrLf({root_ + "\\Long1", long_name + ".exe", "Long", "", ""});
  WriteBytes(dir_ / ("roms\\" + long_name + ".zeb"), long_entry);
  WriteBytes(dir_ / "roms\\Launcher.zeb", CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(EntryFiles(), (Lines{"Launcher.zeb", long_name + ".zeb"}));
  EXPECT_EQ(Entry(long_name + ".zeb"), long_entry);
  EXPECT_EQ(catalogue_.outcome(),
            "5 game folders: 0 new entries; 1 already in the catalogue; 3 kept out by a blacklist "
            "entry: Deathloop (Launcher.exe), HITMAN 3 (Launcher.exe), Outriders (Launcher.exe); "
            "1 could not be written: " +
                long_name + " (Long2).zeb");
  ExpectTheResultAddsUp();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(long_name + " (Long2).zeb"), std::string::npos);
}

// Asks the work to stop once `after` items of one activity are done.
class StopAfter : public Progress {
 public:
  StopAfter(std::string activity, size_t after) : activity_(std::move(activity)), after_(after) {}
  void Step(const char* activity, size_t done, size_t, const std::string&) override {
    if (activity == activity_ && done >= after_) stop_ = true;
  }
  bool StopRequested() const override { return stop_; }

 private:
  std::string activity_;
  size_t after_;
  std::atomic<bool> stop_{false};
};

TEST_F(ScanTest, AStoppedScanOrWriterAccountsForEveryFolderItLookedAt) {
  for (const char* game : {"A", "B", "C", "D", "E"}) Game(std::string(game) + "\\play.exe");
  MakeFolders(root_ + "\\Docs");
  catalogue_.set_scan_threads(1);
  StopAfter scan("Scanning", 3);
  catalogue_.set_progress(&scan);
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(catalogue_.outcome(), "Stopped after 3 of 6 game folders: 3 new entries");
  ExpectTheResultAddsUp();

  StopAfter writer("Writing entry files", 1);
  catalogue_.set_progress(&writer);
  catalogue_.settings().zeb_path = dir_ / "roms2\\";
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(catalogue_.outcome(),
            "6 game folders: 1 new entry; 1 gave no game: Docs; 4 not written: stopped");
  ExpectTheResultAddsUp();
  catalogue_.set_progress(nullptr);
}

TEST_F(ScanTest, HiddenExecutablesAreNoCandidates) {
  Game("Ghost\\ghost.exe");
  testing::SetAttributes(root_ + "\\Ghost\\ghost.exe", FILE_ATTRIBUTE_HIDDEN);
  catalogue_.GenerateZEBFiles();
  EXPECT_TRUE(EntryFiles().empty());
  EXPECT_EQ(catalogue_.outcome(), "1 game folder: 0 new entries; 1 gave no game: Ghost");
}

TEST_F(ScanTest, AnEntryFolderWithoutFinalBackslashGetsOneAndReceivesTheFiles) {
  Game("Alpha\\alpha.exe");
  catalogue_.settings().zeb_path = dir_ / "roms";
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(catalogue_.settings().zeb_path, dir_ / "roms\\");
  EXPECT_EQ(EntryFiles(), (Lines{"alpha.zeb"}));
  EXPECT_FALSE(AnyFileExists(dir_ / "romsalpha.zeb"));
  ExpectTheResultAddsUp();
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
  EXPECT_EQ(catalogue_.outcome(), "1 game folder: 0 new entries; 1 could not be written: Alpha");
  ExpectTheResultAddsUp();
}

TEST_F(ScanTest, AnEmptyGamesRootWritesNothingAndReloadsTheList) {
  MakeFolders(dir_ / "roms");
  WriteBytes(dir_ / "roms\\old.zeb", CrLf({"d:\\old", "old.exe", "Old", "", ""}));
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(catalogue_.rows(), (Lines{"d:\\old|old.exe|Old||"}));
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(catalogue_.outcome(), "0 game folders: 0 new entries");
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
