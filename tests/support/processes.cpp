#include "tests/support/processes.h"

namespace zeb::testing {

namespace {

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

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
      ClassName(window) != search->class_name ||
      (!search->caption.empty() && WindowText(window) != search->caption))
    return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM data) {
  char text[2048] = {};
  if (lstrcmpiA(ClassName(child).c_str(), "Static") == 0 &&
      GetWindowTextA(child, text, sizeof text) > 0)
    *reinterpret_cast<std::string*>(data) += std::string(text) + "\n";
  return TRUE;
}

}  // namespace

unique_handle StartWithArguments(const std::string& program, const std::string& arguments,
                                 const std::string& current_folder,
                                 const std::string& error_file) {
  std::string command = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  unique_hfile error_stream;
  if (!error_file.empty()) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    error_stream.reset(CreateFileA(error_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!error_stream) return unique_handle();
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = error_stream.get();
  }
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr,
                      error_stream ? TRUE : FALSE, 0, nullptr, current_folder.c_str(), &startup,
                      &info))
    return unique_handle();
  unique_handle thread(info.hThread);
  return unique_handle(info.hProcess);
}

DWORD ExitStatus(const unique_handle& process, DWORD timeout_ms) {
  if (!process || WaitForSingleObject(process.get(), timeout_ms) != WAIT_OBJECT_0)
    return kStillRunning;
  DWORD status = kStillRunning;
  GetExitCodeProcess(process.get(), &status);
  return status;
}

HWND WaitForWindow(DWORD process_id, const std::string& class_name, const std::string& caption,
                   DWORD timeout_ms) {
  DWORD start = GetTickCount();
  for (;;) {
    WindowSearch search = {process_id, class_name, caption, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || GetTickCount() - start > timeout_ms) return search.found;
    Sleep(50);
  }
}

std::string StaticTexts(HWND window) {
  std::string texts;
  EnumChildWindows(window, AddStaticText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace zeb::testing
