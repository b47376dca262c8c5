// Clearing the entry folder, removing invalid entries and blacklisting, on real entry folders.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/catalogue.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

const Lines kNull = {"NULL", "NULL", "NULL", "NULL", "NULL"};

// Holds a file open so that it can be read but not deleted.
class OpenFile {
 public:
  OpenFile(const std::string& path, DWORD share)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~OpenFile() {
    if (ok()) CloseHandle(handle_);
  }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class MaintenanceTest : public ::testing::Test {
 protected:
  MaintenanceTest() : catalogue_(prompt_, dir_.path()) {
    MakeFolders(roms_);
    catalogue_.settings().zeb_path = roms_ + "\\";
  }

  // A game folder holding the named files.
  std::string MakeGame(const std::string& folder, const Lines& files) {
    std::string path = dir_ / "games\\" + folder;
    MakeFolders(path);
    for (const std::string& file : files) WriteBytes(JoinPath(path, file), "MZ");
    return path;
  }

  void Entry(const std::string& file, const Lines& lines) {
    WriteBytes(JoinPath(roms_, file), CrLf(lines));
  }

  // Selects the row whose executable field is exe.
  void SelectExe(const std::string& exe) {
    ASSERT_TRUE(SelectRowOf(catalogue_, exe)) << "no row for " << exe;
  }

  TempFolder dir_;
  std::string roms_ = dir_ / "roms";
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

TEST_F(MaintenanceTest, ClearDeletesEveryOrdinaryFileAndLeavesFoldersHiddenAndSystemFiles) {
  Entry("game.zeb", {"d:\\g", "game.exe", "Game", "", ""});
  Entry("banned.zeb", kNull);
  WriteBytes(roms_ + "\\notes.txt", "unrelated");
  Entry("hidden.zeb", {"d:\\g", "h.exe", "H", "", ""});
  SetAttributes(roms_ + "\\hidden.zeb", FILE_ATTRIBUTE_HIDDEN);
  Entry("system.zeb", {"d:\\g", "s.exe", "S", "", ""});
  SetAttributes(roms_ + "\\system.zeb", FILE_ATTRIBUTE_SYSTEM);
  MakeFolders(roms_ + "\\sub");
  Entry("sub\\inner.zeb", {"d:\\g", "i.exe", "I", "", ""});
  catalogue_.LoadZEBs();
  ASSERT_EQ(catalogue_.rows().size(), 2u);

  prompt_.yes_no_answers.push_back(true);
  catalogue_.ClearZEBs();
  EXPECT_EQ(AllFiles(roms_), (Lines{"hidden.zeb", "sub", "system.zeb"}));
  EXPECT_EQ(AllFiles(roms_ + "\\sub"), (Lines{"inner.zeb"}));
  EXPECT_TRUE(catalogue_.rows().empty());
  EXPECT_EQ(catalogue_.selected(), -1);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MaintenanceTest, ClearAsksFirstAndNoDeletesNothing) {
  Entry("game.zeb", {"d:\\g", "game.exe", "Game", "", ""});
  Entry("banned.zeb", kNull);
  catalogue_.LoadZEBs();
  // The setting without its final backslash still names the folder.
  catalogue_.settings().zeb_path = roms_;
  catalogue_.ClearZEBs();  // answered with the default, No
  ASSERT_EQ(prompt_.questions.size(), 1u);
  const std::string& question = prompt_.questions[0].text;
  EXPECT_NE(question.find("all 2 files in " + roms_ + "\\"), std::string::npos) << question;
  EXPECT_EQ(prompt_.questions[0].title, kAppTitle);
  EXPECT_EQ(AllFiles(roms_), (Lines{"banned.zeb", "game.zeb"}));
  EXPECT_EQ(catalogue_.rows().size(), 1u) << "the list stays as it was";
  // A folder that is missing, unset or empty has nothing to delete and asks nothing.
  for (const std::string& setting : {dir_ / "missing\\", std::string()}) {
    catalogue_.settings().zeb_path = setting;
    catalogue_.ClearZEBs();
  }
  EXPECT_EQ(prompt_.questions.size(), 1u);
  EXPECT_EQ(AllFiles(roms_), (Lines{"banned.zeb", "game.zeb"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MaintenanceTest, ClearPassesOverAFileInUseAndNamesItOnceAtTheEnd) {
  for (const char* name : {"a.zeb", "b.zeb", "c.zeb", "d.zeb"})
    Entry(name, {"d:\\g", "x.exe", name, "", ""});
  OpenFile b(roms_ + "\\b.zeb", FILE_SHARE_READ);
  OpenFile c(roms_ + "\\c.zeb", FILE_SHARE_READ);
  ASSERT_TRUE(b.ok() && c.ok());
  prompt_.yes_no_answers.push_back(true);
  catalogue_.ClearZEBs();
  EXPECT_EQ(AllFiles(roms_), (Lines{"b.zeb", "c.zeb"}));
  ASSERT_EQ(prompt_.messages.size(), 1u);
  const std::string& text = prompt_.messages[0].text;
  EXPECT_NE(text.find(roms_ + "\\b.zeb"), std::string::npos) << text;
  EXPECT_NE(text.find(roms_ + "\\c.zeb"), std::string::npos) << text;
  EXPECT_EQ(text.find("a.zeb"), std::string::npos) << text;
  EXPECT_EQ(prompt_.messages[0].title, kAppTitle);
  // What is left is listed again.
  EXPECT_EQ(catalogue_.rows().size(), 2u);
}

TEST_F(MaintenanceTest, RemoveKeepsEveryEntryWhoseGameStillStarts) {
  std::string valid = MakeGame("Valid", {"valid.exe"});
  std::string cased = MakeGame("Cased", {"game.exe"});
  std::string hidden = MakeGame("Hidden", {"hid.exe", "sys.exe"});
  SetAttributes(hidden + "\\hid.exe", FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(hidden + "\\sys.exe", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
  Entry("valid.zeb", {valid, "valid.exe", "Valid", "Maker", "1999"});
  Entry("Game.zeb", {cased, "Game.EXE", "Cased", "", ""});
  Entry("hid.zeb", {hidden, "hid.exe", "Hidden", "", ""});
  Entry("sys.zeb", {hidden, "sys.exe", "System", "", ""});
  // Blacklist entries survive whatever their other lines say.
  Entry("banned.zeb", kNull);
  Entry("marker.zeb", {"NULL", "gone.exe", "x", "y", "z"});

  // Gone: an empty executable line, a missing folder, a missing file, an executable that is
  // a folder, a short file without executable line, and a stray text file.
  std::string folder_exe = MakeGame("FolderExe", {});
  MakeFolders(folder_exe + "\\run.exe");
  Entry("empty.zeb", {valid, "", "Empty", "", ""});
  Entry("nofolder.zeb", {dir_ / "games\\Gone", "valid.exe", "Gone", "", ""});
  Entry("nofile.zeb", {valid, "other.exe", "Other", "", ""});
  Entry("run.zeb", {folder_exe, "run.exe", "Folder", "", ""});
  Entry("short.zeb", {valid});
  WriteBytes(roms_ + "\\notes.txt", "just a note");
  // A hidden entry file is not an entry file at all: it stays.
  Entry("hidden.zeb", {dir_ / "games\\Gone", "x.exe", "", "", ""});
  SetAttributes(roms_ + "\\hidden.zeb", FILE_ATTRIBUTE_HIDDEN);

  catalogue_.RemoveInvalidEntries();
  EXPECT_EQ(AllFiles(roms_), (Lines{"Game.zeb", "banned.zeb", "hid.zeb", "hidden.zeb", "marker.zeb",
                                    "sys.zeb", "valid.zeb"}));
  EXPECT_EQ(ReadBytes(roms_ + "\\valid.zeb"), CrLf({valid, "valid.exe", "Valid", "Maker", "1999"}));
  EXPECT_EQ(catalogue_.rows(),
            (Lines{cased + "|Game.EXE|Cased||", hidden + "|hid.exe|Hidden||",
                   hidden + "|sys.exe|System||", valid + "|valid.exe|Valid|Maker|1999"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MaintenanceTest, RemoveGoesOnPastFilesItCannotReadOrDeleteAndNamesTheUndeleted) {
  std::string valid = MakeGame("Valid", {"valid.exe"});
  for (const char* name : {"a.zeb", "b.zeb", "c.zeb", "d.zeb"})
    Entry(name, {dir_ / "gone", "x.exe", name, "", ""});
  Entry("v.zeb", {valid, "valid.exe", "V", "", ""});
  // b can be read, so it is judged, but not deleted; c cannot even be read, so it stays.
  OpenFile b(roms_ + "\\b.zeb", FILE_SHARE_READ);
  OpenFile c(roms_ + "\\c.zeb", 0);
  ASSERT_TRUE(b.ok() && c.ok());
  catalogue_.RemoveInvalidEntries();
  EXPECT_EQ(AllFiles(roms_), (Lines{"b.zeb", "c.zeb", "v.zeb"}));
  ASSERT_EQ(prompt_.messages.size(), 2u);
  const std::string& text = prompt_.messages[0].text;
  EXPECT_NE(text.find(roms_ + "\\b.zeb"), std::string::npos) << text;
  EXPECT_EQ(text.find("c.zeb"), std::string::npos) << text;
  EXPECT_EQ(prompt_.messages[0].title, kAppTitle);
  // The file it could not read is named too, as kept.
  const std::string& unread = prompt_.messages[1].text;
  EXPECT_NE(unread.find("could not be read and were kept"), std::string::npos) << unread;
  EXPECT_NE(unread.find(roms_ + "\\c.zeb"), std::string::npos) << unread;
  EXPECT_EQ(catalogue_.failures_reported(), 2u);
}

TEST_F(MaintenanceTest, RemoveKeepsEntriesWhoseDriveCannotBeReachedAndSaysSo) {
  // No drive Q: exists here, like an unplugged disk: its games may still be there.
  Entry("edited.zeb", {"Q:\\Games\\Edited", "edited.exe", "My Edited Name", "Me", "2001"});
  Entry("gone.zeb", {dir_ / "games\\Gone", "gone.exe", "Gone", "", ""});
  catalogue_.RemoveInvalidEntries();
  EXPECT_EQ(AllFiles(roms_), (Lines{"edited.zeb"}));
  EXPECT_EQ(ReadBytes(roms_ + "\\edited.zeb"),
            CrLf({"Q:\\Games\\Edited", "edited.exe", "My Edited Name", "Me", "2001"}));
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(roms_ + "\\edited.zeb"), std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(catalogue_.failures_reported(), 0u) << "a notice, not a failure";
}

TEST_F(MaintenanceTest, BlacklistTurnsTheSelectedEntryIntoFiveNullLines) {
  std::string game = MakeGame("Game", {"game.exe"});
  Entry("game.zeb", {game, "game.exe", "Game", "Maker", "1999"});
  Entry("other.zeb", {game, "other.exe", "Other", "", ""});
  catalogue_.LoadZEBs();
  SelectExe("game.exe");
  catalogue_.Blacklist();
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf(kNull));
  EXPECT_EQ(catalogue_.rows(), (Lines{game + "|other.exe|Other||"}));
  EXPECT_EQ(catalogue_.selected(), -1);
  // The leftover of the replaced file is never kept beside it.
  EXPECT_EQ(AllFiles(roms_), (Lines{"game.zeb", "other.zeb"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MaintenanceTest, BlacklistTurnsTheRowsOwnFileIntoTheBlacklistEntryWhateverItsName) {
  // Two games share Launcher.exe; the second one's entry has the shared name.
  Entry("Launcher.zeb", {"d:\\g\\Deathloop", "Launcher.exe", "Deathloop", "", ""});
  Entry("Launcher (HITMAN 3).zeb", {"d:\\g\\HITMAN 3", "Launcher.exe", "HITMAN 3", "", ""});
  // Entries whose line 2 does not give their file's name.
  Entry("tool.zeb", {"d:\\g", "launcher", "Tool", "", ""});
  Entry("x.zeb", {"d:\\g", "ab", "Short", "", ""});
  catalogue_.LoadZEBs();
  ASSERT_TRUE(SelectRowOf(catalogue_, "Launcher.exe"));
  ASSERT_EQ(catalogue_.selected_entry_file(), "Launcher (HITMAN 3).zeb")
      << "the first row of Launcher.exe, in file-name order";
  catalogue_.Blacklist();
  EXPECT_EQ(ReadBytes(roms_ + "\\Launcher (HITMAN 3).zeb"), CrLf(kNull));
  EXPECT_EQ(ReadBytes(roms_ + "\\Launcher.zeb"),
            CrLf({"d:\\g\\Deathloop", "Launcher.exe", "Deathloop", "", ""}));
  SelectExe("launcher");
  catalogue_.Blacklist();
  SelectExe("ab");
  catalogue_.Blacklist();
  EXPECT_EQ(AllFiles(roms_),
            (Lines{"Launcher (HITMAN 3).zeb", "Launcher.zeb", "tool.zeb", "x.zeb"}));
  EXPECT_EQ(ReadBytes(roms_ + "\\tool.zeb"), CrLf(kNull));
  EXPECT_EQ(ReadBytes(roms_ + "\\x.zeb"), CrLf(kNull));
  EXPECT_EQ(catalogue_.rows(), (Lines{"d:\\g\\Deathloop|Launcher.exe|Deathloop||"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MaintenanceTest, BlacklistWithoutSelectionWritesNothing) {
  Entry("game.zeb", {"d:\\g", "game.exe", "Game", "", ""});
  catalogue_.LoadZEBs();
  catalogue_.Blacklist();
  EXPECT_EQ(AllFiles(roms_), (Lines{"game.zeb"}));
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf({"d:\\g", "game.exe", "Game", "", ""}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MaintenanceTest, RemoveKeepsEveryEntryWhoseProgramTheStartRuleFinds) {
  std::string game = MakeGame("Dos", {"DOSBox.exe", "Cloud Hopper.exe"});
  // Line 2 with arguments: the program it names first, quoted or not, in the folder or on the
  // search path; a whole line that names a file with a blank.
  Entry("dosbox.zeb", {game, R"(DOSBox.exe -conf "..\dosbox_x.conf" -noconsole -c "exit")"});
  Entry("cloud.zeb", {game, "Cloud Hopper.exe"});
  Entry("quoted.zeb", {game, "\"Cloud Hopper.exe\" -w"});
  Entry("path.zeb", {game, "cmd.exe /c exit"});
  // Gone: the program is not there, or the folder that it would start in is not.
  Entry("gone.zeb", {game, "Gone.exe -conf x.conf"});
  Entry("nofolder.zeb", {dir_ / "games\\Gone", "cmd.exe /c exit"});
  catalogue_.RemoveInvalidEntries();
  EXPECT_EQ(AllFiles(roms_), (Lines{"cloud.zeb", "dosbox.zeb", "path.zeb", "quoted.zeb"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MaintenanceTest, ABlacklistEntryThatCannotBeWrittenSaysWhichFileAndWhy) {
  Entry("game.zeb", {"d:\\g", "game.exe", "Game", "", ""});
  catalogue_.LoadZEBs();
  SelectExe("game.exe");
  SetAttributes(roms_ + "\\game.zeb", FILE_ATTRIBUTE_READONLY);
  catalogue_.Blacklist();
  SetAttributes(roms_ + "\\game.zeb", 0, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf({"d:\\g", "game.exe", "Game", "", ""}));
  EXPECT_EQ(AllFiles(roms_), (Lines{"game.zeb"}));
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(roms_ + "\\game.zeb"), std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(catalogue_.rows().size(), 1u);
}

}  // namespace
}  // namespace zeb::testing
