// vrelo's start routine in-process, on real entry files and real game processes. Most games
// here end at once, and the look for a hand-off after them is left out where it is not what a
// test is about; where it is, its times are short. vrelo_test.cpp starts the real vrelo.exe.
#include "launcher/module1.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <future>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/program_info.h"
#include "platform/text_lines.h"
#include "platform/unique_handle.h"
#include "tests/support/processes.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace zeb::testing {
namespace {

constexpr char kGame[] = "Sky Race";

// A look for a hand-off short enough for a test: a game that runs 1 s is played. The look
// outlasts the start of a program under Wine on a machine busy with other tests (seconds);
// in the runs here it is never waited out, so its length costs nothing.
constexpr HandOffTimes kShortLook = {
    .short_run_ms = 1000, .look_for_ms = 15000, .look_at_most_ms = 30000};
// How long a program is held to see that the routine does not return before it ends; longer
// than kShortLook's short run, so the held program makes a played game.
constexpr DWORD kHoldMs = 1500;

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

class Module1Test : public ::testing::Test {
 protected:
  Module1Test() {
    MakeFolders(dir_ / kGame);
    MakeFolders(dir_ / "roms");
    MakeFolders(dir_ / "vrelo");
  }

  std::string Game(const std::string& name = "") const {
    return name.empty() ? dir_ / kGame : dir_ / JoinPath(kGame, name);
  }
  void AddProgram(const std::string& path) {
    CopyFileOrFail(testing::BuiltProgram("fixtures\\recorder.exe"), path);
  }
  // Writes roms\<name> and gives back its path.
  std::string Entry(const std::string& name, const std::string& bytes) {
    WriteBytes(dir_ / "roms\\" + name, bytes);
    return dir_ / "roms\\" + name;
  }
  std::string SkyEntry() { return Entry("sky.zeb", CrLf({Game(), "sky.exe", "Sky", "", ""})); }

  int Run(const std::string& command_line) {
    return Module1(command_line, dir_ / "vrelo", prompt_, options_);
  }
  // What the recorder copy at path saw: command line, current folder, own path.
  static std::string Record(const std::string& path) { return ReadBytes(path + ".record"); }

  // Runs the sky entry and expects the routine to wait for the program at held (held for
  // kHoldMs once it has started) and to end once it has ended.
  void ExpectToWaitFor(const std::string& held) {
    WriteBytes(held + ".hold", "");
    std::future<int> status = std::async(std::launch::async, [&] { return Run(SkyEntry()); });
    // Let the program go also when a check fails, so that the routine can end.
    struct Release {
      std::string hold;
      ~Release() { DeleteFileA(hold.c_str()); }
    } release{held + ".hold"};
    ASSERT_TRUE(WaitForFile(held + ".record", kWaitTimeoutMs));
    EXPECT_EQ(status.wait_for(std::chrono::milliseconds(kHoldMs)), std::future_status::timeout)
        << "the routine ended while " << held << " ran";
    ASSERT_TRUE(DeleteFileA((held + ".hold").c_str()));
    // It ran longer than a short run: its end is the end, whatever else still runs.
    ASSERT_EQ(status.wait_for(std::chrono::seconds(20)), std::future_status::ready)
        << "the routine went on after " << held << " ended";
    EXPECT_EQ(status.get(), kGameEnded);
  }

  // A store client, already running, outside the game folder: it starts program delay_ms
  // after the game's own program (which ends at once) has asked it to, and stays.
  unique_handle StartStoreClient(const std::string& program, int delay_ms) {
    MakeFolders(dir_ / "Store");
    AddProgram(store_);
    WriteBytes(store_ + ".start",
               CrLf({Game("sky.exe.record"), std::to_string(delay_ms), program}));
    WriteBytes(store_ + ".hold", "");
    unique_handle client = StartWithArguments(store_, "", dir_.path());
    EXPECT_TRUE(WaitForFile(store_ + ".record", kWaitTimeoutMs));
    return client;
  }
  void EndStoreClient(const unique_handle& client) {
    DeleteFileA((store_ + ".hold").c_str());
    EXPECT_NE(ExitStatus(client), kStillRunning);
  }

  TempFolder dir_;
  std::string store_ = dir_ / "Store\\store.exe";
  RecordingPrompt prompt_;
  PlayOptions options_{.times = {.look_for_ms = 0}};
  // The routine moves the current folder; it is put back before the folders are removed.
  CurrentFolderGuard keep_current_folder_{"."};
};

TEST_F(Module1Test, ARelativeGameFolderCountsFromTheCurrentFolderForGameAndScript) {
  AddProgram(Game("sky.exe"));
  AddProgram(Game("sky.exe.ahk"));
  std::string entry = Entry("rel.zeb", CrLf({kGame, "sky.exe", "", "", ""}));
  ASSERT_TRUE(SetCurrentDirectoryA(dir_.path().c_str()));
  EXPECT_EQ(Run(entry), kGameEnded);
  EXPECT_EQ(CurrentFolder(), Game());
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({"sky.exe", Game(), Game("sky.exe")}));
  EXPECT_EQ(ReadBytes(Game("vrelo.bat")), "\"sky.exe.ahk\"\r\n");
  // The script runs on its own; it is reached through the batch file in the game folder.
  ASSERT_TRUE(testing::WaitForFile(Game("sky.exe.ahk.record")));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(Module1Test, AnEntryWithArgumentsHasTheCompanionScriptOfItsProgram) {
  AddProgram(Game("sky.exe"));
  AddProgram(Game("sky.exe.ahk"));
  EXPECT_EQ(Run(Entry("args.zeb", CrLf({Game(), "sky.exe -conf \"a b.conf\""}))), kGameEnded);
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({"sky.exe -conf \"a b.conf\"", Game(), Game("sky.exe")}));
  EXPECT_EQ(ReadBytes(Game("vrelo.bat")), "\"sky.exe.ahk\"\r\n");
  ASSERT_TRUE(testing::WaitForFile(Game("sky.exe.ahk.record")));
}

TEST_F(Module1Test, BlanksAroundTheExecutableDoNotKeepTheGameFromStarting) {
  AddProgram(Game("sky.exe"));
  // The game still sees its name as the entry file holds it.
  EXPECT_EQ(Run(Entry("blanks.zeb", CrLf({Game(), " sky.exe"}))), kGameEnded);
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({" sky.exe", Game(), Game("sky.exe")}));
}

TEST_F(Module1Test, EndsQuietlyWithoutAnEntryFileAndStartsNothing) {
  AddProgram(Game("sky.exe"));
  std::string entry = SkyEntry();
  EXPECT_EQ(Run(""), kNothingToStart);
  EXPECT_EQ(Run("    "), kNothingToStart);
  EXPECT_EQ(Run(dir_ / "roms\\none.zeb"), kNoEntryFile);
  EXPECT_EQ(Run("\"" + dir_ / "roms\\none.zeb\""), kNoEntryFile);
  // A bare name is looked for beside vrelo, not in the current folder.
  ASSERT_TRUE(SetCurrentDirectoryA((dir_ / "roms").c_str()));
  EXPECT_EQ(Run("sky"), kNoEntryFile);
  // Hidden and system files count as absent.
  SetAttributes(entry, FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Run(entry), kNoEntryFile);
  SetAttributes(entry, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Run(entry), kNoEntryFile);

  EXPECT_EQ(CurrentFolder(), dir_ / "roms");
  EXPECT_FALSE(AnyFileExists(Game("sky.exe.record")));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(Module1Test, ABlacklistEntryStartsNothingAndWritesNoBatchFile) {
  // A folder and script named like the marker, so that a missed blacklist test would run them.
  MakeFolders(dir_ / "NULL");
  AddProgram(dir_ / "NULL\\NULL");
  AddProgram(dir_ / "NULL\\NULL.ahk");
  ASSERT_TRUE(SetCurrentDirectoryA(dir_.path().c_str()));
  EXPECT_EQ(Run(Entry("banned.zeb", CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}))), kBlacklisted);
  // The marker on line 1 decides, whatever follows it.
  EXPECT_EQ(Run(Entry("marker.zeb", CrLf({"NULL", "NULL", "x"}))), kBlacklisted);
  EXPECT_EQ(Run(Entry("alone.zeb", "NULL")), kBlacklisted);
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(CurrentFolder(), dir_.path());
  EXPECT_FALSE(AnyFileExists(dir_ / "NULL\\NULL.record"));
  EXPECT_FALSE(AnyFileExists(dir_ / "NULL\\vrelo.bat"));

  // The marker is compared exactly: "null" is a folder name like any other.
  ASSERT_TRUE(DeleteFileA((dir_ / "NULL\\NULL.ahk").c_str()));
  AddProgram(dir_ / "NULL\\sky.exe");
  EXPECT_EQ(Run(Entry("lower.zeb", CrLf({"null", "sky.exe"}))), kGameEnded)
      << (prompt_.messages.empty() ? "" : prompt_.messages.back().text);
  EXPECT_TRUE(AnyFileExists(dir_ / "NULL\\sky.exe.record"));
}

TEST_F(Module1Test, AHiddenCompanionScriptCountsAsAbsent) {
  AddProgram(Game("sky.exe"));
  AddProgram(Game("sky.exe.ahk"));
  SetAttributes(Game("sky.exe.ahk"), FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(Game("vrelo.bat"), "old\r\n");
  EXPECT_EQ(Run(SkyEntry()), kGameEnded);
  EXPECT_EQ(ReadBytes(Game("vrelo.bat")), "old\r\n");
  EXPECT_TRUE(AnyFileExists(Game("sky.exe.record")));
}

TEST_F(Module1Test, AGameAtTheRootOfADriveStarts) {
  // The root of the system drive (the test prefix's own under Wine), under a name of this run.
  char windows[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryA(windows, sizeof windows), 3u);
  std::string root = std::string(windows, 3);
  std::string exe = "zebroot-" + std::to_string(GetCurrentProcessId()) + ".exe";
  struct RemoveAfterwards {
    std::vector<std::string> paths;
    ~RemoveAfterwards() {
      // The script and its cmd may still be ending, and hold their files for a moment.
      for (const std::string& path : paths)
        EXPECT_TRUE(WaitUntil(path + " to be removed", [&] {
          return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
        }));
    }
  } made{{root + exe, root + exe + ".record", root + exe + ".ahk", root + exe + ".ahk.record",
          root + "vrelo.bat"}};
  if (!CopyFileA(testing::BuiltProgram("fixtures\\recorder.exe").c_str(), (root + exe).c_str(),
                 FALSE))
    GTEST_SKIP() << "cannot write to " << root;
  AddProgram(root + exe + ".ahk");

  EXPECT_EQ(Run(Entry("root.zeb", CrLf({root, exe}))), kGameEnded);
  EXPECT_EQ(Record(root + exe), CrLf({exe, root, root + exe}));
  EXPECT_EQ(ReadBytes(root + "vrelo.bat"), "\"" + exe + ".ahk\"\r\n");
  EXPECT_TRUE(testing::WaitForFile(root + exe + ".ahk.record"));
  EXPECT_TRUE(prompt_.messages.empty());
}

// Each failure stops the routine with one message that says what failed and names the path.
TEST_F(Module1Test, EachFailureShowsOneMessageNamingItAndStartsNoGame) {
  AddProgram(Game("sky.exe"));
  auto expect_failure = [&](const std::string& entry, const std::vector<std::string>& names) {
    SCOPED_TRACE(entry);
    prompt_.messages.clear();
    EXPECT_EQ(Run(entry), kFailed);
    ASSERT_EQ(prompt_.messages.size(), 1u);
    EXPECT_EQ(prompt_.messages[0].title, kVreloTitle);
    for (const std::string& name : names)
      EXPECT_NE(prompt_.messages[0].text.find(name), std::string::npos)
          << name << " is not named in: " << prompt_.messages[0].text;
    EXPECT_FALSE(AnyFileExists(Game("sky.exe.record")));
  };

  std::string short_entry = Entry("short.zeb", CrLf({Game()}));
  expect_failure(short_entry, {short_entry, "line 2"});
  std::string empty_entry = Entry("empty.zeb", "");
  expect_failure(empty_entry, {empty_entry});
  std::string blank_exe = Entry("blank.zeb", CrLf({Game(), "  "}));
  expect_failure(blank_exe, {blank_exe, "line 2 is blank"});

  std::string gone = dir_ / "gone";
  expect_failure(Entry("gone.zeb", CrLf({gone, "sky.exe"})), {gone});
  expect_failure(Entry("nofolder.zeb", CrLf({"", "sky.exe"})), {"game folder"});
  // A drive that does not exist.
  DWORD drives = GetLogicalDrives();
  char letter = 'Y';
  while (letter > 'D' && (drives & (1u << (letter - 'A')))) --letter;
  std::string no_drive = std::string(1, letter) + ":\\Games\\Sky";
  expect_failure(Entry("nodrive.zeb", CrLf({no_drive, "sky.exe"})),
                 {no_drive, std::string(1, letter) + ":"});

  // Neither in the game folder nor anywhere the system looks.
  expect_failure(Entry("missing.zeb", CrLf({Game(), "none.exe"})), {"\"none.exe\"", Game()});

  // An entry file that another program holds open without sharing it.
  std::string locked = SkyEntry();
  {
    unique_hfile hold(CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(hold);
    expect_failure(locked, {locked});
  }

  // A batch file that cannot be written: a folder has its name.
  AddProgram(Game("sky.exe.ahk"));
  MakeFolders(Game("vrelo.bat"));
  expect_failure(locked, {Game("vrelo.bat")});
  EXPECT_FALSE(AnyFileExists(Game("sky.exe.ahk.record")));
}

TEST_F(Module1Test, ALineThatNamesNoFileInTheGameFolderStartsAsACommandFromThere) {
  AddProgram(Game("sky.exe"));
  // A hand-made entry with options of its own, and a quoted entry path.
  EXPECT_EQ(Run("\"" + Entry("own.zeb", CrLf({Game(), "sky.exe -nosound"})) + "\" "), kGameEnded);
  EXPECT_EQ(Record(Game("sky.exe")), CrLf({"sky.exe -nosound", Game(), Game("sky.exe")}));

  // A program from the search path, such as a DOS emulator, started in the game folder.
  std::string tools = dir_ / "tools";
  MakeFolders(tools);
  AddProgram(tools + "\\dosemu.exe");
  char path[32767];
  DWORD length = GetEnvironmentVariableA("PATH", path, sizeof path);
  std::string old_path(path, length < sizeof path ? length : 0);
  ASSERT_TRUE(SetEnvironmentVariableA("PATH", (tools + ";" + old_path).c_str()));
  int status = Run(Entry("emu.zeb", CrLf({Game(), "dosemu.exe -conf sky.conf"})) + " /w");
  SetEnvironmentVariableA("PATH", old_path.c_str());
  EXPECT_EQ(status, kGameEnded);
  EXPECT_EQ(Record(tools + "\\dosemu.exe"),
            CrLf({"dosemu.exe -conf sky.conf /w", Game(), tools + "\\dosemu.exe"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(Module1Test, AProgramNameWithABlankReachesTheGameWhole) {
  AddProgram(Game("moon base.exe"));
  EXPECT_EQ(Run(Entry("moon.zeb", CrLf({Game(), "moon base.exe"})) + " -w"), kGameEnded);
  EXPECT_EQ(Record(Game("moon base.exe")),
            CrLf({"\"moon base.exe\"  -w", Game(), Game("moon base.exe")}));
}

// Windows refuses the ordinary start of a program whose manifest asks for administrator
// rights (error 740); Wine grants them, so the refusal is played here. The game then starts
// through the shell's elevation, and vrelo follows it by its handle and the folder rule: the
// real game that the elevated stub starts holds it.
TEST_F(Module1Test, AGameThatNeedsAdministratorRightsStartsElevatedAndIsWaitedFor) {
  options_.times = kShortLook;
  options_.ordinary = [](const ProgramStart&, DWORD, StartedProcess*, DWORD* error) {
    *error = 740;
    return Status::Error("The requested operation requires elevation.");
  };
  std::string real = Game("bin\\sky-real.exe");
  MakeFolders(Game("bin"));
  AddProgram(real);
  AddProgram(Game("sky.exe"));
  WriteBytes(Game("sky.exe.start"), CrLf({"", "0", real}));
  WriteBytes(real + ".hold", "");

  std::future<int> status = std::async(std::launch::async, [&] { return Run(SkyEntry() + " /w"); });
  ASSERT_TRUE(WaitForFile(real + ".record"));
  EXPECT_EQ(status.wait_for(std::chrono::milliseconds(kHoldMs)), std::future_status::timeout);
  // The shell names the program by its path and passes the options on.
  EXPECT_EQ(Record(Game("sky.exe")),
            CrLf({"\"" + Game("sky.exe") + "\" /w", Game(), Game("sky.exe")}));
  EXPECT_EQ(ReadBytes(Game("sky.exe.show")), "1\r\n");
  ASSERT_TRUE(DeleteFileA((real + ".hold").c_str()));
  EXPECT_EQ(status.get(), kGameEnded);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(Module1Test, OptionsReachTheGameWithTheirBlanks) {
  AddProgram(Game("sky.exe"));
  std::string entry = SkyEntry();
  std::string without_ending = entry.substr(0, entry.size() - 4);
  std::string bare_exe = Entry("bare.zeb", CrLf({Game(), "sky", "Sky Race", "", ""}));
  struct Case {
    std::string command_line, game_command;
  } cases[] = {
      {entry + " /w", "sky.exe /w"},
      {entry + " -w", "sky.exe  -w"},
      {entry + "  /w -x", "sky.exe  /w -x"},
      {without_ending + " /w", "sky.exe /w"},
      // A program named without its ending still starts.
      {bare_exe + " /w", "sky /w"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command_line);
    DeleteFileA(Game("sky.exe.record").c_str());
    EXPECT_EQ(Run(c.command_line), kGameEnded);
    EXPECT_EQ(Record(Game("sky.exe")), CrLf({c.game_command, Game(), Game("sky.exe")}));
  }
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(Module1Test, RunsTheCompanionScriptThroughVreloBatEvenWithPercentInItsName) {
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

    EXPECT_EQ(Run(Entry("percent.zeb", CrLf({Game(), c.exe, "", "", ""})) + " /w"), kGameEnded);
    EXPECT_EQ(Record(Game(c.exe)), CrLf({c.exe + " /w", Game(), Game(c.exe)}));
    EXPECT_EQ(ReadBytes(Game("vrelo.bat")), c.batch_file);

    // Wine's cmd starts the script itself (it is a program); Windows goes through the
    // association to the host. Either way the script beside the game must be the one reached.
    ASSERT_TRUE(WaitUntil("the companion script to run", [&] {
      return AnyFileExists(script + ".record") || AnyFileExists(host + ".record");
    }));
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

TEST_F(Module1Test, WithoutAScriptAnOldVreloBatIsNeitherRunNorRemoved) {
  AddProgram(Game("sky.exe"));
  AddProgram(Game("decoy.exe"));
  std::string old_batch = "\"decoy.exe\"\r\n";
  WriteBytes(Game("vrelo.bat"), old_batch);
  EXPECT_EQ(Run(SkyEntry()), kGameEnded);
  EXPECT_TRUE(AnyFileExists(Game("sky.exe.record")));
  // Nothing shows that a wrongly started batch file will never run: watch for a while.
  EXPECT_TRUE(NotWithin(1500, "the old vrelo.bat ran",
                        [&] { return AnyFileExists(Game("decoy.exe.record")); }));
  EXPECT_EQ(ReadBytes(Game("vrelo.bat")), old_batch);
}

// A stub starts the real game below the game folder and ends: the routine waits for the real
// game, whether it runs in vrelo's job or asks to break away from it (then a look finds it).
TEST_F(Module1Test, FollowsTheRealGameThatAStubStartsBelowItsFolder) {
  options_.times = kShortLook;
  std::string real = Game("Game\\Binaries\\Win64\\Sky-Win64-Shipping.exe");
  MakeFolders(Game("Game\\Binaries\\Win64"));
  AddProgram(real);
  AddProgram(Game("sky.exe"));
  for (const char* mode : {"", "breakaway"}) {
    SCOPED_TRACE(mode);
    DeleteFileA((real + ".record").c_str());
    WriteBytes(Game("sky.exe.start"), CrLf({"", "0", real, mode}));
    ExpectToWaitFor(real);
  }
}

TEST_F(Module1Test, AProgramOutsideTheGameFolderThatAPlayedGameStartedHoldsNothing) {
  options_.times = kShortLook;
  options_.times.look_at_most_ms = 60000;  // longer than ExpectToWaitFor allows
  std::string resident = dir_ / "Store\\tray.exe";
  MakeFolders(dir_ / "Store");
  AddProgram(resident);
  AddProgram(Game("sky.exe"));
  WriteBytes(resident + ".hold", "");
  WriteBytes(Game("sky.exe.start"), CrLf({"", "0", resident}));
  ExpectToWaitFor(Game("sky.exe"));
  // Closing vrelo's job closed nothing.
  EXPECT_TRUE(ProgramRuns(resident));
  DeleteFileA((resident + ".hold").c_str());
}

TEST_F(Module1Test, WaitsForTheGameThatARunningLauncherStartsLater) {
  options_.times = kShortLook;
  AddProgram(Game("sky.exe"));
  std::string real = Game("bin\\sky-real.exe");
  MakeFolders(Game("bin"));
  AddProgram(real);
  unique_handle client = StartStoreClient(real, 500);
  ExpectToWaitFor(real);
  EXPECT_EQ(ExitStatus(client, 0), kStillRunning) << "the store client holds nothing";
  EndStoreClient(client);
}

TEST_F(Module1Test, FollowsWhatAHandedOffLauncherStartsAfterRunningLong) {
  // The store client hands off to the game's own launcher, which the user keeps open for
  // longer than a stub runs; only then does it start the real game and end.
  options_.times = kShortLook;
  AddProgram(Game("sky.exe"));
  std::string launcher = Game("launcher.exe");
  std::string real = Game("bin\\sky-real.exe");
  MakeFolders(Game("bin"));
  AddProgram(launcher);
  AddProgram(real);
  // It runs long enough for the look (four times a second) to find it and put it into the
  // job before it starts the game, also on a busy machine.
  WriteBytes(launcher + ".start", CrLf({"", std::to_string(3 * kHoldMs), real}));
  unique_handle client = StartStoreClient(launcher, 500);
  ExpectToWaitFor(real);
  EndStoreClient(client);
}

}  // namespace
}  // namespace zeb::testing
