#include "catalogue/exe_choice.h"

#include "platform/name_rules.h"

namespace zeb {

bool IsPreferredExecutable(std::string_view folder_path, std::string_view name) {
  std::string upper_name = UpperCase(name);
  // An empty base name (a file named just ".exe") occurs in every path.
  std::string base = upper_name.substr(0, upper_name.size() >= 4 ? upper_name.size() - 4 : 0);
  return UpperCase(folder_path).find(base) != std::string::npos ||
         upper_name.find("LAUNCH") != std::string::npos;
}

bool IsExcludedExecutable(std::string_view name) {
  static constexpr std::string_view kExcluded[] = {
      "UNINSTALL.EXE", "UNINSTAL.EXE", "SETUP.EXE",  "CONFIG.EXE",
      "AUTORUN.EXE",   "IS_DEL.EXE",   "UNWISE.EXE", "_ISDEL.EXE",
  };
  std::string upper = UpperCase(name);
  for (std::string_view excluded : kExcluded)
    if (upper == excluded) return true;
  return upper.find("UNIN") != std::string::npos || upper.find("SETUP") != std::string::npos;
}

bool IsHelperProgram(std::string_view name) {
  static constexpr std::string_view kHelpers[] = {
      // crash reporters
      "UNITYCRASHHANDLER32.EXE", "UNITYCRASHHANDLER64.EXE", "CRASHREPORTCLIENT.EXE",
      "CRASHPAD_HANDLER.EXE",
      // runtime and redistributable installers
      "VC_REDIST.X64.EXE", "VC_REDIST.X86.EXE", "VCREDIST_X64.EXE", "VCREDIST_X86.EXE",
      "OALINST.EXE",
      // script interpreters and browser helpers
      "PYTHON.EXE", "PYTHONW.EXE", "QTWEBENGINEPROCESS.EXE", "CEFSHARP.BROWSERSUBPROCESS.EXE",
      "NOTIFICATION_HELPER.EXE",
      // updaters
      "ZSYNC.EXE", "ZSYNCMAKE.EXE"};
  static constexpr std::string_view kHelperBeginnings[] = {"CRASHSENDER", "BSSNDRPT", "DOTNETFX"};
  std::string upper = UpperCase(name);
  for (std::string_view helper : kHelpers)
    if (upper == helper) return true;
  for (std::string_view beginning : kHelperBeginnings)
    if (upper.starts_with(beginning)) return true;
  return false;
}

std::optional<size_t> ChooseExecutable(std::string_view folder_path,
                                       const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i)
    if (IsPreferredExecutable(folder_path, names[i])) return i;
  for (size_t i = 0; i < names.size(); ++i)
    if (!IsExcludedExecutable(names[i]) && !IsHelperProgram(names[i])) return i;
  return std::nullopt;
}

}  // namespace zeb
