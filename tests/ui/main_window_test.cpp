// The real main window, made in this process: its controls, start-up from "config.cfg",
// the list and the details, and saving at close.
#include "ui/main_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/unique_handle.h"
#include "tests/support/main_window_driver.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_lookup.h"
#include "ui/resource.h"

namespace zeb::testing {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : catalogue_(prompt_, dir_.path()) {}

  void Open() {
    window_ = Form1::Create(GetModuleHandleA(nullptr), &catalogue_);
    ASSERT_TRUE(window_);
    window_->set_quit_on_destroy(false);
  }
  HWND Item(int id) { return GetDlgItem(window_->hwnd(), id); }
  // Whether a control shows once its window does.
  static bool Shown(HWND item) { return GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE; }

  TempFolder dir_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
  std::unique_ptr<Form1> window_;
};

TEST_F(MainWindowTest, HasEveryControlWithItsCaption) {
  Open();
  EXPECT_EQ(WindowText(window_->hwnd()), "ZEB- Zebrine");
  struct Expected {
    int id;
    const char* kind;
    const char* caption;
  };
  const Expected controls[] = {
      {IDC_Frame1, "Button", "Settings:"},
      {IDC_Label2, "Static", "Pc Games Root Path: "},
      {IDC_Label3, "Static", "ZEB Output Path:  "},
      {IDC_Label4, "Static", "Path to Save Dat File In:  "},
      {IDC_Label5, "Static", "Path to Dragon King (DK users only):"},
      {IDC_txtGamePaths, "Edit", ""},
      {IDC_txtZEBpath, "Edit", ""},
      {IDC_txtDatPath, "Edit", ""},
      {IDC_txtDkPath, "Edit", ""},
      {IDC_Frame2, "Button", "Functions:"},
      {IDC_Command1, "Button", "Generate ZEB Files"},
      {IDC_cmdValZEB, "Button", "Remove Invalid Entries"},
      {IDC_cmdClear, "Button", "Clear ZEB Database"},
      {IDC_cmdMakeDat, "Button", "Make Dat File"},
      {IDC_cmdDkSet, "Button", "Prepare Dk Settings"},
      {IDC_cmdOtherFrontends, "Button", "Other Frontends..."},
      {IDC_Line1, "Static", ""},
      {IDC_Label1, "Static", "Path | Exe Name | Game Name|Manufacturer|Year"},
      {IDC_List1, "ListBox", ""},
      {IDC_cmdAddEntry, "Button", "Add New Game Entry"},
      {IDC_Command2, "Button", "Edit Selected Game Entry"},
      {IDC_cmdBlacklist, "Button", "Blacklist Selected Entry"},
      {IDC_Frame3, "Button", "Current Selection:"},
      {IDC_Label11, "Static", "Path:"},
      {IDC_Label7, "Static", "EXE Name:"},
      {IDC_Label8, "Static", "Name:"},
      {IDC_Label9, "Static", "Manufacturer:"},
      {IDC_Label10, "Static", "Year:"},
      {IDC_lblPath, "Static", ""},
      {IDC_lblexe, "Static", ""},
      {IDC_lblName, "Static", ""},
      {IDC_lblMan, "Static", ""},
      {IDC_lblYear, "Static", ""},
  };
  for (const Expected& control : controls) {
    HWND item = Item(control.id);
    ASSERT_NE(item, nullptr) << control.caption;
    EXPECT_EQ(ClassOf(item), control.kind) << control.id;
    EXPECT_EQ(WindowText(item), control.caption) << control.id;
  }
  // The list keeps the order its rows were added in.
  EXPECT_EQ(GetWindowLongA(Item(IDC_List1), GWL_STYLE) & LBS_SORT, 0);
}

TEST_F(MainWindowTest, TitleBarAndAltTabShowTheProgramIconAtTheSystemsSizes) {
  Open();
  const struct {
    WPARAM kind;
    int size_metric;
  } icons[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
  for (const auto& icon : icons) {
    HICON handle = reinterpret_cast<HICON>(SendMessageA(window_->hwnd(), WM_GETICON, icon.kind, 0));
    ASSERT_NE(handle, nullptr) << icon.kind;
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(handle, &info));
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(icon.size_metric)) << icon.kind;
  }
}

TEST_F(MainWindowTest, TabGoesThroughTheSettingsTheButtonsAndTheList) {
  Open();
  const int order[] = {IDC_txtGamePaths, IDC_txtZEBpath,        IDC_txtDatPath, IDC_txtDkPath,
                       IDC_Command1,     IDC_cmdValZEB,         IDC_cmdClear,   IDC_cmdMakeDat,
                       IDC_cmdDkSet,     IDC_cmdOtherFrontends, IDC_List1,      IDC_cmdAddEntry,
                       IDC_Command2,     IDC_cmdBlacklist};
  HWND item = Item(order[0]);
  for (size_t i = 1; i < std::size(order); ++i) {
    item = GetNextDlgTabItem(window_->hwnd(), item, FALSE);
    EXPECT_EQ(GetDlgCtrlID(item), order[i]) << "after control " << order[i - 1];
  }
}

TEST_F(MainWindowTest, StartUpFillsTheFieldsAndTheListAndSelectionFillsTheDetails) {
  MakeFolders(dir_ / "roms");
  WriteBytes(dir_ / "roms\\b.zeb", CrLf({"d:\\g\\B", "b.exe", "Bee", "Hive", "2001"}));
  WriteBytes(dir_ / "roms\\a.zeb", CrLf({"d:\\g\\A", "a.exe", "Ant", "", ""}));
  WriteBytes(dir_ / "config.cfg", CrLf({"d:\\pc games\\", dir_ / "roms\\"}));
  Open();
  EXPECT_EQ(WindowText(Item(IDC_txtGamePaths)), "d:\\pc games\\");
  EXPECT_EQ(WindowText(Item(IDC_txtZEBpath)), dir_ / "roms\\");
  EXPECT_EQ(WindowText(Item(IDC_txtDatPath)), dir_ / "roms\\");
  EXPECT_EQ(WindowText(Item(IDC_txtDkPath)), dir_ / "roms\\");

  EXPECT_EQ(ListBoxRows(Item(IDC_List1)),
            (std::vector<std::string>{"d:\\g\\A|a.exe|Ant||", "d:\\g\\B|b.exe|Bee|Hive|2001"}));

  SelectListRow(window_->hwnd(), IDC_List1, 1);
  EXPECT_EQ(WindowText(Item(IDC_lblexe)), "b.exe");
  EXPECT_EQ(WindowText(Item(IDC_lblName)), "Bee");
  EXPECT_EQ(WindowText(Item(IDC_lblMan)), "Hive");
  EXPECT_EQ(WindowText(Item(IDC_lblYear)), "2001");
  EXPECT_EQ(WindowText(Item(IDC_lblPath)), "d:\\g\\B");
}

TEST_F(MainWindowTest, ARowPickedDuringLongWorkIsTheOneTheCommandsActOnAfterwards) {
  MakeFolders(dir_ / "roms");
  MakeFolders(dir_ / "dats");
  WriteBytes(dir_ / "roms\\a.zeb", CrLf({"d:\\g\\A", "a.exe", "Ant", "", ""}));
  WriteBytes(dir_ / "roms\\b.zeb", CrLf({"d:\\g\\B", "b.exe", "Bee", "", ""}));
  WriteBytes(dir_ / "config.cfg", CrLf({"d:\\pc games\\", dir_ / "roms\\", dir_ / "dats\\", ""}));
  Open();
  // The bar shows only while work runs; at rest the text alone fills the row.
  EXPECT_FALSE(Shown(Item(IDC_prgWork)));
  SelectListRow(window_->hwnd(), IDC_List1, 0);
  SendMessageA(Item(IDC_cmdMakeDat), BM_CLICK, 0, 0);
  ASSERT_TRUE(window_->busy());
  EXPECT_TRUE(Shown(Item(IDC_prgWork)));
  // The list stays usable to look at; the click on it waits until the work is done.
  SelectListRow(window_->hwnd(), IDC_List1, 1);
  ASSERT_TRUE(FinishWork(*window_));
  EXPECT_FALSE(Shown(Item(IDC_prgWork)));
  RECT bar, text;
  GetWindowRect(Item(IDC_prgWork), &bar);
  GetWindowRect(Item(IDC_lblStatus), &text);
  EXPECT_EQ(text.left, bar.left) << "the text takes the bar's place";
  EXPECT_EQ(WindowText(Item(IDC_lblexe)), "b.exe");
  SendMessageA(Item(IDC_cmdBlacklist), BM_CLICK, 0, 0);
  EXPECT_EQ(ReadBytes(dir_ / "roms\\b.zeb"), CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_EQ(ReadBytes(dir_ / "roms\\a.zeb"), CrLf({"d:\\g\\A", "a.exe", "Ant", "", ""}));
  EXPECT_EQ(WindowText(Item(IDC_lblStatus)), "b.zeb blacklisted");
}

TEST_F(MainWindowTest, ClosingSavesTheFieldsAsTyped) {
  Open();
  SetWindowTextA(Item(IDC_txtGamePaths), "e:\\games\\");
  SetWindowTextA(Item(IDC_txtDkPath), "c:\\dk\\");
  SendMessageA(window_->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window_->hwnd(), nullptr);
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), CrLf({"e:\\games\\", "", "", "c:\\dk\\"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeReadIsKeptUnlessAFieldChanges) {
  const std::string settings = CrLf({"e:\\games\\", "roms\\", "dats\\", ""});
  WriteBytes(dir_ / "config.cfg", settings);
  {
    // Locked by another program at start-up: the fields come up empty...
    unique_hfile lock(CreateFileA((dir_ / "config.cfg").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    Open();
  }
  EXPECT_EQ(WindowText(Item(IDC_txtGamePaths)), "");
  // ...but closing does not replace the file with them.
  SendMessageA(window_->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), settings);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MainWindowTest, TheEndOfTheSessionSavesTheSettings) {
  Open();
  SetWindowTextA(Item(IDC_txtZEBpath), "my roms\\");
  // Log-off with the window open: Windows asks, then ends the session; no WM_CLOSE comes.
  EXPECT_TRUE(SendMessageA(window_->hwnd(), WM_QUERYENDSESSION, 0, 0));
  SendMessageA(window_->hwnd(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), CrLf({"", "my roms\\", "", ""}));
}

TEST_F(MainWindowTest, ASaveThatFailsSaysSoAndLeavesTheOldFileWhole) {
  WriteBytes(dir_ / "config.cfg", CrLf({"a", "b", "c", "d"}));
  Open();
  SetWindowTextA(Item(IDC_txtGamePaths), "e:\\games\\");
  // Another program holds the file open and lets nobody replace it: the save must fail, say
  // where, and leave the old file as it was.
  unique_hfile holder(CreateFileA((dir_ / "config.cfg").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holder);
  SendMessageA(window_->hwnd(), WM_CLOSE, 0, 0);
  holder.reset();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(dir_ / "config.cfg"), std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), CrLf({"a", "b", "c", "d"}));
}

}  // namespace
}  // namespace zeb::testing
