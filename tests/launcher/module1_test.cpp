// vrelo's start routine in-process, on real entry files and real game processes. The games
// here end at once, and the look for a hand-off after them is left out where it is not what a
// test is about; vrelo_test.cpp holds games open to see the wait.
#include "launcher/module1.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <future>

#include "platform/files.h"
#include "platform/program_info.h"
#include "platform/unique_handle.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

constexpr char kGame[] = "Sky Race";

class Module1Test : public ::testing::Test {
 protected:
  Module1Test() {
    MakeFolders(dir_ / kGame);
    MakeFolders(dir_ / "roms");
    MakeFolders(dir_ / "vrelo");
  }

  std::string Game(const std::string& name = "") const {
    return name.empty() ? dir_ / kGame : dir_ / kGame + "\\" + name;
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

  TempFolder dir_;
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
      for (const std::string& path : paths) DeleteFileA(path.c_str());
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
  // The script's own process may still be ending; give it the time before the files go.
  Sleep(200);
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
  options_.times = HandOffTimes{};
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
  EXPECT_EQ(status.wait_for(std::chrono::milliseconds(1500)), std::future_status::timeout);
  // The shell names the program by its path and passes the options on.
  EXPECT_EQ(Record(Game("sky.exe")),
            CrLf({"\"" + Game("sky.exe") + "\" /w", Game(), Game("sky.exe")}));
  EXPECT_EQ(ReadBytes(Game("sky.exe.show")), "1\r\n");
  ASSERT_TRUE(DeleteFileA((real + ".hold").c_str()));
  EXPECT_EQ(status.get(), kGameEnded);
  EXPECT_TRUE(prompt_.messages.empty());
}

}  // namespace
}  // namespace zeb::testing
