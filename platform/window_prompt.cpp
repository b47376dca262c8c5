#include "platform/window_prompt.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

namespace zeb {

void WindowPrompt::ShowMessage(const std::string& text, const std::string& title) {
  HWND owner = GetActiveWindow();
  // A box without an owner (vrelo has no window) would otherwise open behind the frontend
  // that started the program, and the program would wait for it unseen.
  UINT flags = owner == nullptr ? MB_OK | MB_SETFOREGROUND | MB_TOPMOST : MB_OK;
  MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

std::string WindowPrompt::AskFileToOpen(const std::string& preset_name) {
  std::vector<char> buffer(32768, '\0');
  preset_name.copy(buffer.data(), std::min(preset_name.size(), buffer.size() - 1));
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                 OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return "";
  return buffer.data();
}

}  // namespace zeb
