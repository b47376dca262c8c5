// The real vrelo.exe, started as the frontend starts it: by CreateProcess with an exact
// command-line text. The games are copies of the recorder fixture, which writes down how it
// was started and stays alive while its ".hold" file exists; with a ".start" file it is also a
// stub or launcher that starts another program. A game that ends within 10 s makes vrelo
// look for a hand-off for 10 s more, so most runs here take that long.
#include <windows.h>
#include <gtest/gtest.h>

#include "launcher/module1.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/text_lines.h"
#include "platform/unique_handle.h"
#include "tests/support/processes.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

constexpr DWORD kTimeoutMs = 30000;
// How long a process gets to do what it must not do.
constexpr DWORD kGraceMs = 1500;

// Starts the vrelo.exe at vrelo with the command line "<vrelo>" <arguments>.
unique_handle StartVrelo(const std::string& vrelo, const std::string& arguments,
                         const std::string& current_folder) {
  unique_handle process = testing::StartWithArguments(vrelo, arguments, current_folder);
  EXPECT_TRUE(process) << "cannot start " << vrelo;
  return process;
}

// Registers a program for ".ahk" files for the life of the object, the way a script host's
// set-up does (Wine reads associations from HKLM only).
class AhkAssociation {
 public:
  explicit AhkAssociation(const std::string& host) {
    SetDefault("Software\\Classes\\.ahk", "ZebrineTestScript");
    SetDefault("Software\\Classes\\ZebrineTestScript\\shell\\open\\command",
               "\"" + host + "\" \"%1\"");
  }
  ~AhkAssociation() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\ZebrineTestScript");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.ahk");
  }

 private:
  static void SetDefault(const char* key_name, const std::string& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_name, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
};

class VreloTest : public ::testing::Test {
 protected:
  VreloTest() {
    MakeFolders(Game());
    MakeFolders(dir_ / "roms");
    AddProgram(Game("sky.exe"));
  }

  std::string Game(const std::string& name = "") const {
    return name.empty() ? dir_ / "Sky Race" : dir_ / "Sky Race\\" + name;
  }
  static void AddProgram(const std::string& path) {
    CopyFileOrFail(testing::BuiltProgram("fixtures\\recorder.exe"), path);
  }
  std::string Entry(const std::string& name, const std::vector<std::string>& lines) {
    WriteBytes(dir_ / "roms\\" + name, CrLf(lines));
    return dir_ / "roms\\" + name;
  }
  std::string SkyEntry() { return Entry("sky.zeb", {Game(), "sky.exe", "Sky Race", "", ""}); }
  // Runs the built vrelo.exe from the temporary folder and gives back its exit status.
  DWORD RunVrelo(const std::string& arguments) {
    return ExitStatus(StartVrelo(vrelo_, arguments, dir_.path()));
  }
  static std::string Record(const std::string& path) { return ReadBytes(path + ".record"); }

  // A store client, already running, outside the game folder: it starts program delay_ms
  // after the game's own program (which ends at once) has asked it to, and stays.
  unique_handle StartStoreClient(const std::string& program, int delay_ms) {
    MakeFolders(dir_ / "Store");
    AddProgram(store_);
    WriteBytes(store_ + ".start",
               CrLf({Game("sky.exe.record"), std::to_string(delay_ms), program}));
    WriteBytes(store_ + ".hold", "");
    unique_handle client = StartWithArguments(store_, "", dir_.path());
    EXPECT_TRUE(WaitForFile(store_ + ".record", kTimeoutMs));
    return client;
  }
  void EndStoreClient(unique_handle* client) {
    DeleteFileA((store_ + ".hold").c_str());
    EXPECT_NE(ExitStatus(*client), kStillRunning);
  }
  // Starts the game through vrelo and expects vrelo to wait for real, the program below the
  // game folder that the hand-off ends in, and to end once it has ended.
  void ExpectHandOffFollowed(const std::string& real) {
    MakeFolders(Game("bin"));
    AddProgram(real);
    WriteBytes(real + ".hold", "");
    unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path());
    ASSERT_TRUE(WaitForFile(real + ".record", kTimeoutMs)) << "the hand-off did not start it";
    EXPECT_EQ(ExitStatus(vrelo, kGraceMs), kStillRunning) << "vrelo lost the hand-off";
    ASSERT_TRUE(DeleteFileA((real + ".hold").c_str()));
    EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
  }

  TempFolder dir_;
  std::string store_ = dir_ / "Store\\store.exe";
  std::string vrelo_ = testing::BuiltProgram("vrelo.exe");
};

TEST_F(VreloTest, EndsOnlyAfterTheGameHasEnded) {
  WriteBytes(Game("sky.exe.hold"), "");
  unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path());
  ASSERT_TRUE(WaitForFile(Game("sky.exe.record"), kTimeoutMs)) << "the game did not start";
  EXPECT_EQ(ExitStatus(vrelo, kGraceMs), kStillRunning) << "vrelo ended before the game";
  ASSERT_TRUE(DeleteFileA(Game("sky.exe.hold").c_str()));
  EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
  // Started by its bare name, shown normally, with the game folder as its current folder.
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({"sky.exe", Game(), Game("sky.exe")}));
  EXPECT_EQ(ReadBytes(Game("sky.exe.show")), "1\r\n");
  EXPECT_FALSE(AnyFileExists(Game("vrelo.bat")));
}

TEST_F(VreloTest, FollowsTheRealGameThatAStubStartsBelowItsFolderWithoutUsingTheProcessor) {
  std::string real = Game("Game\\Binaries\\Win64\\Sky-Win64-Shipping.exe");
  MakeFolders(Game("Game\\Binaries\\Win64"));
  AddProgram(real);
  // A stub that starts the game inside vrelo's job, and one that asks to break away from it.
  for (const char* mode : {"", "breakaway"}) {
    SCOPED_TRACE(mode);
    DeleteFileA((real + ".record").c_str());
    WriteBytes(Game("sky.exe.start"), CrLf({"", "0", real, mode}));
    WriteBytes(real + ".hold", "");
    std::string entry = SkyEntry();
    unique_handle vrelo = StartVrelo(vrelo_, entry, dir_.path());
    ASSERT_TRUE(WaitForFile(real + ".record", kTimeoutMs)) << "the real game did not start";
    for (DWORD start = GetTickCount(); ProgramRuns(Game("sky.exe")); Sleep(20))
      ASSERT_LT(GetTickCount() - start, kTimeoutMs) << "the stub did not end";
    EXPECT_EQ(ExitStatus(vrelo, kGraceMs), kStillRunning) << "vrelo ended with the stub";

    // While the real game runs, vrelo waits without a time limit: it never wakes and uses no
    // processor time (a look four times a second would wake it eight times here).
    std::string command = "\"" + vrelo_ + "\" " + entry;
    ProcessActivity before = ActivityOf(vrelo, command);
    ASSERT_GE(before.processor_ms, 0) << "vrelo's processor time cannot be read";
    Sleep(2000);
    ProcessActivity after = ActivityOf(vrelo, command);
    EXPECT_LE(after.processor_ms - before.processor_ms, 20) << "vrelo used the processor";
    if (before.wake_ups >= 0) {
      EXPECT_LE(after.wake_ups - before.wake_ups, 2) << "vrelo woke up";
    }

    ASSERT_TRUE(DeleteFileA((real + ".hold").c_str()));
    EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
  }
}

TEST_F(VreloTest, AProgramOutsideTheGameFolderThatTheGameStartsDoesNotHoldVrelo) {
  std::string resident = dir_ / "Store\\tray.exe";
  MakeFolders(dir_ / "Store");
  AddProgram(resident);
  WriteBytes(resident + ".hold", "");
  WriteBytes(Game("sky.exe.start"), CrLf({"", "0", resident}));
  WriteBytes(Game("sky.exe.hold"), "");
  unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path());
  ASSERT_TRUE(WaitForFile(resident + ".record", kTimeoutMs));
  EXPECT_EQ(ExitStatus(vrelo, kGraceMs), kStillRunning);
  ASSERT_TRUE(DeleteFileA(Game("sky.exe.hold").c_str()));
  EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
  // Closing vrelo's job closed nothing.
  EXPECT_TRUE(ProgramRuns(resident));
  DeleteFileA((resident + ".hold").c_str());
}

TEST_F(VreloTest, WaitsForTheGameThatARunningLauncherStartsLater) {
  // The store client starts the real game itself, 3 s after it was asked.
  std::string real = Game("bin\\sky-real.exe");
  unique_handle client = StartStoreClient(real, 3000);
  ExpectHandOffFollowed(real);
  EXPECT_EQ(ExitStatus(client, 0), kStillRunning) << "the store client holds nothing";
  EndStoreClient(&client);
}

TEST_F(VreloTest, FollowsWhatAHandedOffLauncherStartsAfterRunningLong) {
  // The store client hands off to the game's own launcher, which the user keeps open for
  // longer than a stub runs; only then does it start the real game and end.
  std::string launcher = Game("launcher.exe");
  std::string real = Game("bin\\sky-real.exe");
  AddProgram(launcher);
  WriteBytes(launcher + ".start", CrLf({"", "11000", real}));
  unique_handle client = StartStoreClient(launcher, 1000);
  ExpectHandOffFollowed(real);
  EndStoreClient(&client);
}

TEST_F(VreloTest, PassesTheOptionsOnWithTheirBlanks) {
  std::string entry = SkyEntry();
  std::string without_ending = entry.substr(0, entry.size() - 4);
  struct Case {
    std::string arguments, game_command;
  } cases[] = {
      {entry + " /w", "sky.exe /w"},
      {entry + " -w", "sky.exe  -w"},
      {entry + "  /w -x", "sky.exe  /w -x"},
      {without_ending + " /w", "sky.exe /w"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    DeleteFileA(Game("sky.exe.record").c_str());
    EXPECT_EQ(RunVrelo(c.arguments), static_cast<DWORD>(kGameEnded));
    EXPECT_EQ(Record(Game("sky.exe")), CrLf({c.game_command, Game(), Game("sky.exe")}));
  }
}

TEST_F(VreloTest, AnExecutableNamedWithoutItsEndingStillStarts) {
  std::string entry = Entry("sky.zeb", {Game(), "sky", "Sky Race", "", ""});
  EXPECT_EQ(RunVrelo(entry + " /w"), static_cast<DWORD>(kGameEnded));
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({"sky /w", Game(), Game("sky.exe")}));
}

TEST_F(VreloTest, ABareNameIsFoundBesideVreloAndTheGameStartsFromItsOwnFolder) {
  // vrelo in a folder of its own, with a decoy game of the same name beside it: a start by
  // bare name would find that one first.
  std::string front = dir_ / "front end";
  MakeFolders(front);
  CopyFileOrFail(vrelo_, front + "\\vrelo.exe");
  AddProgram(front + "\\sky.exe");
  WriteBytes(front + "\\Sky.zeb", CrLf({Game(), "sky.exe", "Sky Race", "", ""}));
  // The current folder holds an entry of the same name for another game, which must not count.
  std::string here = dir_ / "here";
  MakeFolders(here + "\\Other");
  AddProgram(here + "\\Other\\sky.exe");
  WriteBytes(here + "\\Sky.zeb", CrLf({here + "\\Other", "sky.exe", "", "", ""}));

  EXPECT_EQ(ExitStatus(StartVrelo(front + "\\vrelo.exe", "Sky", here)),
            static_cast<DWORD>(kGameEnded));
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({"sky.exe", Game(), Game("sky.exe")}));
  EXPECT_FALSE(AnyFileExists(front + "\\sky.exe.record"));
  EXPECT_FALSE(AnyFileExists(here + "\\Other\\sky.exe.record"));
}

TEST_F(VreloTest, StartsNothingWithoutAnEntryOrForABlacklistEntry) {
  std::string entry = SkyEntry();
  EXPECT_EQ(RunVrelo(""), static_cast<DWORD>(kNothingToStart));
  EXPECT_EQ(RunVrelo("   "), static_cast<DWORD>(kNothingToStart));
  std::string quoted = dir_ / "roms\\none.zeb";
  quoted = '"' + quoted + '"';
  EXPECT_EQ(RunVrelo(quoted), static_cast<DWORD>(kNoEntryFile));
  EXPECT_EQ(RunVrelo(dir_ / "roms\\none.zeb"), static_cast<DWORD>(kNoEntryFile));
  EXPECT_EQ(RunVrelo(Entry("banned.zeb", {"NULL", "NULL", "NULL", "NULL", "NULL"})),
            static_cast<DWORD>(kBlacklisted));
  // Each of these ended by itself, so no message box held vrelo open.
  EXPECT_FALSE(AnyFileExists(Game("sky.exe.record")));
}

TEST_F(VreloTest, RunsTheCompanionScriptThroughVreloBatEvenWithPercentInItsName) {
  std::string host = dir_ / "ahk host.exe";
  AddProgram(host);
  AhkAssociation association(host);
  struct Case {
    std::string exe, batch_file;
  } cases[] = {
      {"100%.exe", "\"100%%.exe.ahk\"\r\n"},
      {"%COMSPEC%.exe", "\"%%COMSPEC%%.exe.ahk\"\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exe);
    std::string script = Game(c.exe + ".ahk");
    AddProgram(Game(c.exe));
    AddProgram(script);
    // What "100%.exe.ahk" becomes when cmd drops the lone "%".
    AddProgram(Game("100.exe.ahk"));
    // An older, longer batch file is replaced by the one line.
    WriteBytes(Game("vrelo.bat"), "@echo an older batch file\r\n@echo with two lines\r\n");
    DeleteFileA((host + ".record").c_str());

    EXPECT_EQ(RunVrelo(Entry("percent.zeb", {Game(), c.exe, "", "", ""}) + " /w"),
              static_cast<DWORD>(kGameEnded));
    EXPECT_EQ(Record(Game(c.exe)), CrLf({c.exe + " /w", Game(), Game(c.exe)}));
    EXPECT_EQ(ReadBytes(Game("vrelo.bat")), c.batch_file);

    // Wine's cmd starts the script itself (it is a program); Windows goes through the
    // association to the host. Either way the script beside the game must be the one reached.
    bool reached = false;
    for (DWORD start = GetTickCount(); !reached && GetTickCount() - start < kTimeoutMs; Sleep(20))
      reached = AnyFileExists(script + ".record") || AnyFileExists(host + ".record");
    ASSERT_TRUE(reached) << "the companion script did not run";
    if (AnyFileExists(script + ".record")) {
      std::vector<std::string> seen = SplitTextLines(Record(script));
      ASSERT_EQ(seen.size(), 3u);
      EXPECT_EQ(seen[1], Game()) << "the script runs in the game folder";
      EXPECT_EQ(seen[2], script);
    } else {
      EXPECT_NE(Record(host).find(script), std::string::npos) << Record(host);
    }
    EXPECT_FALSE(AnyFileExists(Game("100.exe.ahk.record")));
  }
}

TEST_F(VreloTest, WithoutAScriptAnOldVreloBatIsNeitherRunNorRemoved) {
  std::string old_batch = "\"decoy.exe\"\r\n";
  WriteBytes(Game("vrelo.bat"), old_batch);
  AddProgram(Game("decoy.exe"));
  WriteBytes(Game("sky.exe.hold"), "");
  unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path());
  ASSERT_TRUE(WaitForFile(Game("sky.exe.record"), kTimeoutMs));
  // The game runs; give a batch file that was started wrongly the time to show itself.
  Sleep(kGraceMs);
  ASSERT_TRUE(DeleteFileA(Game("sky.exe.hold").c_str()));
  EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
  EXPECT_FALSE(AnyFileExists(Game("decoy.exe.record")));
  EXPECT_EQ(ReadBytes(Game("vrelo.bat")), old_batch);
}

BOOL CALLBACK NoteConsoleWindow(HWND window, LPARAM shown) {
  std::string name = ClassOf(window);
  if (IsWindowVisible(window) && (name == "ConsoleWindowClass" || name == "WineConsoleClass"))
    *reinterpret_cast<bool*>(shown) = true;
  return TRUE;
}

// Whether a console window is shown; the batch file's cmd gets one unless started hidden.
bool ConsoleWindowShown() {
  bool shown = false;
  EnumWindows(NoteConsoleWindow, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

TEST_F(VreloTest, TheCompanionBatchRunsHiddenWhileTheGameShows) {
  // Wine's cmd runs the script itself; cmd waits for it, so its console lasts while it is held.
  std::string script = Game("sky.exe.ahk");
  AddProgram(script);
  WriteBytes(script + ".hold", "");
  WriteBytes(Game("sky.exe.hold"), "");
  // Started as a windowed frontend starts it, with no console that the batch could share.
  unique_handle vrelo = StartWithArguments(vrelo_, SkyEntry(), dir_.path(), "", DETACHED_PROCESS);
  ASSERT_TRUE(WaitForFile(script + ".record", kTimeoutMs));
  ASSERT_TRUE(WaitForFile(Game("sky.exe.show"), kTimeoutMs));
  EXPECT_FALSE(ConsoleWindowShown()) << "the batch file's console is shown";
  EXPECT_EQ(ReadBytes(Game("sky.exe.show")), "1\r\n");
  DeleteFileA((script + ".hold").c_str());
  ASSERT_TRUE(DeleteFileA(Game("sky.exe.hold").c_str()));
  EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
}

TEST_F(VreloTest, AFailureShowsAMessageBoxNamingItAndEndsWithAFailureStatus) {
  std::string gone = dir_ / "gone\\Sky Race";
  unique_handle vrelo = StartVrelo(vrelo_, Entry("gone.zeb", {gone, "sky.exe"}), dir_.path());
  ASSERT_TRUE(vrelo);
  HWND box = testing::WaitForWindow(GetProcessId(vrelo.get()), "#32770", "", kTimeoutMs);
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(testing::WindowText(box), kVreloTitle);
  std::string text = testing::StaticTexts(box);
  EXPECT_NE(text.find("\"" + gone + "\""), std::string::npos) << text;
  // vrelo waits for the box; closing it lets vrelo end.
  EXPECT_EQ(ExitStatus(vrelo, kGraceMs), kStillRunning);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kFailed));
  EXPECT_FALSE(AnyFileExists(Game("sky.exe.record")));
}

}  // namespace
}  // namespace zeb::testing
