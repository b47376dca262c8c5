// The real entry editor, opened from the real main window in this process: its controls,
// keys and buttons, and what it writes; and the maintenance buttons of the main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "catalogue/main_window.h"
#include "catalogue/resource.h"
#include "platform/recording_prompt.h"
#include "tests/support/temp_folder.h"

namespace zeb::testing {
namespace {

using Lines = std::vector<std::string>;

std::string TextOf(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

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
    WriteBytes(roms_ + "\\" + file, CrLf(lines));
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
  Lines ListRows() {
    Lines rows;
    HWND list = Item(List1);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
      std::string text(static_cast<size_t>(length) + 1, '\0');
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      text.resize(static_cast<size_t>(length));
      rows.push_back(text);
    }
    return rows;
  }
  void SelectRow(int index) {
    SendMessageA(Item(List1), LB_SETCURSEL, index, 0);
    SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(List1, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(List1)));
  }

  // The editor windows of this thread that the main window owns.
  struct EditorSearch {
    HWND owner;
    std::vector<HWND> found;
  };
  static BOOL CALLBACK AddEditor(HWND hwnd, LPARAM lparam) {
    auto* search = reinterpret_cast<EditorSearch*>(lparam);
    if (GetWindow(hwnd, GW_OWNER) == search->owner && TextOf(hwnd) == "Edit Entry ")
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
  std::string Field(HWND editor, int id) { return TextOf(GetDlgItem(editor, id)); }
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
  Click(Item(Command2));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(IsWindowVisible(editor));
  EXPECT_TRUE(IsWindowEnabled(Main())) << "the editor is modeless";

  // In tab order: id, class, text.
  const std::tuple<int, const char*, const char*> controls[] = {
      {txtName, "Edit", ""},
      {txtMan, "Edit", ""},
      {txtYear, "Edit", ""},
      {txtExe, "Edit", ""},
      {cmdOk, "Button", "&Ok"},
      {cmdCancel, "Button", "&Cancel"},
      {cmdBrowse, "Button", "&Browse"},
      {txtPath, "Edit", "d:\\pc games\\"},
  };
  HWND item = GetDlgItem(editor, txtName);
  for (const auto& [id, kind, caption] : controls) {
    ASSERT_EQ(GetDlgCtrlID(item), id) << "tab order";
    EXPECT_EQ(ClassOf(item), kind) << id;
    EXPECT_EQ(TextOf(item), caption) << id;
    item = GetNextDlgTabItem(editor, item, FALSE);
  }
  EXPECT_EQ(GetDlgCtrlID(item), txtName) << "tab goes round";

  Lines captions;
  for (HWND child = GetWindow(editor, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == "Static") captions.push_back(TextOf(child));
  EXPECT_EQ(captions, (Lines{"Name:", "Manufacturer:", "Year:", "Exe Name:", "Exe Path:"}));

  LRESULT default_id = SendMessageA(editor, DM_GETDEFID, 0, 0);
  EXPECT_EQ(HIWORD(default_id), DC_HASDEFID);
  EXPECT_EQ(LOWORD(default_id), cmdOk);
}

TEST_F(EditorWindowTest, EditsTheSelectedEntryAndBlacklistsTheReplacedExecutable) {
  Entry("game.zeb", {"d:\\g\\Game", "game.exe", "Game", "Maker", "1999"});
  Entry("other.zeb", {"d:\\g\\Other", "other.exe", "Other", "", ""});
  Open();
  ASSERT_EQ(ListRows().size(), 2u);
  SelectRow(0);
  Click(Item(Command2));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Field(editor, txtName), "Game");
  EXPECT_EQ(Field(editor, txtMan), "Maker");
  EXPECT_EQ(Field(editor, txtYear), "1999");
  EXPECT_EQ(Field(editor, txtExe), "game.exe");
  EXPECT_EQ(Field(editor, txtPath), "d:\\g\\Game");

  Type(editor, txtExe, "start.exe");
  // Opening again brings the same editor forward, fields as typed, whatever is selected.
  SelectRow(1);
  Click(Item(Command2));
  ASSERT_EQ(Editor(), editor);
  EXPECT_EQ(Field(editor, txtExe), "start.exe");
  EXPECT_EQ(Field(editor, txtName), "Game");

  Type(editor, txtName, "Game Started");
  Click(GetDlgItem(editor, cmdOk));
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
  SetWindowTextA(Item(txtGamePaths), "e:\\games\\");
  Click(Item(cmdAddEntry));
  EXPECT_EQ(SendMessageA(Item(List1), LB_GETCURSEL, 0, 0), LB_ERR);
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Field(editor, txtName), "");
  EXPECT_EQ(Field(editor, txtExe), "");
  EXPECT_EQ(Field(editor, txtPath), "e:\\games\\");

  prompt_.file_answers.push_back(foo + "\\game.exe");
  Click(GetDlgItem(editor, cmdBrowse));
  EXPECT_EQ(Field(editor, txtExe), "game.exe");
  EXPECT_EQ(Field(editor, txtPath), foo);
  EXPECT_EQ(Field(editor, txtName), "Foo Racing");
  EXPECT_EQ(Field(editor, txtMan), "Foo Inc.");
  EXPECT_EQ(Field(editor, txtYear), "1999");
  Type(editor, txtYear, "2000");
  EXPECT_TRUE(PressKey(editor, GetDlgItem(editor, txtName), VK_RETURN));
  EXPECT_TRUE(Editors().empty());
  EXPECT_TRUE(prompt_.messages.empty()) << "adding never blacklists";
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"),
            CrLf({foo, "game.exe", "Foo Racing", "Foo Inc.", "2000"}));
  EXPECT_EQ(ListRows(), (Lines{foo + "|game.exe|Foo Racing|Foo Inc.|2000"}));
}

TEST_F(EditorWindowTest, EscCancelAndTheTitleBarCloseWriteNothingAndTheNextOpeningFillsAfresh) {
  Entry("game.zeb", {"d:\\g\\Game", "game.exe", "Game", "", ""});
  Open();
  SelectRow(0);
  Click(Item(Command2));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  Type(editor, txtExe, "start.exe");
  EXPECT_TRUE(PressKey(editor, GetDlgItem(editor, txtExe), VK_ESCAPE));
  EXPECT_TRUE(Editors().empty());

  Click(Item(Command2));
  editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Field(editor, txtExe), "game.exe");
  Type(editor, txtName, "Changed");
  SendMessageA(editor, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Editors().empty());

  Click(Item(Command2));
  editor = Editor();
  ASSERT_NE(editor, nullptr);
  Type(editor, txtName, "Changed");
  Click(GetDlgItem(editor, cmdCancel));
  EXPECT_TRUE(Editors().empty());
  EXPECT_EQ(ReadBytes(roms_ + "\\game.zeb"), CrLf({"d:\\g\\Game", "game.exe", "Game", "", ""}));
  EXPECT_TRUE(prompt_.messages.empty());

  // Closing the main window takes an open editor with it.
  Click(Item(Command2));
  editor = Editor();
  SendMessageA(Main(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(editor));
}

TEST_F(EditorWindowTest, OkUsesTheEntryFolderAsTypedAndStaysOpenWhenItCannotWrite) {
  Open();
  Click(Item(cmdAddEntry));
  HWND editor = Editor();
  ASSERT_NE(editor, nullptr);
  Type(editor, txtName, "Game");
  Type(editor, txtExe, "game.exe");
  Type(editor, txtPath, "d:\\g");
  SetWindowTextA(Item(txtZEBpath), (dir_ / "missing\\").c_str());
  Click(GetDlgItem(editor, cmdOk));
  ASSERT_EQ(Editors().size(), 1u);
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(prompt_.messages[0].text.find(dir_ / "missing\\game.zeb"), std::string::npos);
  EXPECT_EQ(Field(editor, txtName), "Game");

  MakeFolders(dir_ / "other");
  SetWindowTextA(Item(txtZEBpath), (dir_ / "other\\").c_str());
  Click(GetDlgItem(editor, cmdOk));
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

  Click(Item(cmdValZEB));
  EXPECT_EQ(ListRows(), (Lines{game + "|game.exe|A||", game + "|TOOL.EXE|C||"}));

  // Nothing selected: nothing happens.
  Click(Item(cmdBlacklist));
  EXPECT_EQ(ListRows().size(), 2u);
  SelectRow(1);
  Click(Item(cmdBlacklist));
  EXPECT_EQ(ListRows(), (Lines{game + "|game.exe|A||"}));
  EXPECT_EQ(ReadBytes(roms_ + "\\tool.zeb"), CrLf({"NULL", "NULL", "NULL", "NULL", "NULL"}));

  Click(Item(cmdClear));
  EXPECT_TRUE(ListRows().empty());
  EXPECT_EQ(GetFileAttributesA((roms_ + "\\game.zeb").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((roms_ + "\\tool.zeb").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(prompt_.messages.empty());
}

}  // namespace
}  // namespace zeb::testing
