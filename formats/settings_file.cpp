#include "formats/settings_file.h"

#include "platform/paths.h"

namespace zeb {

Settings SettingsFromLines(const std::vector<std::string>& lines) {
  std::string holder;
  auto next = [&](size_t index) -> std::string {
    if (index < lines.size()) holder = lines[index];
    return holder;
  };
  Settings settings;
  settings.game_paths = next(0);
  settings.zeb_path = next(1);
  settings.dat_path = next(2);
  settings.dk_path = next(3);
  return settings;
}

std::vector<std::string> SettingsLines(const Settings& settings) {
  return {settings.game_paths, settings.zeb_path, settings.dat_path, settings.dk_path};
}

std::string SettingFolder(const std::string& setting, const std::string& program_folder) {
  bool has_drive = setting.size() >= 2 && setting[1] == ':';
  bool absolute = has_drive || (!setting.empty() && IsPathSeparator(setting[0]));
  return WithTrailingSeparator(absolute ? setting : JoinPath(program_folder, setting));
}

}  // namespace zeb
