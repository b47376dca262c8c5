// The entry editor's rules on real entry folders, with the prompt answered by the test:
// the opening fill, Browse to real test games, and what OK writes or refuses.
#include "catalogue/entry_editor.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb {

// Shows the five fields when a comparison fails.
void PrintTo(const GameEntry& f, std::ostream* out) {
  *out << "{" << f.folder << " | " << f.exe << " | " << f.name << " | " << f.manufacturer << " | "
       << f.year << "}";
}

namespace testing {
namespace {

using Lines = std::vector<std::string>;

const Lines kNull = {"NULL", "NULL", "NULL", "NULL", "NULL"};
const Lines kGame = {"d:\\g\\Game", "game.exe", "Game", "", ""};
const std::string kNotice =
    "The Exe you selected is not the EXE that ZEB defaulted to.  In order to avoid further "
    "confusion, a blacklist entry will be made for this EXE.";

class EntryEditorTest : public ::testing::Test {
 protected:
  EntryEditorTest() : catalogue_(prompt_, dir_.path()), editor_(&catalogue_) {
    MakeFolders(roms_);
    catalogue_.settings() = {"d:\\pc games\\", roms_ + "\\", "dats\\", ""};
  }

  void Entry(const std::string& file, const Lines& lines) {
    WriteBytes(JoinPath(roms_, file), CrLf(lines));
  }
  // The entry folder's ordinary files.
  Lines Files() {
    FileListing listing;
    EXPECT_TRUE(ListFiles(roms_, "*.*", &listing).ok());
    return listing.names;
  }
  // Loads the list, selects the row of file and opens the editor on it.
  void EditEntryOf(const std::string& exe) {
    catalogue_.LoadZEBs();
    ASSERT_TRUE(SelectRowOf(catalogue_, exe)) << exe;
    editor_.Fill();
  }
  // The entry of game.exe, opened in the editor.
  void EditGame() {
    Entry("game.zeb", kGame);
    EditEntryOf("game.exe");
  }
  void Add() {
    catalogue_.LoadZEBs();
    catalogue_.Select(-1);
    editor_.Fill();
  }
  // A copy of a test game, so that its folder and name are the test's own.
  std::string Game(const std::string& fixture, const std::string& relative) {
    std::string path = dir_ / relative;
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    CopyFileOrFail(BuiltProgram("fixtures\\x64\\" + fixture), path);
    return path;
  }

  TempFolder dir_;
  std::string roms_ = dir_ / "roms";
  RecordingPrompt prompt_;
  Catalogue catalogue_;
  EntryEditor editor_;
};

TEST_F(EntryEditorTest, OpeningOnARowFillsEveryFieldFromItAndAddingStartsFromTheGamesRoot) {
  Entry("sky.zeb", {"d:\\g\\Sky Race", "skyrace.exe", "Sky Race", "Example Games", "1999"});
  EditEntryOf("skyrace.exe");
  EXPECT_EQ(editor_.prevExe(), "skyrace.exe");
  EXPECT_EQ(editor_.fields(),
            (GameEntry{"d:\\g\\Sky Race", "skyrace.exe", "Sky Race", "Example Games", "1999"}));

  Add();
  EXPECT_EQ(editor_.prevExe(), "NULL");
  EXPECT_EQ(editor_.fields(), (GameEntry{"d:\\pc games\\", "", "", "", ""}));
}

TEST_F(EntryEditorTest, OkWithoutChangesRewritesTheSameLinesAndNoChangeOfExeBlacklists) {
  // Blanks around the fields stay: nothing is trimmed on the way through the editor.
  const Lines lines = {"d:\\g\\Game ", "game.exe", " Game", "Maker", "1999"};
  Entry("game.zeb", lines);
  EditEntryOf("game.exe");
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(lines));
  EXPECT_EQ(Files(), (Lines{"game.zeb"}));
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(catalogue_.rows(), (Lines{"d:\\g\\Game |game.exe| Game|Maker|1999"}));
  EXPECT_EQ(catalogue_.selected(), -1);

  // Changing the folder and the facts alone blacklists nothing either; an empty folder and
  // any year are written as typed.
  EditEntryOf("game.exe");
  editor_.fields() = {"", "game.exe", "New", "", "not a year"};
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf({"", "game.exe", "New", "", "not a year"}));
  EXPECT_EQ(Files(), (Lines{"game.zeb"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(EntryEditorTest, ReplacingTheExecutableBlacklistsTheOldOne) {
  Entry("game.zeb", kGame);
  Entry("other.zeb", {"d:\\g\\Other", "other.exe", "Other", "", ""});
  EditEntryOf("game.exe");
  editor_.fields().exe = "start.exe";
  editor_.fields().name = "Game Started";
  ASSERT_TRUE(editor_.Ok());
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, kNotice);
  EXPECT_EQ(prompt_.messages[0].title, "Previous Exe Will Be Black-listed!");
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(kNull));
  EXPECT_EQ(ReadBytes(roms_ + "\\start.zeb"),
            CrLf({"d:\\g\\Game", "start.exe", "Game Started", "", ""}));
  EXPECT_EQ(catalogue_.rows(),
            (Lines{"d:\\g\\Other|other.exe|Other||", "d:\\g\\Game|start.exe|Game Started||"}));
}

TEST_F(EntryEditorTest, AChangeOfLetterCaseAloneIsADifferentExecutable) {
  EditGame();
  editor_.fields().exe = "Game.exe";
  ASSERT_TRUE(editor_.Ok());
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, kNotice);
  // Both names are one file here: the blacklist entry went first, the entry over it.
  ASSERT_EQ(Files().size(), 1u);
  EXPECT_EQ(ReadBytes(JoinPath(roms_, Files()[0])),
            CrLf({"d:\\g\\Game", "Game.exe", "Game", "", ""}));
  EXPECT_EQ(catalogue_.rows(), (Lines{"d:\\g\\Game|Game.exe|Game||"}));
}

TEST_F(EntryEditorTest, AddingNeverBlacklistsAndReplacesOnlyTheSameGamesEntry) {
  Entry("game.zeb", {"d:\\pc games\\Old", "game.exe", "Old", "", ""});
  // Another game's entry holds the name: the new one gets the shared name.
  Add();
  editor_.fields() = {"d:\\pc games\\New", "game.exe", "New", "", ""};
  ASSERT_TRUE(editor_.Ok());
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"),
            CrLf({"d:\\pc games\\Old", "game.exe", "Old", "", ""}));
  EXPECT_EQ(ReadBytes(roms_ + "\\game (New).zeb"),
            CrLf({"d:\\pc games\\New", "game.exe", "New", "", ""}));
  // The same game's entry is replaced.
  Add();
  editor_.fields() = {"d:\\pc games\\Old\\bin", "game.exe", "Old again", "", ""};
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"),
            CrLf({"d:\\pc games\\Old\\bin", "game.exe", "Old again", "", ""}));
  EXPECT_EQ(Files(), (Lines{"game (New).zeb", "game.zeb"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(EntryEditorTest, OnARowWithTheSharedNameOkWritesOnlyThatRowsFile) {
  const Lines deathloop = {"d:\\pc games\\Deathloop", "Launcher.exe", "Deathloop", "", ""};
  Entry("Launcher.zeb", deathloop);
  Entry("Launcher (HITMAN 3).zeb", {"d:\\pc games\\HITMAN 3", "Launcher.exe", "HITMAN 3", "", ""});
  Entry("DOSBox (Orion).zeb", {"d:\\pc games\\Orion\\DOSBOX",
                               R"(DOSBox.exe -conf "..\a.conf" -c "exit")", "Orion", "", ""});
  // A new name only: written back to the row's own file.
  catalogue_.LoadZEBs();
  catalogue_.Select(1);
  ASSERT_EQ(catalogue_.selected_entry_file(), "Launcher (HITMAN 3).zeb");
  editor_.Fill();
  editor_.fields().name = "HITMAN III";
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\Launcher (HITMAN 3).zeb"),
            CrLf({"d:\\pc games\\HITMAN 3", "Launcher.exe", "HITMAN III", "", ""}));
  // New arguments keep the program, so the file, and blacklist nothing.
  EditEntryOf(R"(DOSBox.exe -conf "..\a.conf" -c "exit")");
  editor_.fields().exe = R"(DOSBox.exe -conf "..\b.conf" -c "exit")";
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\DOSBox (Orion).zeb"),
            CrLf({"d:\\pc games\\Orion\\DOSBOX", R"(DOSBox.exe -conf "..\b.conf" -c "exit")",
                  "Orion", "", ""}));
  EXPECT_TRUE(prompt_.messages.empty());

  // Another program: the row's own file becomes the blacklist entry, never the other game's.
  catalogue_.LoadZEBs();
  catalogue_.Select(1);
  editor_.Fill();
  editor_.fields().exe = "HITMAN3.exe";
  ASSERT_TRUE(editor_.Ok());
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, kNotice);
  EXPECT_EQ(ReadBytes(roms_ + "\\Launcher (HITMAN 3).zeb"), CrLf(kNull));
  EXPECT_EQ(ReadBytes(roms_ + "\\Launcher.zeb"), CrLf(deathloop));
  EXPECT_EQ(ReadBytes(roms_ + "\\HITMAN3.zeb"),
            CrLf({"d:\\pc games\\HITMAN 3", "HITMAN3.exe", "HITMAN III", "", ""}));
  EXPECT_EQ(Files(), (Lines{"DOSBox (Orion).zeb", "HITMAN3.zeb", "Launcher (HITMAN 3).zeb",
                            "Launcher.zeb"}));
}

TEST_F(EntryEditorTest, AnExecutableNameShorterThanThreeCharactersIsRefused) {
  EditGame();
  editor_.fields().exe = "ab";
  EXPECT_FALSE(editor_.Ok());
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find("\"ab\" is shorter than three characters"),
            std::string::npos)
      << prompt_.messages[0].text;
  // Refused before the notice, so the old entry is untouched.
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(kGame));
  EXPECT_EQ(editor_.fields().exe, "ab");

  // An entry whose own executable name is that short still has its own file, which becomes
  // the blacklist entry.
  Entry("x.zeb", {"d:\\g\\X", "xy", "X", "", ""});
  EditEntryOf("xy");
  editor_.fields().exe = "xyz.exe";
  EXPECT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\x.zeb"), CrLf(kNull));
  EXPECT_EQ(Files(), (Lines{"game.zeb", "x.zeb", "xyz.zeb"}));
}

TEST_F(EntryEditorTest, AFieldHoldingABarOrALineBreakIsRefusedByName) {
  EditGame();
  editor_.fields().manufacturer = "Foo|Bar";
  EXPECT_FALSE(editor_.Ok());
  editor_.fields().manufacturer = "Foo";
  editor_.fields().folder = "d:\\g\r\nGame";
  editor_.fields().exe = "start|.exe";
  EXPECT_FALSE(editor_.Ok());
  ASSERT_EQ(prompt_.messages.size(), 2u);
  EXPECT_NE(prompt_.messages[0].text.find("\"Manufacturer\""), std::string::npos);
  EXPECT_NE(prompt_.messages[1].text.find("\"Exe Name\", \"Exe Path\""), std::string::npos)
      << prompt_.messages[1].text;
  EXPECT_EQ(prompt_.messages[1].title, kAppTitle);
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(kGame));
  EXPECT_EQ(Files(), (Lines{"game.zeb"}));
}

TEST_F(EntryEditorTest, ASixPieceRowIsEditedFromItsFilesOwnLinesNeverShifted) {
  // Written by hand with a bar in the name: its row splits into six pieces.
  const Lines lines = {"d:\\g\\Game", "game.exe", "Game|Deluxe", "Maker", "1999"};
  Entry("game.zeb", lines);
  EditEntryOf("game.exe");
  EXPECT_EQ(editor_.fields(), EntryFromLines(lines));
  // OK as it stands: the bar is refused, and nothing is written back, shifted or not.
  EXPECT_FALSE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(lines));
  // Once the user takes the bar out, the fields go back to their own lines.
  editor_.fields().name = "Game Deluxe";
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"),
            CrLf({"d:\\g\\Game", "game.exe", "Game Deluxe", "Maker", "1999"}));
  EXPECT_EQ(Files(), (Lines{"game.zeb"}));
}

TEST_F(EntryEditorTest, AMissingEntryFolderIsNamedAndOkWorksOnceItIsMended) {
  Add();
  editor_.fields() = {"d:\\g", "game.exe", "Game", "", ""};
  catalogue_.settings().zeb_path = dir_ / "missing\\";
  EXPECT_FALSE(editor_.Ok());
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(dir_ / "missing\\game.zeb"), std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(editor_.fields().name, "Game");
  // An unset entry folder is refused too, not taken for whatever folder is current.
  catalogue_.settings().zeb_path = "";
  {
    CurrentFolderGuard current(dir_.path());
    EXPECT_FALSE(editor_.Ok());
  }
  ASSERT_EQ(prompt_.messages.size(), 2u);
  EXPECT_NE(prompt_.messages[1].text.find("No entry folder is set"), std::string::npos);
  EXPECT_FALSE(AnyFileExists(dir_ / "game.zeb"));

  catalogue_.settings().zeb_path = roms_ + "\\";
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf({"d:\\g", "game.exe", "Game", "", ""}));
}

TEST_F(EntryEditorTest, AReadOnlyNewEntryFileLeavesTheOldEntryAsItWas) {
  const Lines game = {"d:\\g\\Game", "game.exe", "Game", "Maker", "1999"};
  Entry("game.zeb", game);
  // The same game's entry of another program, which OK replaces, but read-only.
  Entry("start.zeb", {"d:\\g\\Game", "start.exe", "Start", "", ""});
  SetAttributes(roms_ + "\\start.zeb", FILE_ATTRIBUTE_READONLY);
  EditEntryOf("game.exe");
  editor_.fields().exe = "start.exe";
  EXPECT_FALSE(editor_.Ok());
  SetAttributes(roms_ + "\\start.zeb", 0, FILE_ATTRIBUTE_READONLY);
  ASSERT_EQ(prompt_.messages.size(), 2u);
  EXPECT_EQ(prompt_.messages[0].text, kNotice);
  EXPECT_NE(prompt_.messages[1].text.find(roms_ + "\\start.zeb"), std::string::npos)
      << prompt_.messages[1].text;
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(game));
  EXPECT_EQ(ReadBytes(roms_ + "\\start.zeb"), CrLf({"d:\\g\\Game", "start.exe", "Start", "", ""}));
  EXPECT_EQ(Files(), (Lines{"game.zeb", "start.zeb"}));

  // Mended, the same OK goes through.
  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(kNull));
  EXPECT_EQ(ReadBytes(roms_ + "\\start.zeb"),
            CrLf({"d:\\g\\Game", "start.exe", "Game", "Maker", "1999"}));
}

TEST_F(EntryEditorTest, BrowseTakesFolderNameAndFactsFromTheChosenGame) {
  std::string game = Game("full.exe", "games\\Foo Racing\\fooracer.exe");
  Add();
  editor_.fields().name = "typed";
  prompt_.file_answers.push_back(game);
  editor_.Browse();
  ASSERT_EQ(prompt_.file_questions.size(), 1u);
  EXPECT_EQ(prompt_.file_questions[0].preset_name, "") << "no row selected, no preset";
  EXPECT_EQ(editor_.fields(), (GameEntry{dir_ / "games\\Foo Racing", "fooracer.exe", "Foo Racing",
                                         "Foo Inc.", "1999"}));
  EXPECT_EQ(editor_.prevExe(), "NULL");
  EXPECT_TRUE(prompt_.messages.empty());

  ASSERT_TRUE(editor_.Ok());
  EXPECT_EQ(ReadBytes(roms_ + "\\fooracer.zeb"),
            CrLf({dir_ / "games\\Foo Racing", "fooracer.exe", "Foo Racing", "Foo Inc.", "1999"}));
}

TEST_F(EntryEditorTest, BrowseFromASelectedRowPresetsItsFileAndKeepsPrevExe) {
  Entry("game.zeb", {"d:\\g\\Game", "game.exe", "Game", "Old Maker", "1990"});
  // A game without a version resource: its name and facts stay as they were.
  std::string bare = Game("noversion.exe", "games\\Bare\\bare.exe");
  EditEntryOf("game.exe");
  editor_.fields().exe = "typed.exe";
  prompt_.file_answers.push_back(bare);
  editor_.Browse();
  ASSERT_EQ(prompt_.file_questions.size(), 1u);
  EXPECT_EQ(prompt_.file_questions[0].preset_name, "d:\\g\\Game\\typed.exe");
  const GameEntry browsed = {dir_ / "games\\Bare", "bare.exe", "Game", "Old Maker", "1990"};
  EXPECT_EQ(editor_.fields(), browsed);
  EXPECT_EQ(editor_.prevExe(), "game.exe");

  // Cancelled: nothing changes.
  editor_.Browse();
  EXPECT_EQ(editor_.fields(), browsed);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(EntryEditorTest, BrowseKeepsAFolderThatBearsTheFileName) {
  // The folder is all before the last backslash, also when a folder has the file's name or
  // a name that starts like it.
  std::string game = Game("full.exe", "games\\race.exe\\race.exe.old\\race.exe");
  Add();
  prompt_.file_answers.push_back(game);
  editor_.Browse();
  EXPECT_EQ(editor_.fields().exe, "race.exe");
  EXPECT_EQ(editor_.fields().folder, dir_ / "games\\race.exe\\race.exe.old");
  EXPECT_EQ(editor_.fields().name, "Foo Racing");
}

}  // namespace
}  // namespace testing
}  // namespace zeb
