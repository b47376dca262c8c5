#include "platform/program_info.h"

#include <windows.h>

#include "platform/command_line.h"

namespace zeb {

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::string ProgramArguments() { return ArgumentText(GetCommandLineA()); }

std::string CurrentFolder() {
  DWORD needed = GetCurrentDirectoryA(0, nullptr);
  std::string folder(needed, '\0');
  DWORD length = GetCurrentDirectoryA(needed, folder.data());
  folder.resize(length < needed ? length : 0);
  return folder;
}

}  // namespace zeb
