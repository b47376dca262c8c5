// Faults a user's disk can hold: entry files that are read-only, locked, empty, binary or one
// 10 MB line; paths longer than 260 characters; names in the code page's upper half; a game
// folder that cannot be listed; a missing DAT folder; a read-only "config.cfg". Every
// operation must end, lose nothing, and leave each file as it was or as the completed
// operation makes it.
#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "catalogue/catalogue.h"
#include "catalogue/entry_editor.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "platform/paths.h"
#include "platform/unique_handle.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/resource.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

class FaultTest : public ::testing::Test {
 protected:
  FaultTest() : catalogue_(prompt_, dir_ / "Zeb") { MakeFolders(dir_ / "Zeb"); }

  // Points the settings at folders below base, which are made.
  void UseFolders(const std::string& base) {
    for (const char* folder : {"games", "roms", "dats", "DK\\cfgs"})
      MakeFolders(JoinPath(base, folder));
    catalogue_.settings() = {base + "\\games\\", base + "\\roms\\", base + "\\dats\\",
                             base + "\\DK\\"};
  }
  std::string Roms() const { return catalogue_.settings().zeb_path; }
  void Game(const std::string& relative_path, const std::string& fixture = "noversion") {
    std::string path = catalogue_.settings().game_paths + relative_path;
    MakeFolders(path.substr(0, path.find_last_of('\\')));
    testing::CopyFileOrFail(testing::BuiltProgram("fixtures\\x64\\" + fixture + ".exe"), path);
  }
  Lines EntryNames() {
    FileListing listing;
    ListFiles(Roms(), "*", &listing);
    return listing.names;
  }
  bool Listed(const std::string& exe) {
    for (const std::string& row : catalogue_.rows())
      if (row.find("|" + exe + "|") != std::string::npos) return true;
    return false;
  }
  bool MessageNames(const std::string& text) {
    for (const RecordingPrompt::Message& message : prompt_.messages)
      if (message.text.find(text) != std::string::npos) return true;
    return false;
  }

  TempFolder dir_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
};

TEST_F(FaultTest, DamagedEntryFilesStopNothingAndLoseNothing) {
  UseFolders(dir_.path());
  std::string games = catalogue_.settings().game_paths;
  Game("Good\\good.exe");
  Game("Ro\\ro.exe");
  Game("Locked\\locked.exe");
  Game("Fresh\\fresh.exe");
  std::string roms = Roms();
  std::map<std::string, std::string> before = {
      {"good.zeb", CrLf({games + "Good", "good.exe", "Good", "", ""})},
      {"ro.zeb", CrLf({games + "Ro", "ro.exe", "Read Only", "", ""})},
      {"rogone.zeb", CrLf({games + "Gone", "gone.exe", "Gone", "", ""})},
      {"locked.zeb", CrLf({games + "Locked", "locked.exe", "Locked", "", ""})},
      {"empty.zeb", ""},
      {"long.zeb", std::string(10 << 20, 'x')},
  };
  std::string binary(4096, '\0');
  std::mt19937 random(7);
  for (char& c : binary) c = static_cast<char>(random());
  before["binary.zeb"] = binary;
  for (const auto& [name, bytes] : before) WriteBytes(roms + name, bytes);
  SetAttributes(roms + "ro.zeb", FILE_ATTRIBUTE_READONLY);
  SetAttributes(roms + "rogone.zeb", FILE_ATTRIBUTE_READONLY);
  WriteBytes(dir_ / "dats\\PC.dat", "the old DAT\r\n");
  unique_hfile lock(CreateFileW(WidePath(roms + "locked.zeb").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(lock);

  // The list: every readable file, the locked one passed over.
  catalogue_.LoadZEBs();
  EXPECT_TRUE(Listed("good.exe"));
  EXPECT_TRUE(Listed("ro.exe"));
  EXPECT_FALSE(Listed("locked.exe"));
  EXPECT_EQ(catalogue_.rows().size(), 6u);

  // A scan writes the one new entry and touches none of the others.
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(ReadBytes(roms + "fresh.zeb"), CrLf({games + "Fresh", "fresh.exe", "Fresh", "", ""}));
  for (const auto& [name, bytes] : before) {
    if (name != "locked.zeb") {
      EXPECT_EQ(ReadBytes(roms + name), bytes) << name;
    }
  }

  // Blacklisting or editing a read-only entry says so and leaves it alone.
  prompt_.messages.clear();
  SelectRowOf(catalogue_, "ro.exe");
  catalogue_.Blacklist();
  EXPECT_TRUE(MessageNames(roms + "ro.zeb"));
  SelectRowOf(catalogue_, "ro.exe");
  EntryEditor editor(&catalogue_);
  editor.Fill();
  editor.fields().name = "Renamed";
  EXPECT_FALSE(editor.Ok()) << "the editor stays open";
  EXPECT_EQ(ReadBytes(roms + "ro.zeb"), before["ro.zeb"]);

  // The DAT export stops at the first file it cannot use (the short binary one, the empty
  // one, the locked one): one message names it, and the old DAT stays as it was.
  prompt_.messages.clear();
  catalogue_.MakeDatFile();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_TRUE(MessageNames("binary.zeb") || MessageNames("empty.zeb") || MessageNames("locked.zeb"))
      << prompt_.messages[0].text;
  EXPECT_EQ(ReadBytes(dir_ / "dats\\PC.dat"), "the old DAT\r\n");

  // The other frontends get every entry that can be read (the locked one is passed over), a
  // damaged one's control characters as blanks, so that ES-DE's XML stays well-formed.
  prompt_.messages.clear();
  MakeFolders(dir_ / "ES-DE");
  catalogue_.frontend_folders()[FrontendKind::kEsDe] = dir_ / "ES-DE";
  catalogue_.WriteOtherFrontends();
  EXPECT_TRUE(prompt_.messages.empty()) << prompt_.messages[0].text;
  prompt_.messages.clear();
  catalogue_.WriteOtherFrontends();
  EXPECT_TRUE(prompt_.messages.empty()) << "the gamelist written reads back as XML";

  // Removing invalid entries deletes the empty, binary and long files (their games are
  // nowhere), passes over the read-only one it cannot delete and names it.
  prompt_.messages.clear();
  catalogue_.RemoveInvalidEntries();
  EXPECT_EQ(EntryNames(), (Lines{"fresh.zeb", "good.zeb", "locked.zeb", "ro.zeb", "rogone.zeb"}));
  EXPECT_TRUE(MessageNames("rogone.zeb"));
  EXPECT_EQ(ReadBytes(roms + "rogone.zeb"), before["rogone.zeb"]);

  // Once the lock is gone, the export runs.
  lock.reset();
  prompt_.messages.clear();
  catalogue_.MakeDatFile();
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_NE(ReadBytes(dir_ / "dats\\PC.dat").find("\tname locked\r\n"), std::string::npos);

  // Clearing deletes what it can and names what it cannot.
  prompt_.messages.clear();
  prompt_.yes_no_answers.push_back(true);
  catalogue_.ClearZEBs();
  EXPECT_EQ(EntryNames(), (Lines{"ro.zeb", "rogone.zeb"}));
  EXPECT_TRUE(MessageNames("ro.zeb"));
}

TEST_F(FaultTest, PathsLongerThan260CharactersWork) {
  std::string base = dir_.path();
  while (base.size() < 300) base += "\\a folder with a rather long name to make the path long";
  UseFolders(base);
  Game("Sky\\skyrace.exe", "sample_skyrace");
  Game("Sky\\setup.exe");
  std::string roms = Roms();
  ASSERT_GT(roms.size(), 300u);

  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(ReadBytes(roms + "skyrace.zeb"),
            CrLf({base + "\\games\\Sky", "skyrace.exe", "Sky Race", "Example Games", "1999"}));
  EXPECT_EQ(catalogue_.rows().size(), 1u);
  catalogue_.RemoveInvalidEntries();
  EXPECT_EQ(EntryNames(), (Lines{"skyrace.zeb"})) << "the game is still there";
  catalogue_.MakeDatFile();
  EXPECT_NE(ReadBytes(base + "\\dats\\PC.dat").find("\tname skyrace\r\n"), std::string::npos);
  catalogue_.MakeDKcfg();
  EXPECT_NE(ReadBytes(base + "\\DK\\cfgs\\PC.cfg").find("exe=Vrelo.exe"), std::string::npos);
  catalogue_.Select(0);
  catalogue_.Blacklist();
  EXPECT_EQ(ReadBytes(roms + "skyrace.zeb"), CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  prompt_.yes_no_answers.push_back(true);
  catalogue_.ClearZEBs();
  EXPECT_TRUE(EntryNames().empty());
  EXPECT_TRUE(prompt_.messages.empty()) << prompt_.messages[0].text;
}

TEST_F(FaultTest, NamesInTheUpperHalfOfTheCodePage) {
  UseFolders(dir_ /
             "Entr\xe9"
             "es");
  Game("Caf\xe9\\Caf\xe9.exe", "sample_skyrace");
  catalogue_.GenerateZEBFiles();
  std::string roms = Roms();
  EXPECT_EQ(ReadBytes(roms + "Caf\xe9.zeb"),
            CrLf({catalogue_.settings().game_paths + "Caf\xe9", "Caf\xe9.exe", "Sky Race",
                  "Example Games", "1999"}));
  catalogue_.RemoveInvalidEntries();
  EXPECT_EQ(EntryNames(), (Lines{"Caf\xe9.zeb"}));
  catalogue_.MakeDatFile();
  EXPECT_NE(ReadBytes(dir_ / "Entr\xe9"
                             "es\\dats\\PC.dat")
                .find("\tname Caf\xe9\r\n"),
            std::string::npos);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(FaultTest, AGameFolderWhoseNameTheCodePageCannotHoldIsReachedThroughItsShortName) {
  UseFolders(dir_.path());
  Game("Alpha\\alpha.exe");
  Game("Omega\\omega.exe");
  // A folder whose name has no form in the code page: a narrowed listing would give it with
  // "?" in place of those characters, and that name lists nothing.
  std::wstring odd = Widen(catalogue_.settings().game_paths) + L"\x65e5\x672c";
  ASSERT_TRUE(CreateDirectoryW(odd.c_str(), nullptr));
  HANDLE exe = CreateFileW((odd + L"\\game.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exe, INVALID_HANDLE_VALUE);
  CloseHandle(exe);
  catalogue_.GenerateZEBFiles();
  EXPECT_EQ(EntryNames(), (Lines{"alpha.zeb", "game.zeb", "omega.zeb"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(FaultTest, AMissingDatFolderIsReportedAndNothingElseChanges) {
  UseFolders(dir_.path());
  Game("Alpha\\alpha.exe");
  catalogue_.GenerateZEBFiles();
  std::string entry = ReadBytes(Roms() + "alpha.zeb");
  catalogue_.settings().dat_path = dir_ / "no dats\\";
  catalogue_.MakeDatFile();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_TRUE(MessageNames(dir_ / "no dats\\PC.dat")) << prompt_.messages[0].text;
  EXPECT_FALSE(FolderExists(dir_ / "no dats"));
  EXPECT_EQ(ReadBytes(Roms() + "alpha.zeb"), entry);
  EXPECT_EQ(testing::ReadBytes(dir_ / "Zeb\\tempdat.dat"), "") << "no temporary file is left";
}

TEST_F(FaultTest, AReadOnlyDatFileIsReportedAndKept) {
  UseFolders(dir_.path());
  Game("Alpha\\alpha.exe");
  catalogue_.GenerateZEBFiles();
  WriteBytes(dir_ / "dats\\PC.dat", "the old DAT\r\n");
  SetAttributes(dir_ / "dats\\PC.dat", FILE_ATTRIBUTE_READONLY);
  catalogue_.MakeDatFile();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_TRUE(MessageNames(dir_ / "dats\\PC.dat")) << prompt_.messages[0].text;
  EXPECT_EQ(ReadBytes(dir_ / "dats\\PC.dat"), "the old DAT\r\n");
}

TEST_F(FaultTest, AReadOnlySettingsFileAtCloseIsReportedAndKept) {
  std::string config = CrLf({"d:\\pc games\\", "roms\\", "dats\\", ""});
  WriteBytes(dir_ / "Zeb\\config.cfg", config);
  SetAttributes(dir_ / "Zeb\\config.cfg", FILE_ATTRIBUTE_READONLY);
  std::unique_ptr<Form1> window = Form1::Create(GetModuleHandleA(nullptr), &catalogue_);
  ASSERT_TRUE(window);
  window->set_quit_on_destroy(false);
  SetDlgItemTextA(window->hwnd(), IDC_txtGamePaths, "e:\\other\\");
  SendMessageA(window->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window->hwnd(), nullptr) << "the window still closes";
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_TRUE(MessageNames(dir_ / "Zeb\\config.cfg")) << prompt_.messages[0].text;
  EXPECT_EQ(ReadBytes(dir_ / "Zeb\\config.cfg"), config);
}

}  // namespace
}  // namespace zeb::testing
