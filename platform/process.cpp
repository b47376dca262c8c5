#include "platform/process.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/win_error.h"

namespace zeb {

Status StartProgram(const std::string& program_path, const std::string& command_text, int show_code,
                    const std::string& current_folder, unique_handle* process) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_code);
  PROCESS_INFORMATION info = {};
  std::string command = command_text;  // CreateProcessA may write into its command buffer
  if (!CreateProcessA(program_path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      current_folder.empty() ? nullptr : current_folder.c_str(), &startup, &info)) {
    return Status::Error("Cannot start \"" + program_path + "\" in \"" + current_folder +
                         "\": " + LastErrorText(program_path));
  }
  unique_handle thread(info.hThread);
  unique_handle started(info.hProcess);
  if (process != nullptr) *process = std::move(started);
  return Status::Ok();
}

std::string ProgramFileIn(const std::string& folder, const std::string& name) {
  std::string path = folder;
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += name;
  if (name.find('.') == std::string::npos && !AnyFileExists(path) && AnyFileExists(path + ".exe"))
    path += ".exe";
  return path;
}

}  // namespace zeb
