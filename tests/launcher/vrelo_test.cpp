// The real vrelo.exe, started as the frontend starts it: by CreateProcess with an exact
// command-line text. The games are copies of the recorder fixture, which writes down how it
// was started and stays alive while its ".hold" file exists; with a ".start" file it is also a
// stub, launcher or store client that starts another program. The rules of the start are
// shown in-process (module1_test.cpp); here what only the real program shows: its own folder
// and command line, its use of the processor, the batch file's console, the message box, and
// the look for the game that a store client starts. Where the real times are not what a test
// is about, it runs vrelo_short_look.exe, the same program built for the tests, which takes
// shorter times for that look from ZEBRINE_TEST_HAND_OFF_MS; the shipped vrelo.exe reads no
// environment variable and runs with its own times.
#include <windows.h>
#include <gtest/gtest.h>

#include "launcher/module1.h"
#include "platform/files.h"
#include "platform/unique_handle.h"
#include "tests/support/processes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace zeb::testing {
namespace {

// How long a process gets to do what it must not do.
constexpr DWORD kGraceMs = 1500;

// The look of the runs here: a game that runs 1 s is played, a look lasts 2 s after a short
// run or after the end of a store client that the game woke, and 6 s at most.
constexpr char kTimesVariable[] = "ZEBRINE_TEST_HAND_OFF_MS";
constexpr char kShortTimes[] = "1000,2000,6000";
constexpr DWORD kLookForMs = 2000;
constexpr DWORD kLookAtMostMs = 6000;

// Sets an environment variable of this process (and so of the programs it starts) for the
// life of the object; nullptr removes it.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const char* value) : name_(name) {
    char old[256];
    DWORD length = GetEnvironmentVariableA(name, old, sizeof old);
    had_ = length > 0 && length < sizeof old;
    if (had_) old_.assign(old, length);
    SetEnvironmentVariableA(name, value);
  }
  ~EnvironmentVariable() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  bool had_ = false;
  std::string old_;
};

// Starts the vrelo.exe at vrelo with the command line "<vrelo>" <arguments>.
unique_handle StartVrelo(const std::string& vrelo, const std::string& arguments,
                         const std::string& current_folder, DWORD creation_flags = 0) {
  unique_handle process =
      testing::StartWithArguments(vrelo, arguments, current_folder, "", creation_flags);
  EXPECT_TRUE(process) << "cannot start " << vrelo;
  return process;
}

bool HasEnded(const unique_handle& process) { return ExitStatus(process, 0) != kStillRunning; }

class VreloTest : public ::testing::Test {
 protected:
  VreloTest() {
    MakeFolders(Game());
    MakeFolders(dir_ / "roms");
    MakeFolders(dir_ / "Store");
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
  // The shipped program, on entries it starts nothing for: it ends without a look.
  DWORD RunVrelo(const std::string& arguments) {
    return ExitStatus(StartVrelo(shipped_vrelo_, arguments, dir_.path()));
  }
  static std::string Record(const std::string& path) { return ReadBytes(path + ".record"); }

  // The game's own program wakes a store client outside the game folder and ends at once, as
  // a store game does when its client is not running. The client starts program (none when
  // empty) after delay_ms, then ends, or stays while held.
  void WakeClient(int delay_ms, const std::string& program, bool held) {
    AddProgram(client_);
    WriteBytes(Game("sky.exe.start"), CrLf({"", "0", client_}));
    WriteBytes(client_ + ".start", CrLf({"", std::to_string(delay_ms), program}));
    if (held) WriteBytes(client_ + ".hold", "");
  }
  void EndClient() {
    DeleteFileA((client_ + ".hold").c_str());
    EXPECT_TRUE(WaitUntil("the client to end", [&] { return !ProgramRuns(client_); }));
  }

  TempFolder dir_;
  // The shipped program, and the build of it that takes shorter times.
  std::string shipped_vrelo_ = testing::BuiltProgram("vrelo.exe");
  std::string vrelo_ = testing::BuiltProgram("vrelo_short_look.exe");
  std::string client_ = dir_ / "Store\\client.exe";
  EnvironmentVariable short_times_{kTimesVariable, kShortTimes};
};

TEST_F(VreloTest, StartsTheGameOfAnEntryBesideItAndEndsOnlyAfterTheGame) {
  // vrelo in a folder of its own, with a decoy game of the same name beside it: Windows looks
  // for a program started by its bare name in the starter's folder first.
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

  WriteBytes(Game("sky.exe.hold"), "");
  unique_handle vrelo = StartVrelo(front + "\\vrelo.exe", "Sky  /w -x", here);
  ASSERT_TRUE(WaitForFile(Game("sky.exe.record"), kWaitTimeoutMs));
  EXPECT_EQ(ExitStatus(vrelo, kGraceMs), kStillRunning) << "vrelo ended before the game";
  ASSERT_TRUE(DeleteFileA(Game("sky.exe.hold").c_str()));
  EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
  // Started by its bare name with the options as they followed the entry's name, shown
  // normally, with the game folder as its current folder.
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({"sky.exe  /w -x", Game(), Game("sky.exe")}));
  EXPECT_EQ(ReadBytes(Game("sky.exe.show")), "1\r\n");
  EXPECT_FALSE(AnyFileExists(Game("vrelo.bat")));
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

TEST_F(VreloTest, WaitsForTheRealGameThatAStubStartsWithoutUsingTheProcessor) {
  // The stub asks to start the real game outside vrelo's job; vrelo's look finds it.
  std::string real = Game("Game\\Binaries\\Win64\\Sky-Win64-Shipping.exe");
  MakeFolders(Game("Game\\Binaries\\Win64"));
  AddProgram(real);
  WriteBytes(Game("sky.exe.start"), CrLf({"", "0", real, "breakaway"}));
  WriteBytes(real + ".hold", "");
  std::string entry = SkyEntry();
  unique_handle vrelo = StartVrelo(vrelo_, entry, dir_.path());
  ASSERT_TRUE(WaitForFile(real + ".record", kWaitTimeoutMs)) << "the real game did not start";
  ASSERT_TRUE(WaitUntil("the stub to end", [&] { return !ProgramRuns(Game("sky.exe")); }));
  EXPECT_EQ(ExitStatus(vrelo, kGraceMs), kStillRunning) << "vrelo ended with the stub";

  // While the real game runs, vrelo waits without a time limit: it never wakes and uses no
  // processor time (a look four times a second would wake it eight times here).
  std::string command = "\"" + vrelo_ + "\" " + entry;
  ProcessActivity before = ActivityOf(vrelo, command);
  ASSERT_GE(before.processor_ms, 0) << "vrelo's processor time cannot be read";
  EXPECT_TRUE(
      NotWithin(2000, "vrelo ended while the real game ran", [&] { return HasEnded(vrelo); }));
  ProcessActivity after = ActivityOf(vrelo, command);
  EXPECT_LE(after.processor_ms - before.processor_ms, 20) << "vrelo used the processor";
  if (before.wake_ups >= 0) {
    EXPECT_LE(after.wake_ups - before.wake_ups, 2) << "vrelo woke up";
  }

  ASSERT_TRUE(DeleteFileA((real + ".hold").c_str()));
  EXPECT_EQ(ExitStatus(vrelo), static_cast<DWORD>(kGameEnded));
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
  unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path(), DETACHED_PROCESS);
  ASSERT_TRUE(WaitForFile(script + ".record", kWaitTimeoutMs));
  ASSERT_TRUE(WaitForFile(Game("sky.exe.show"), kWaitTimeoutMs));
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
  HWND box = testing::WaitForWindow(GetProcessId(vrelo.get()), "#32770", "");
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

// The store client was not running: the game's program woke it and ended, and the client
// starts the game long after the look of a plain short run (scaled down from 25 s and 10 s).
TEST_F(VreloTest, WaitsForTheGameThatAStoreClientItWokeStartsLater) {
  std::string real = Game("bin\\sky-real.exe");
  MakeFolders(Game("bin"));
  AddProgram(real);
  WriteBytes(real + ".hold", "");
  WakeClient(5 * kLookForMs / 2, real, true);
  unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path());
  ASSERT_TRUE(WaitForFile(real + ".record", kWaitTimeoutMs)) << "the client did not start it";
  unique_handle game = FindProgram(real);
  ASSERT_TRUE(game);
  // Played for longer than a short run, so that its end is the end.
  EXPECT_TRUE(
      NotWithin(kGraceMs, "vrelo ended while the game ran", [&] { return HasEnded(vrelo); }));
  ASSERT_TRUE(DeleteFileA((real + ".hold").c_str()));
  ASSERT_NE(ExitStatus(game), kStillRunning);
  EXPECT_EQ(ExitStatus(vrelo, 1000), static_cast<DWORD>(kGameEnded))
      << "vrelo did not end within 1 s of the game";
  EXPECT_TRUE(ProgramRuns(client_)) << "the client should still run: it holds nothing";
  EndClient();
}

TEST_F(VreloTest, EndsAfterTheClientItWokeEndsWithoutStartingTheGame) {
  // The client gives up after twice the plain look (scaled down from 20 s and 10 s).
  WakeClient(2 * kLookForMs, "", false);
  unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path());
  ASSERT_TRUE(WaitForFile(client_ + ".record", kWaitTimeoutMs));
  unique_handle client = FindProgram(client_);
  ASSERT_TRUE(client);
  ASSERT_NE(ExitStatus(client), kStillRunning);
  EXPECT_FALSE(HasEnded(vrelo)) << "vrelo ended before the client";
  EXPECT_EQ(ExitStatus(vrelo, kLookForMs + 1000), static_cast<DWORD>(kGameEnded))
      << "vrelo did not end within the look after the client";
}

TEST_F(VreloTest, EndsAtTheLimitWhileTheClientItWokeRunsOn) {
  WakeClient(0, "", true);
  unique_handle vrelo = StartVrelo(vrelo_, SkyEntry(), dir_.path());
  ASSERT_TRUE(WaitForFile(client_ + ".record", kWaitTimeoutMs));
  // Longer than the plain look; the margin is for the stub, which ends after the client starts.
  EXPECT_TRUE(NotWithin(kLookAtMostMs - kLookForMs, "vrelo ended while the client ran",
                        [&] { return HasEnded(vrelo); }));
  EXPECT_EQ(ExitStatus(vrelo, 2 * kLookForMs), static_cast<DWORD>(kGameEnded))
      << "vrelo did not end at the limit";
  EXPECT_TRUE(ProgramRuns(client_));
  EndClient();
}

}  // namespace
}  // namespace zeb::testing
