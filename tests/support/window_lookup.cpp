#include "tests/support/window_lookup.h"

#include "tests/support/wait.h"

namespace zeb::testing {

namespace {

struct WindowSearch {
  DWORD process_id;
  std::string class_name;
  std::string caption;
  HWND found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !IsWindowVisible(window) ||
      ClassOf(window) != search->class_name ||
      (!search->caption.empty() && WindowText(window) != search->caption))
    return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM data) {
  std::string text = WindowText(child);
  if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0 && !text.empty())
    *reinterpret_cast<std::string*>(data) += text + "\n";
  return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::vector<std::string> ListBoxRows(HWND list) {
  std::vector<std::string> rows;
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

void SelectListRow(HWND dialog, int list_id, int index) {
  HWND list = GetDlgItem(dialog, list_id);
  SendMessageA(list, LB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list_id, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

std::string StaticTexts(HWND window) {
  std::string texts;
  EnumChildWindows(window, AddStaticText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

HWND WaitForWindow(DWORD process_id, const std::string& class_name, const std::string& caption,
                   DWORD timeout_ms) {
  WindowSearch search = {process_id, class_name, caption, nullptr};
  WaitUntil(
      "a window of class " + class_name,
      [&] {
        EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeout_ms);
  return search.found;
}

}  // namespace zeb::testing
