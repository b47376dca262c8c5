#pragma once
// The catalogue as the main window holds it: the four settings, the list of entries and the
// selected entry, with the operations behind the window's buttons. The window only copies
// texts in and out; every rule lives here, where tests call it directly.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "formats/game_entry.h"
#include "formats/settings_file.h"
#include "frontends/frontend_catalogue.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompt.h"
#include "platform/status.h"
#include "versioninfo/game_facts.h"

namespace zeb {

// The title of every message box that sets none of its own.
inline constexpr char kAppTitle[] = "ZEB- Zebrine";

// The command line that asks for the unattended build, in any letter case.
inline constexpr char kUnattendedSwitch[] = "/autoparse";
bool IsUnattendedSwitch(const std::string& arguments);

// The unattended build's log, beside config.cfg in the program's folder.
inline std::string LogFilePath(const std::string& program_folder) {
  return JoinPath(program_folder, "zeb.log");
}

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
  // only once the new one is complete. A file that start-up could not read is kept as it is
  // unless a setting was changed since.
  Status SaveSettings() const { return SaveSettings(settings_); }
  Status SaveSettings(const Settings& settings) const;
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
  // The name of the entry file the selected row was loaded from (its own file, whatever its
  // name); empty with no row selected or for a row of the scan that was not written.
  const std::string& selected_entry_file() const;
  // The fields shown in "Current Selection:": the selected row's entry; after a reload of
  // the list, which leaves no row selected, nothing.
  const GameEntry& details() const { return details_; }
  // What the last command did, in a line for the window's progress row ("2,000 game
  // folders: 1,950 new entries"); empty until a command has run.
  const std::string& outcome() const { return outcome_; }
  void set_outcome(std::string outcome) { outcome_ = std::move(outcome); }

  // Where every message and question goes. A window may put a prompt of its own in front of
  // the one the catalogue was made with (and must put the old one back).
  Prompt& prompt() { return *prompt_; }
  void set_prompt(Prompt* prompt) { prompt_ = prompt; }

  // How far long work has come, and whether the user wants it stopped: the scan, the entry
  // writer, the maintenance commands and the DAT export report to it and stop after the
  // current item; LoadZEBs reports but never stops, so the list always shows the disk.
  // Null restores the default, which nobody watches.
  void set_progress(Progress* progress) { progress_ = progress ? progress : &no_progress_; }
  // How many game folders the scan looks at side by side (at least one).
  void set_scan_threads(unsigned threads) { scan_threads_ = threads == 0 ? 1 : threads; }

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
  // What the entry writer did with one row of the scan.
  struct RowWritten {
    enum Fate {
      kWritten,      // a new entry file
      kCatalogued,   // the game has its entry already
      kBlacklisted,  // a blacklist entry keeps its program out
      kNotWritten,   // the file could not be written (or the entry folder cannot be used)
      kNotReached,   // the user stopped the writer first
    };
    Fate fate = kNotReached;
    std::string entry_file;  // the name it was or would have been written under
  };
  // Writes an entry file for every row of the scan whose game has none yet, then LoadZEBs. The
  // file is named after the row's program; when another game's entry holds that name, after
  // the program and the game folder ("Launcher (HITMAN 3).zeb"). A game with an entry under
  // either name, or whose program has a blacklist entry, gets none. Gives back what became of
  // each row. It stops after the current file when the user asks, unless stoppable is false
  // (after a stopped scan, the rows already made are written: the scan's work is kept).
  std::vector<RowWritten> List2ZEB(bool stoppable = true);

  // --- Pictures ---------------------------------------------------------------------------
  // The picture of every listed ".zeb" entry: its program's icon as "<entry name>.png" in
  // the pictures folder beside config.cfg, made where the picture is missing or older than
  // the program. A missing program or one without an icon gives none and no message; a
  // damaged icon is a notice naming the program. Adds what it made to outcome() ("; 412
  // pictures"). Stops after the current entry when the user asks. "Generate ZEB Files" runs
  // it once the entries are written.
  void MakePictures();

  // --- The frontend's settings -----------------------------------------------------------
  // "Prepare Dk Settings": writes "cfgs\PC.cfg" below the Dragon King folder.
  void MakeDKcfg();

  // --- The other frontends (ES-DE, Pegasus, Attract-Mode, Steam ROM Manager) ------------
  // Each one's folder, as "frontends.ini" beside config.cfg holds it (section [Frontends],
  // one key per frontend, read and written with the system's profile functions).
  FrontendFolders& frontend_folders() { return frontend_folders_; }
  void LoadFrontendFolders();
  Status SaveFrontendFolders() const;
  std::string FrontendsFilePath() const;
  // Writes the files of every frontend whose folder is set, from the entry folder's entry
  // files. A frontend that fails is reported and the others are still written; the outcome
  // says what each one got ("ES-DE: 412 games; Attract-Mode: folder D:\AM\ not found").
  void WriteOtherFrontends();

  // --- DAT export -------------------------------------------------------------------------
  // "Make Dat File": writes the DAT file of the entry folder; a failure is shown.
  void MakeDatFile();

  // --- The unattended build --------------------------------------------------------------
  // True when the argument text is "/autoparse" (in any letter case) and the games root, the
  // entry folder and the DAT folder are all set (as start-up read them). Otherwise, when the
  // switch was given, why not in why_not: no config.cfg, or which settings are empty.
  bool UnattendedBuildApplies(const std::string& arguments, std::string* why_not = nullptr) const;
  // Scan, remove invalid entries, DAT file, when its folder is set, the frontend's settings
  // file, and the other frontends whose folders frontends.ini sets, each as its button runs it; a
  // step that fails is reported and the next one runs. Gives back the exit status (0 when no step
  // reported a failure, else 1) and a line that says what each step did.
  int RunUnattendedBuild(std::string* summary);
  // How many failures the operations have reported since the catalogue was made (a notice,
  // such as entries kept because their drive is not there, is no failure).
  size_t failures_reported() const { return failures_reported_; }

  // --- Game facts -------------------------------------------------------------------------
  // Names a game from the version resource of the executable at path. A fact the file cannot
  // supply comes back empty. An unexpected failure is shown as an "Error: " message and the
  // facts read so far come back. Safe to call from several threads of the scan at once.
  GameFacts GetVersionInfo(const std::string& path);

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
  // The entry folder as the operations use it: with a final "\", counted from the program's
  // folder when relative (SettingFolder). Empty while its setting is, so that nothing is read
  // from or written to an unset entry folder.
  std::string EntryFolder() const;
  // The path of the entry file of that name in the entry folder. An unset entry folder has
  // none: a message says so and the result is false.
  bool PathInEntryFolder(const std::string& file_name, std::string* path);
  // The entry folder text followed by exe_name's entry file name. A name shorter than three
  // characters has none: a message says so and the result is false.
  bool EntryFilePath(const std::string& exe_name, std::string* path);
  // The game folder of an entry's folder: the direct sub-folder of the games root on its way,
  // or the folder itself when it lies elsewhere.
  std::string GameFolderOf(const std::string& folder) const;
  // The path of the entry file for an entry of program in game_folder that is not there yet
  // as own_file (the entry file being edited, or empty): named after the program, unless
  // another game's entry holds that name; then after the program and the game folder. False,
  // with a message, when there is no such name or both are held by other games' entries.
  bool NewEntryFilePath(const std::string& program, const std::string& game_folder,
                        const std::string& own_file, std::string* path);
  // Creates or overwrites an entry file; the old content stays whole until the new one is
  // complete. A failure is shown as a message naming the file and the reason.
  bool OverwriteEntryFile(const std::string& path, const std::vector<std::string>& lines);

 private:
  // Empties the list; "Current Selection:" then shows nothing either.
  void ClearRows();
  // entry_file: the entry file a listed row comes from (empty for a row of the scan).
  void AddRow(const GameEntry& entry, const std::string& entry_file = "");
  std::string SettingFolder(const std::string& setting) const;
  // Progress and prompts from the scan's threads go through here one at a time.
  void Step(const char* activity, size_t done, size_t total, const std::string& item);
  // A failure, shown to the user and counted: the count is the unattended build's exit
  // status (failures_reported()).
  void ReportFailure(const std::string& text);
  // A message that reports no failure and leaves the count alone (entries kept because their
  // drive is not there, a store's record that could not be read).
  void ShowNotice(const std::string& text);
  // Runs one step; a failure that escapes it is reported like any other.
  void RunStep(const std::function<void()>& step);

  Prompt* prompt_;
  NoProgress no_progress_;
  Progress* progress_ = &no_progress_;
  std::recursive_mutex report_mutex_;
  unsigned scan_threads_;
  std::string outcome_;
  size_t failures_reported_ = 0;
  bool unread_settings_ = false;
  Settings settings_at_start_;
  std::string program_folder_;
  Settings settings_;
  std::vector<std::string> rows_;
  // Each row's entry: the entry file's own lines for a listed entry (a field that holds "|"
  // makes its row split into more pieces, but the entry is still right), the scan's fields
  // for a row of the scan. The selection, the blacklist and the start act on these.
  std::vector<GameEntry> entries_;
  // Each row's entry file name (LoadZEBs), so that every command acts on the row's own file.
  std::vector<std::string> entry_files_;
  // For the scan's rows: the game folder and the program after which the entry is named (line
  // 2 may carry arguments after it).
  struct ScanGame {
    std::string game_folder;
    std::string program;
  };
  std::vector<ScanGame> scan_games_;
  std::vector<std::string> folders_without_game_;
  FrontendFolders frontend_folders_;
  unsigned rows_version_ = 0;
  int selected_ = -1;
  GameEntry details_;
};

}  // namespace zeb
