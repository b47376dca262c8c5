#pragma once
// The catalogue as the main window holds it: the four settings, the list of entries and the
// selected entry, with the operations behind the window's buttons. The window only copies
// texts in and out; every rule lives here, where tests call it directly.
#include <string>
#include <vector>

#include "catalogue/settings_format.h"
#include "platform/prompt.h"
#include "platform/status.h"
#include "versioninfo/game_facts.h"

namespace zeb {

// The title of every message box that sets none of its own.
inline constexpr char kAppTitle[] = "ZEB- Zebrine";

// The texts of the detail labels in "Current Selection:".
struct SelectionDetails {
  std::string exe;           // lblexe
  std::string name;          // lblName
  std::string manufacturer;  // lblMan
  std::string year;          // lblYear
  std::string path;          // lblPath
};

// The seven lines of the Dragon King settings file for a program in program_folder.
std::vector<std::string> DkSettingsLines(const std::string& program_folder);

class Catalogue {
 public:
  // program_folder holds the program's own files: "config.cfg" and the temporary DAT file.
  Catalogue(Prompt& prompt, std::string program_folder);

  // --- Start-up and shut-down -------------------------------------------------------------
  // The load handler: the settings from "config.cfg", then LoadZEBs. Nothing here fails.
  void StartUp();
  // The unload handler: writes the four settings to "config.cfg", replacing the old file
  // only once the new one is complete.
  Status SaveSettings() const;
  std::string SettingsFilePath() const;

  // --- State shown by the window ----------------------------------------------------------
  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  // List1: one list row per entry, in the order added.
  const std::vector<std::string>& rows() const { return rows_; }
  // Changes whenever the rows change, so the window knows when to refill its list.
  unsigned rows_version() const { return rows_version_; }
  // The selected row, or -1 when none is.
  int selected() const { return selected_; }
  const SelectionDetails& details() const { return details_; }
  Prompt& prompt() { return prompt_; }
  const std::string& program_folder() const { return program_folder_; }

  // --- The list view ----------------------------------------------------------------------
  // Rebuilds the rows from the entry folder: every ordinary file but blacklist entries.
  void LoadZEBs();
  // Selects a row (or none with -1) and fills the detail labels from it.
  void Select(int index);
  // Double-click: starts the selected row's game in its own folder.
  void StartSelectedGame();

  // --- Building the catalogue ------------------------------------------------------------
  // "Generate ZEB Files": one row per game folder of the games root, then List2ZEB.
  void GenerateZEBFiles();
  // Writes an entry file for every row whose entry file does not exist yet, then LoadZEBs.
  void List2ZEB();

  // --- The frontend's settings -----------------------------------------------------------
  // "Prepare Dk Settings": writes "cfgs\PC.cfg" below the Dragon King folder.
  void MakeDKcfg();

  // --- DAT export -------------------------------------------------------------------------
  // "Make Dat File": writes the DAT file of the entry folder; a failure is shown.
  void MakeDatFile();

  // --- Game facts -------------------------------------------------------------------------
  // Names a game from the version resource of the executable at path: every fact is emptied
  // first, so one the file cannot supply comes back empty. An unexpected failure is shown
  // as an "Error: " message and the call returns normally.
  void GetVersionInfo(const std::string& path);
  const GameFacts& facts() const { return facts_; }

 private:
  void ClearRows();
  void AddRow(std::string row);

  Prompt& prompt_;
  std::string program_folder_;
  Settings settings_;
  std::vector<std::string> rows_;
  unsigned rows_version_ = 0;
  int selected_ = -1;
  SelectionDetails details_;
  GameFacts facts_;
};

}  // namespace zeb
