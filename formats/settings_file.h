#pragma once
// The four settings and their file "config.cfg": four lines, games root, entry folder, DAT
// folder and Dragon King folder, each the field's text verbatim.
#include <string>
#include <vector>

namespace zeb {

struct Settings {
  std::string game_paths;  // txtGamePaths: the games root
  std::string zeb_path;    // txtZEBpath: the entry folder
  std::string dat_path;    // txtDatPath: the folder of the DAT file
  std::string dk_path;     // txtDkPath: the Dragon King folder, empty when not used

  bool operator==(const Settings&) const = default;
};

// The settings that start-up takes from the lines it could read. One holder serves all four
// reads and a failed read leaves it unchanged, so a field whose line is missing gets the
// last line that was read, and all four are empty when nothing could be read.
Settings SettingsFromLines(const std::vector<std::string>& lines);

// The four lines of the settings file.
std::vector<std::string> SettingsLines(const Settings& settings);

// The folder a folder setting names, as every operation uses it: ending in "\" (added when
// the user left it out, so "dats" never makes "datsPC.dat"), and, when relative, counted from
// the program's own folder (where config.cfg lives), not from whatever folder the program
// was started in. An empty setting names the program's folder itself. Absolute settings
// ("D:\Games", "\\server\share", "\Games", "D:Games") are kept as they are.
std::string SettingFolder(const std::string& setting, const std::string& program_folder);

}  // namespace zeb
