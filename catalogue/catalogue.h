#pragma once
// The catalogue as the main window holds it: the four settings, the list of entries and the
// selected entry, with the operations behind the window's buttons. The window only copies
// texts in and out; every rule lives here, where tests call it directly.
#include <string>
#include <vector>

#include "formats/game_entry.h"
#include "formats/settings_file.h"
#include "platform/prompt.h"
#include "platform/status.h"
#include "versioninfo/game_facts.h"

namespace zeb {

// The title of every message box that sets none of its own.
inline constexpr char kAppTitle[] = "ZEB- Zebrine";

// The command line that asks for the unattended build.
inline constexpr char kUnattendedSwitch[] = "/autoparse";

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
  // The fields shown in "Current Selection:": while a row is selected, its fields;
  // afterwards they keep the last selected row's.
  const GameEntry& details() const { return details_; }
  Prompt& prompt() { return prompt_; }

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
  // The names of the game folders in which the last scan found no game, in their order.
  const std::vector<std::string>& folders_without_game() const { return folders_without_game_; }
  // Writes an entry file for every row whose entry file does not exist yet, then LoadZEBs.
  void List2ZEB();

  // --- The frontend's settings -----------------------------------------------------------
  // "Prepare Dk Settings": writes "cfgs\PC.cfg" below the Dragon King folder.
  void MakeDKcfg();

  // --- DAT export -------------------------------------------------------------------------
  // "Make Dat File": writes the DAT file of the entry folder; a failure is shown.
  void MakeDatFile();

  // --- The unattended build --------------------------------------------------------------
  // True when the argument text is exactly "/autoparse" and the games root, the entry folder
  // and the DAT folder are all set (as start-up read them).
  bool UnattendedBuildApplies(const std::string& arguments) const;
  // Scan, remove invalid entries, DAT file and, when its folder is set, the frontend's
  // settings file, each as its button runs it.
  void RunUnattendedBuild();

  // --- Game facts -------------------------------------------------------------------------
  // Names a game from the version resource of the executable at path: every fact is emptied
  // first, so one the file cannot supply comes back empty. An unexpected failure is shown
  // as an "Error: " message and the call returns normally.
  void GetVersionInfo(const std::string& path);
  const GameFacts& facts() const { return facts_; }

  // --- Maintenance ------------------------------------------------------------------------
  // Each one asks nothing and ends with LoadZEBs. A file that cannot be deleted is passed
  // over, and one message at the end names every file left.
  // Deletes every ordinary file of the entry folder; sub-folders, hidden and system files stay.
  void ClearZEBs();
  // Deletes the entries whose executable is gone; blacklist entries stay.
  void RemoveInvalidEntries();
  // Turns the selected row's entry file into a blacklist entry; with no row selected it does
  // nothing.
  void Blacklist();

  // --- Overwriting entry files (the blacklist command and the editor) ----------------------
  // The entry folder text followed by exe_name's entry file name. A name shorter than three
  // characters has none: a message says so and the result is false.
  bool EntryFilePath(const std::string& exe_name, std::string* path);
  // Creates or overwrites an entry file; the old content stays whole until the new one is
  // complete. A failure is shown as a message naming the file and the reason.
  bool OverwriteEntryFile(const std::string& path, const std::vector<std::string>& lines);

 private:
  void ClearRows();
  void AddRow(std::string row);

  Prompt& prompt_;
  std::string program_folder_;
  Settings settings_;
  std::vector<std::string> rows_;
  std::vector<std::string> folders_without_game_;
  unsigned rows_version_ = 0;
  int selected_ = -1;
  GameEntry details_;
  GameFacts facts_;
};

}  // namespace zeb
