// The real main window, made in this process: its controls, start-up from "config.cfg",
// the list and the details, and saving at close.
#include <windows.h>

#include <gtest/gtest.h>

#include "catalogue/main_window.h"
#include "catalogue/resource.h"
#include "platform/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb {
namespace {

using testing::CrLf;
using testing::MakeFolders;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::string TextOf(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string ListText(HWND list, int index) {
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : catalogue_(prompt_, dir_.path()) {}

  void Open() {
    window_ = Form1::Create(GetModuleHandleA(nullptr), &catalogue_);
    ASSERT_TRUE(window_);
    window_->set_quit_on_destroy(false);
  }
  HWND Item(int id) { return GetDlgItem(window_->hwnd(), id); }

  TempFolder dir_;
  RecordingPrompt prompt_;
  Catalogue catalogue_;
  std::unique_ptr<Form1> window_;
};

TEST_F(MainWindowTest, HasEveryControlWithItsCaption) {
  Open();
  EXPECT_EQ(TextOf(window_->hwnd()), "ZEB- Zebrine");
  struct Expected {
    int id;
    const char* kind;
    const char* caption;
  };
  const Expected controls[] = {
      {Frame1, "Button", "Settings:"},
      {Label2, "Static", "Pc Games Root Path: "},
      {Label3, "Static", "ZEB Output Path:  "},
      {Label4, "Static", "Path to Save Dat File In:  "},
      {Label5, "Static", "Path to Dragon King (DK users only):"},
      {txtGamePaths, "Edit", ""},
      {txtZEBpath, "Edit", ""},
      {txtDatPath, "Edit", ""},
      {txtDkPath, "Edit", ""},
      {Frame2, "Button", "Functions:"},
      {Command1, "Button", "Generate ZEB Files"},
      {cmdValZEB, "Button", "Remove Invalid Entries"},
      {cmdClear, "Button", "Clear ZEB Database"},
      {cmdMakeDat, "Button", "Make Dat File"},
      {cmdDkSet, "Button", "Prepare Dk Settings"},
      {Line1, "Static", ""},
      {Label1, "Static", "Path | Exe Name | Game Name|Manufacturer|Year"},
      {List1, "ListBox", ""},
      {cmdAddEntry, "Button", "Add New Game Entry"},
      {Command2, "Button", "Edit Selected Game Entry"},
      {cmdBlacklist, "Button", "Blacklist Selected Entry"},
      {Frame3, "Button", "Current Selection:"},
      {Label11, "Static", "Path:"},
      {Label7, "Static", "EXE Name:"},
      {Label8, "Static", "Name:"},
      {Label9, "Static", "Manufacturer:"},
      {Label10, "Static", "Year:"},
      {lblPath, "Static", ""},
      {lblexe, "Static", ""},
      {lblName, "Static", ""},
      {lblMan, "Static", ""},
      {lblYear, "Static", ""},
  };
  for (const Expected& control : controls) {
    HWND item = Item(control.id);
    ASSERT_NE(item, nullptr) << control.caption;
    EXPECT_EQ(ClassOf(item), control.kind) << control.id;
    EXPECT_EQ(TextOf(item), control.caption) << control.id;
  }
  // The list keeps the order its rows were added in.
  EXPECT_EQ(GetWindowLongA(Item(List1), GWL_STYLE) & LBS_SORT, 0);
}

TEST_F(MainWindowTest, TabGoesThroughTheSettingsTheButtonsAndTheList) {
  Open();
  const int order[] = {txtGamePaths, txtZEBpath, txtDatPath, txtDkPath,   Command1,
                       cmdValZEB,    cmdClear,   cmdMakeDat, cmdDkSet,    List1,
                       cmdAddEntry,  Command2,   cmdBlacklist};
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
  EXPECT_EQ(TextOf(Item(txtGamePaths)), "d:\\pc games\\");
  EXPECT_EQ(TextOf(Item(txtZEBpath)), dir_ / "roms\\");
  EXPECT_EQ(TextOf(Item(txtDatPath)), dir_ / "roms\\");
  EXPECT_EQ(TextOf(Item(txtDkPath)), dir_ / "roms\\");

  HWND list = Item(List1);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(ListText(list, 0), "d:\\g\\A|a.exe|Ant||");
  EXPECT_EQ(ListText(list, 1), "d:\\g\\B|b.exe|Bee|Hive|2001");

  SendMessageA(list, LB_SETCURSEL, 1, 0);
  SendMessageA(window_->hwnd(), WM_COMMAND, MAKEWPARAM(List1, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(TextOf(Item(lblexe)), "b.exe");
  EXPECT_EQ(TextOf(Item(lblName)), "Bee");
  EXPECT_EQ(TextOf(Item(lblMan)), "Hive");
  EXPECT_EQ(TextOf(Item(lblYear)), "2001");
  EXPECT_EQ(TextOf(Item(lblPath)), "d:\\g\\B");
}

TEST_F(MainWindowTest, ClosingSavesTheFieldsAsTyped) {
  Open();
  SetWindowTextA(Item(txtGamePaths), "e:\\games\\");
  SetWindowTextA(Item(txtDkPath), "c:\\dk\\");
  SendMessageA(window_->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window_->hwnd(), nullptr);
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), CrLf({"e:\\games\\", "", "", "c:\\dk\\"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(MainWindowTest, ASaveThatFailsSaysSoAndLeavesTheOldFileWhole) {
  WriteBytes(dir_ / "config.cfg", CrLf({"a", "b", "c", "d"}));
  Open();
  // A folder squatting on every temporary name cannot be made here, so make the target a
  // folder: the save must fail and say where.
  Catalogue elsewhere(prompt_, dir_ / "no such folder");
  std::unique_ptr<Form1> window = Form1::Create(GetModuleHandleA(nullptr), &elsewhere);
  ASSERT_TRUE(window);
  window->set_quit_on_destroy(false);
  SendMessageA(window->hwnd(), WM_CLOSE, 0, 0);
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(dir_ / "no such folder\\config.cfg"), std::string::npos)
      << prompt_.messages[0].text;
  EXPECT_EQ(ReadBytes(dir_ / "config.cfg"), CrLf({"a", "b", "c", "d"}));
}

}  // namespace
}  // namespace zeb
