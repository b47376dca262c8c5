// "Other Frontends..." in the real main window: the dialog shows frontends.ini's folders,
// Browse fills a field from the folder picker, OK saves the fields and writes the frontends
// (the progress row says what each got), Cancel changes nothing.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

#include "platform/files.h"
#include "tests/support/main_window_driver.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_lookup.h"
#include "ui/main_window.h"
#include "ui/resource.h"

namespace zeb::testing {
namespace {

// The dialog is modal: the click that opens it returns only once it has closed. A timer of
// this thread, which the dialog's own message loop serves, does the user's part meanwhile.
std::function<void(HWND)>* user_part = nullptr;

BOOL CALLBACK FindFrontendsDialog(HWND window, LPARAM found) {
  if (WindowText(window) != "Other Frontends" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindFrontendsDialog, reinterpret_cast<LPARAM>(&dialog));
  if (dialog == nullptr) return;
  KillTimer(nullptr, timer);
  (*user_part)(dialog);
}

// Clicks the button that opens the dialog and lets act do the rest.
void WithDialog(HWND button, std::function<void(HWND)> act) {
  user_part = &act;
  SetTimer(nullptr, 0, 10, ActOnDialog);
  SendMessageA(button, BM_CLICK, 0, 0);
  user_part = nullptr;
}

void Type(HWND dialog, int id, const std::string& text) {
  SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

TEST(FrontendsWindowTest, OkSavesTheFoldersAndWritesTheFrontendsAndCancelChangesNothing) {
  TempFolder dir;
  MakeFolders(dir / "roms");
  MakeFolders(dir / "ES-DE");
  MakeFolders(dir / "Pegasus");
  WriteBytes(dir / "roms\\sky.zeb", CrLf({"d:\\g\\Sky", "sky.exe", "Sky", "", ""}));
  WriteBytes(dir / "config.cfg", CrLf({"d:\\pc games\\", dir / "roms\\", "dats\\", ""}));
  const std::string ini = CrLf({"[Frontends]", "ES-DE=", "Pegasus=" + dir / "Old\\",
                                "Attract-Mode=", "Steam ROM Manager=" + dir / "SRM\\"});
  WriteBytes(dir / "frontends.ini", ini);
  RecordingPrompt prompt;
  Catalogue catalogue(prompt, dir.path());
  std::unique_ptr<Form1> window = Form1::Create(GetModuleHandleA(nullptr), &catalogue);
  ASSERT_TRUE(window);
  window->set_quit_on_destroy(false);
  HWND button = GetDlgItem(window->hwnd(), IDC_cmdOtherFrontends);
  ASSERT_EQ(WindowText(button), "Other Frontends...");

  bool shown = false;
  WithDialog(button, [&](HWND dialog) {
    shown = true;
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_txtPegasus)), dir / "Old\\");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_txtSteamRomManager)), dir / "SRM\\");
    Type(dialog, IDC_txtEsDe, "somewhere");
    Click(dialog, IDCANCEL);
  });
  ASSERT_TRUE(shown);
  EXPECT_FALSE(window->busy());
  EXPECT_EQ(ReadBytes(dir / "frontends.ini"), ini);

  prompt.folder_answers.push_back(dir / "ES-DE");
  WithDialog(button, [&](HWND dialog) {
    Click(dialog, IDC_cmdBrowseEsDe);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_txtEsDe)), dir / "ES-DE\\");
    Type(dialog, IDC_txtPegasus, dir / "Pegasus");
    Type(dialog, IDC_txtSteamRomManager, "");
    Click(dialog, IDOK);
  });
  ASSERT_EQ(prompt.folder_questions.size(), 1u);
  EXPECT_EQ(prompt.folder_questions[0].text, "The folder for ES-DE:");
  ASSERT_TRUE(FinishWork(*window));
  EXPECT_EQ(ReadBytes(dir / "frontends.ini"),
            CrLf({"[Frontends]", "ES-DE=" + dir / "ES-DE\\", "Pegasus=" + dir / "Pegasus",
                  "Attract-Mode=", "Steam ROM Manager="}));
  EXPECT_EQ(WindowText(GetDlgItem(window->hwnd(), IDC_lblStatus)),
            "ES-DE: 1 game; Pegasus: 1 game");
  EXPECT_TRUE(AnyFileExists(dir / "ES-DE\\gamelists\\zebrine\\gamelist.xml"));
  EXPECT_TRUE(AnyFileExists(dir / "Pegasus\\metadata.pegasus.txt"));
  EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace zeb::testing
