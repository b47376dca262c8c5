// The folder scan behind "Generate ZEB Files": one game per sub-folder of the games root,
// one executable chosen per game, the game named from its version resource.
#include <atomic>
#include <optional>

#include "catalogue/catalogue.h"
#include "catalogue/exe_choice.h"
#include "catalogue/progress_text.h"
#include "formats/game_entry.h"
#include "platform/listing.h"
#include "platform/parallel.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

// The scanned folder and its chosen executable for one game folder, if it yields one. A
// folder without candidates is looked into one level deeper, at its first sub-folder only.
bool FindGameExecutable(const std::string& game_folder, std::string* scanned, std::string* exe) {
  FileListing candidates;
  // A game folder that cannot be listed is passed over.
  if (!ListFiles(game_folder, "*.exe", &candidates).ok()) return false;
  *scanned = game_folder;
  if (candidates.names.empty()) {
    std::vector<std::string> sub_folders;
    if (!ListFolders(game_folder, &sub_folders).ok() || sub_folders.empty()) return false;
    *scanned = sub_folders.front();
    if (!ListFiles(*scanned, "*.exe", &candidates).ok()) return false;
  }
  std::optional<size_t> chosen = ChooseExecutable(*scanned, candidates.names);
  if (!chosen) return false;
  *exe = TrimSpaces(candidates.names[*chosen]);
  return !exe->empty();
}

}  // namespace

void Catalogue::GenerateZEBFiles() {
  ClearRows();
  const std::string& root = settings_.game_paths;
  std::vector<std::string> game_folders;
  Status listed = root.empty() ? Status::Error("No games root folder is set.")
                               : ListFolders(SettingFolder(root), &game_folders);
  if (!listed.ok()) {
    // Nothing is written; the list shows the catalogue on disk again.
    ShowMessage(root.empty()
                    ? listed.message()
                    : "The games root folder \"" + root + "\" cannot be read. " + listed.message());
    LoadZEBs();
    outcome_ = "Nothing was written: the games root folder cannot be read.";
    return;
  }

  // The game folders are looked at side by side; each one's row waits in its own place, so
  // the rows keep the order of the folders.
  const size_t total = game_folders.size();
  std::vector<std::optional<GameEntry>> found(total);
  std::atomic<size_t> done{0};
  size_t scanned = ParallelForInOrder(
      total, scan_threads_, [this] { return progress_->StopRequested(); },
      [&](size_t i) {
        const std::string& game_folder = game_folders[i];
        std::string shown = game_folder.substr(game_folder.find_last_of('\\') + 1);
        std::string folder, exe;
        if (FindGameExecutable(game_folder, &folder, &exe)) {
          GameFacts facts = ReadGameFacts(folder + "\\" + exe);
          std::string name = facts.game_name.empty() ? folder.substr(folder.find_last_of('\\') + 1)
                                                     : facts.game_name;
          found[i] = GameEntry{folder, exe, name, facts.manufacturer, facts.year};
          shown = name;
        }
        Step("Scanning", ++done, total, shown);
      });
  for (size_t i = 0; i < scanned; ++i)
    if (found[i]) AddRow(*found[i]);

  bool stopped = scanned < total;
  size_t written = WriteNewEntries();
  std::string what =
      stopped ? "Stopped after " + CountText(scanned) + " of " + CountText(total) + " game folders"
              : CountText(total) + " game folders";
  outcome_ = what + ": " + CountText(written) + (written == 1 ? " new entry" : " new entries");
}

}  // namespace zeb
