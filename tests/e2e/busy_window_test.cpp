// The real zeb.exe's main window during a long scan, driven from outside as a user's clicks
// reach it: it keeps answering, shows its progress, lets no other command through, stops on
// Cancel with only whole entry files, and closes cleanly.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "formats/entry_file.h"
#include "platform/files.h"
#include "platform/listing.h"
#include "tests/support/processes.h"
#include "tests/support/temp_folder.h"
#include "ui/resource.h"

namespace zeb::testing {
namespace {

constexpr int kGames = 600;

class BusyWindowTest : public ::testing::Test {
 protected:
  BusyWindowTest() {
    MakeFolders(dir_ / "Zeb");
    CopyFileOrFail(BuiltProgram("zeb.exe"), dir_ / "Zeb\\zeb.exe");
    std::string versioned = BuiltProgram("fixtures\\x64\\full.exe");
    for (int i = 0; i < kGames; ++i) {
      std::string folder = dir_ / ("games\\Game " + std::to_string(i));
      MakeFolders(folder);
      std::string exe = folder + "\\game" + std::to_string(i) + ".exe";
      if (!CreateHardLinkA(exe.c_str(), versioned.c_str(), nullptr)) CopyFileOrFail(versioned, exe);
    }
    WriteBytes(dir_ / "Zeb\\config.cfg", CrLf({dir_ / "games\\", "roms\\", "dats\\", ""}));
    zeb_ = StartWithArguments(dir_ / "Zeb\\zeb.exe", "", dir_ / "Zeb");
    window_ = WaitForWindow(GetProcessId(zeb_.get()), "#32770", "ZEB- Zebrine");
  }
  ~BusyWindowTest() override {
    if (ExitStatus(zeb_, 0) == kStillRunning) TerminateProcess(zeb_.get(), 1);
  }

  HWND Item(int id) { return GetDlgItem(window_, id); }
  void Click(int id) { PostMessageA(Item(id), BM_CLICK, 0, 0); }
  bool Answers() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 250, &result) != 0;
  }
  int Position() { return static_cast<int>(SendMessageA(Item(IDC_prgWork), PBM_GETPOS, 0, 0)); }
  bool Busy() { return IsWindowEnabled(Item(IDC_cmdStop)) != 0; }
  // Waits until the work has begun (the Cancel button is enabled) and made some progress.
  bool WaitForProgress() {
    for (int i = 0; i < 3000; ++i, Sleep(10))
      if (Busy() && Position() > 0) return true;
    return false;
  }
  bool WaitUntilIdle() {
    for (int i = 0; i < 6000; ++i, Sleep(10))
      if (!Busy()) return true;
    return false;
  }
  void SetField(int id, const std::string& text) {
    SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // The entry files of a folder below Zeb, each checked to be a whole entry.
  size_t WholeEntryFiles(const std::string& folder) {
    FileListing listing;
    ListFiles(dir_ / ("Zeb\\" + folder), "*", &listing);
    for (const std::string& name : listing.names) {
      EntryFile file = ReadEntryFile(listing.folder + "\\" + name);
      EXPECT_EQ(file.kind, EntryFileKind::kEntry) << name;
      EXPECT_EQ(ReadBytes(listing.folder + "\\" + name), CrLf(file.entry.ToLines())) << name;
    }
    return listing.names.size();
  }

  TempFolder dir_;
  unique_handle zeb_;
  HWND window_ = nullptr;
};

TEST_F(BusyWindowTest, AnswersShowsProgressAndLetsNoOtherCommandThrough) {
  ASSERT_NE(window_, nullptr);
  Click(IDC_Command1);
  ASSERT_TRUE(WaitForProgress());
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_cmdClear)));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_txtZEBpath)));
  // A click that reaches the disabled button anyway must not run, now or afterwards.
  Click(IDC_cmdClear);
  int tries = 0, unanswered = 0, first = Position(), last = first;
  while (Busy() && tries < 5000) {
    ++tries;
    if (!Answers()) ++unanswered;
    last = std::max(last, Position());
    Sleep(10);
  }
  EXPECT_FALSE(Busy()) << "the scan did not end";
  EXPECT_GT(tries, 5) << "the scan ended before the window could be watched";
  EXPECT_EQ(unanswered, 0) << "of " << tries << " tries";
  EXPECT_GT(last, first) << "the progress bar did not move";
  EXPECT_EQ(WholeEntryFiles("roms"), static_cast<size_t>(kGames)) << "nothing was cleared";
  EXPECT_EQ(SendMessageA(Item(IDC_List1), LB_GETCOUNT, 0, 0), kGames);
  std::string status(256, '\0');
  status.resize(GetWindowTextA(Item(IDC_lblStatus), status.data(), 256));
  EXPECT_EQ(status, "600 game folders: 600 new entries; 0 pictures");
  PostMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitStatus(zeb_), 0u);
}

TEST_F(BusyWindowTest, CancelStopsWithWholeEntriesAndClosingDuringWorkSavesAndEnds) {
  ASSERT_NE(window_, nullptr);
  SetField(IDC_txtZEBpath, "stopped\\");
  Click(IDC_Command1);
  ASSERT_TRUE(WaitForProgress());
  Click(IDC_cmdStop);
  ASSERT_TRUE(WaitUntilIdle());
  size_t written = WholeEntryFiles("stopped");
  EXPECT_LT(written, static_cast<size_t>(kGames)) << "Cancel did not stop the scan";
  EXPECT_GT(written, 0u) << "the games scanned before Cancel were thrown away";
  EXPECT_EQ(SendMessageA(Item(IDC_List1), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(written))
      << "the list shows what is on disk";

  SetField(IDC_txtZEBpath, "closed\\");
  Click(IDC_Command1);
  ASSERT_TRUE(WaitForProgress());
  PostMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitStatus(zeb_), 0u);
  EXPECT_LT(WholeEntryFiles("closed"), static_cast<size_t>(kGames));
  EXPECT_EQ(ReadBytes(dir_ / "Zeb\\config.cfg"),
            CrLf({dir_ / "games\\", "closed\\", "dats\\", ""}));
}

}  // namespace
}  // namespace zeb::testing
