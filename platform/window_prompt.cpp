#include "platform/window_prompt.h"

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace zeb {

void* WindowPrompt::Owner() const {
  HWND active = GetActiveWindow();
  return active != nullptr ? active : static_cast<HWND>(fallback_owner_);
}

namespace {

int ShowBox(HWND owner, const std::string& text, const std::string& title, UINT flags) {
  // A box without an owner (vrelo has no window) would otherwise open behind the frontend
  // that started the program, and the program would wait for it unseen.
  if (owner == nullptr) flags |= MB_SETFOREGROUND | MB_TOPMOST;
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace

void WindowPrompt::ShowMessage(const std::string& text, const std::string& title) {
  ShowBox(static_cast<HWND>(Owner()), text, title, MB_OK);
}

bool WindowPrompt::AskYesNo(const std::string& text, const std::string& title) {
  return ShowBox(static_cast<HWND>(Owner()), text, title,
                 MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::string WindowPrompt::AskFileToOpen(const std::string& preset_name) {
  std::vector<char> buffer(32768, '\0');
  preset_name.copy(buffer.data(), std::min(preset_name.size(), buffer.size() - 1));
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = static_cast<HWND>(Owner());
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (GetOpenFileNameA(&dialog)) return buffer.data();
  // A preset that is no valid file name (a typed "|", say) keeps the dialog from opening at
  // all; open it without one, so the user can still pick the file.
  if (CommDlgExtendedError() != FNERR_INVALIDFILENAME || buffer[0] == '\0') return "";
  buffer.assign(buffer.size(), '\0');
  if (GetOpenFileNameA(&dialog)) return buffer.data();
  return "";
}

namespace {

// Opens the picker at the preset folder once it is there.
int CALLBACK StartAtPreset(HWND picker, UINT message, LPARAM, LPARAM preset) {
  if (message == BFFM_INITIALIZED && preset != 0)
    SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, preset);
  return 0;
}

}  // namespace

std::string WindowPrompt::AskFolder(const std::string& text, const std::string& preset_folder) {
  // The picker's newer look needs COM on this thread.
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  char display_name[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.hwndOwner = static_cast<HWND>(Owner());
  info.pszDisplayName = display_name;
  info.lpszTitle = text.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = StartAtPreset;
  info.lParam = preset_folder.empty() ? 0 : reinterpret_cast<LPARAM>(preset_folder.c_str());
  std::string chosen;
  if (PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info)) {
    char path[MAX_PATH] = "";
    if (SHGetPathFromIDListA(item, path)) chosen = path;
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace zeb
