// The real entry editor, opened from the real main window in this process: its controls,
// keys and buttons, and what it writes; and the maintenance buttons of the main window.
#include <windows.h>
#include <gtest/gtest.h>

#include <tuple>

#include "platform/paths.h"
#include "tests/support/main_window_driver.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_lookup.h"
#include "ui/main_window.h"
#include "ui/resource.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

// Sends a key to a control the way the message loop does: through the dialog first.
bool PressKey(HWND dialog, HWND control, WPARAM key) {
  MSG message = {control, WM_KEYDOWN, key, 0, 0, {0, 0}};
  return IsDialogMessageA(dialog, &message);
}

class EditorWindowTest : public ::testing::Test {
 protected:
  EditorWindowTest() : catalogue_(prompt_, dir_.path()) {
    MakeFolders(roms_);
    WriteBytes(dir_ / "config.cfg", CrLf({"d:\\pc games\\", roms_ + "\\", "dats\\", ""}));
  }

  void Entry(const std::string& file, const Lines& lines) {
    WriteBytes(JoinPath(roms_, file), CrLf(lines));
  }

  void Open() {
    window_ = Form1::Create(GetModuleHandleA(nullptr), &catalogue_);
    ASSERT_TRUE(window_);
    window_->set_quit_on_destroy(false);
  }
  HWND Main() { return window_->hwnd(); }
  HWND Item(int id) { return GetDlgItem(Main(), id); }
  void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

  // The list of the main window, as shown.
  Lines ListRows() { return ListBoxRows(Item(IDC_List1)); }
  void SelectRow(int index) { SelectListRow(Main(), IDC_List1, index); }

  // The editor windows of this thread that the main window owns.
  struct EditorSearch {
    HWND owner;
    std::vector<HWND> found;
  };
  static BOOL CALLBACK AddEditor(HWND hwnd, LPARAM lparam) {
    auto* search = reinterpret_cast<EditorSearch*>(lparam);
    if (GetWindow(hwnd, GW_OWNER) == search->owner && WindowText(hwnd) == "Edit Entry ")
      search->found.push_back(hwnd);
    return TRUE;
  }
  std::vector<HWND> Editors() {
    EditorSearch search = {Main(), {}};
    EnumThreadWindows(GetCurrentThreadId(), AddEditor, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  HWND Editor() {
    std::vector<HWND> editors = Editors();
    EXPECT_EQ(editors.size(), 1u);
    return editors.empty() ? nullptr : editors[0];
  }
  std::string Field(HWND editor, int id) { return WindowText(GetDlgItem(editor, id)); }
  void Type(HWND editor, int id, const std::string& text) {
    SendDlgItemMessageA(editor, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  TempFolder dir_;
  std::string roms_ = dir_ / "roms";
  RecordingPrompt prompt_;
  Catalogue catalogue_;
  std::unique_ptr<Form1> window_;
};

TEST_F(EditorWindowTest, HasItsControlsInTabOrderWithOkAsDefaultAndLeavesTheMainWindowUsable) {
  Open();
  Click(Item(IDC_Command2));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(IsWindowVisible(editor));
  EXPECT_TRUE(IsWindowEnabled(Main())) << "the editor is modeless";

  // In tab order: id, class, text.
  const std::tuple<int, const char*, const char*> controls[] = {
      {IDC_txtName, "Edit", ""},
      {IDC_txtMan, "Edit", ""},
      {IDC_txtYear, "Edit", ""},
      {IDC_txtExe, "Edit", ""},
      {IDC_cmdOk, "Button", "&Ok"},
      {IDC_cmdCancel, "Button", "&Cancel"},
      {IDC_cmdBrowse, "Button", "&Browse"},
      {IDC_txtPath, "Edit", "d:\\pc games\\"},
  };
  HWND item = GetDlgItem(editor, IDC_txtName);
  for (const auto& [id, kind, caption] : controls) {
    ASSERT_EQ(GetDlgCtrlID(item), id) << "tab order";
    EXPECT_EQ(ClassOf(item), kind) << id;
    EXPECT_EQ(WindowText(item), caption) << id;
    item = GetNextDlgTabItem(editor, item, FALSE);
  }
  EXPECT_EQ(GetDlgCtrlID(item), IDC_txtName) << "tab goes round";

  Lines captions;
  for (HWND child = GetWindow(editor, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == "Static") captions.push_back(WindowText(child));
  EXPECT_EQ(captions, (Lines{"Name:", "Manufacturer:", "Year:", "Exe Name:", "Exe Path:"}));

  LRESULT default_id = SendMessageA(editor, DM_GETDEFID, 0, 0);
  EXPECT_EQ(HIWORD(default_id), DC_HASDEFID);
  EXPECT_EQ(LOWORD(default_id), IDC_cmdOk);
}

TEST_F(EditorWindowTest, EditsTheSelectedEntryAndBlacklistsTheReplacedExecutable) {
  Entry("game.zeb", {"d:\\g\\Game", "game.exe", "Game", "Maker", "1999"});
  Entry("other.zeb", {"d:\\g\\Other", "other.exe", "Other", "", ""});
  Open();
  ASSERT_EQ(ListRows().size(), 2u);
  SelectRow(0);
  Click(Item(IDC_Command2));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Field(editor, IDC_txtName), "Game");
  EXPECT_EQ(Field(editor, IDC_txtMan), "Maker");
  EXPECT_EQ(Field(editor, IDC_txtYear), "1999");
  EXPECT_EQ(Field(editor, IDC_txtExe), "game.exe");
  EXPECT_EQ(Field(editor, IDC_txtPath), "d:\\g\\Game");

  Type(editor, IDC_txtExe, "start.exe");
  // Opening again brings the same editor forward, fields as typed, whatever is selected.
  SelectRow(1);
  Click(Item(IDC_Command2));
  ASSERT_EQ(Editor(), editor);
  EXPECT_EQ(Field(editor, IDC_txtExe), "start.exe");
  EXPECT_EQ(Field(editor, IDC_txtName), "Game");

  Type(editor, IDC_txtName, "Game Started");
  Click(GetDlgItem(editor, IDC_cmdOk));
  EXPECT_TRUE(Editors().empty());
  EXPECT_FALSE(IsWindow(editor));
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].title, "Previous Exe Will Be Black-listed!");
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));
  EXPECT_EQ(ReadBytes(roms_ + "\\start.zeb"),
            CrLf({"d:\\g\\Game", "start.exe", "Game Started", "Maker", "1999"}));
  EXPECT_EQ(ListRows(), (Lines{"d:\\g\\Other|other.exe|Other||",
                               "d:\\g\\Game|start.exe|Game Started|Maker|1999"}));
}

TEST_F(EditorWindowTest, AddClearsTheSelectionBrowsesAndEnterWritesTheNewEntry) {
  Entry("game.zeb", {"d:\\g\\Game", "game.exe", "Game", "", ""});
  std::string foo = dir_ / "games\\Foo Racing";
  MakeFolders(foo);
  CopyFileOrFail(BuiltProgram("fixtures\\x64\\full.exe"), foo + "\\game.exe");
  Open();
  SelectRow(0);
  // The games root is read from its field when the button is pressed.
  SetWindowTextA(Item(IDC_txtGamePaths), "e:\\games\\");
  Click(Item(IDC_cmdAddEntry));
  EXPECT_EQ(SendMessageA(Item(IDC_List1), LB_GETCURSEL, 0, 0), LB_ERR);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Field(editor, IDC_txtName), "");
  EXPECT_EQ(Field(editor, IDC_txtExe), "");
  EXPECT_EQ(Field(editor, IDC_txtPath), "e:\\games\\");

  prompt_.file_answers.push_back(foo + "\\game.exe");
  Click(GetDlgItem(editor, IDC_cmdBrowse));
  EXPECT_EQ(Field(editor, IDC_txtExe), "game.exe");
  EXPECT_EQ(Field(editor, IDC_txtPath), foo);
  EXPECT_EQ(Field(editor, IDC_txtName), "Foo Racing");
  EXPECT_EQ(Field(editor, IDC_txtMan), "Foo Inc.");
  EXPECT_EQ(Field(editor, IDC_txtYear), "1999");
  Type(editor, IDC_txtYear, "2000");
  EXPECT_TRUE(PressKey(editor, GetDlgItem(editor, IDC_txtName), VK_RETURN));
  EXPECT_TRUE(Editors().empty());
  EXPECT_TRUE(prompt_.messages.empty()) << "adding never blacklists";
  // game.zeb is another game's entry: the new one is named after its game folder too.
  EXPECT_EQ(ReadBytes(roms_ + "\\game (Foo Racing).zeb"),
            CrLf({foo, "game.exe", "Foo Racing", "Foo Inc.", "2000"}));
  EXPECT_EQ(ListRows(),
            (Lines{foo + "|game.exe|Foo Racing|Foo Inc.|2000", "d:\\g\\Game|game.exe|Game||"}));
}

TEST_F(EditorWindowTest, EscCancelAndTheTitleBarCloseWriteNothingAndTheNextOpeningFillsAfresh) {
  Entry("game.zeb", {"d:\\g\\Game", "game.exe", "Game", "", ""});
  Open();
  SelectRow(0);
  Click(Item(IDC_Command2));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  Type(editor, IDC_txtExe, "start.exe");
  EXPECT_TRUE(PressKey(editor, GetDlgItem(editor, IDC_txtExe), VK_ESCAPE));
  EXPECT_TRUE(Editors().empty());

  Click(Item(IDC_Command2));
  editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Field(editor, IDC_txtExe), "game.exe");
  Type(editor, IDC_txtName, "Changed");
  SendMessageA(editor, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Editors().empty());

  Click(Item(IDC_Command2));
  editor = Editor();
  ASSERT_NE(editor, nullptr);
  Type(editor, IDC_txtName, "Changed");
  Click(GetDlgItem(editor, IDC_cmdCancel));
  EXPECT_TRUE(Editors().empty());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf({"d:\\g\\Game", "game.exe", "Game", "", ""}));
  EXPECT_TRUE(prompt_.messages.empty());

  // Closing the main window takes an open editor with it.
  Click(Item(IDC_Command2));
  editor = Editor();
  SendMessageA(Main(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(editor));
}

TEST_F(EditorWindowTest, OkUsesTheEntryFolderAsTypedAndStaysOpenWhenItCannotWrite) {
  Open();
  Click(Item(IDC_cmdAddEntry));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  Type(editor, IDC_txtName, "Game");
  Type(editor, IDC_txtExe, "game.exe");
  Type(editor, IDC_txtPath, "d:\\g");
  SetWindowTextA(Item(IDC_txtZEBpath), (dir_ / "missing\\").c_str());
  Click(GetDlgItem(editor, IDC_cmdOk));
  ASSERT_EQ(Editors().size(), 1u);
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(dir_ / "missing\\game.zeb"), std::string::npos);
  EXPECT_EQ(Field(editor, IDC_txtName), "Game");

  MakeFolders(dir_ / "other");
  SetWindowTextA(Item(IDC_txtZEBpath), (dir_ / "other\\").c_str());
  Click(GetDlgItem(editor, IDC_cmdOk));
  EXPECT_TRUE(Editors().empty());
  EXPECT_EQ(ReadBytes(dir_ / "other\\game.zeb"), CrLf({"d:\\g", "game.exe", "Game", "", ""}));
  EXPECT_EQ(ListRows(), (Lines{"d:\\g|game.exe|Game||"}));
}

TEST_F(EditorWindowTest, MaintenanceButtonsChangeTheFolderAndShowTheList) {
  std::string game = dir_ / "games\\Game";
  MakeFolders(game);
  WriteBytes(game + "\\game.exe", "MZ");
  WriteBytes(game + "\\tool.exe", "MZ");
  Entry("game.zeb", {game, "game.exe", "A", "", ""});
  Entry("gone.zeb", {dir_ / "gone", "gone.exe", "B", "", ""});
  Entry("tool.zeb", {game, "TOOL.EXE", "C", "", ""});
  Open();
  ASSERT_EQ(ListRows().size(), 3u);

  Click(Item(IDC_cmdValZEB));
  ASSERT_TRUE(FinishWork(*window_));
  EXPECT_EQ(ListRows(), (Lines{game + "|game.exe|A||", game + "|TOOL.EXE|C||"}));

  // Nothing selected: nothing happens.
  Click(Item(IDC_cmdBlacklist));
  EXPECT_EQ(ListRows().size(), 2u);
  SelectRow(1);
  Click(Item(IDC_cmdBlacklist));
  EXPECT_EQ(ListRows(), (Lines{game + "|game.exe|A||"}));
  EXPECT_EQ(ReadBytes(roms_ + "\\tool.zeb"), CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));

  prompt_.yes_no_answers.push_back(true);
  Click(Item(IDC_cmdClear));
  ASSERT_TRUE(FinishWork(*window_));
  EXPECT_TRUE(ListRows().empty());
  EXPECT_EQ(GetFileAttributesA((roms_ + "\\game.zeb").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((roms_ + "\\tool.zeb").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(prompt_.messages.empty());
}

}  // namespace
}  // namespace zeb::testing
