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

std::optional<size_t> ChooseExecutable(std::string_view folder_path,
                                       const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i)
    if (IsPreferredExecutable(folder_path, names[i])) return i;
  for (size_t i = 0; i < names.size(); ++i)
    if (!IsExcludedExecutable(names[i])) return i;
  return std::nullopt;
}

}  // namespace zeb
