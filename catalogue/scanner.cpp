// The folder scan behind "Generate ZEB Files": one game per sub-folder of the games root,
// one executable chosen per game, the game named from its version resource.
#include "catalogue/catalogue.h"
#include "catalogue/exe_choice.h"
#include "formats/game_entry.h"
#include "platform/listing.h"
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
  const std::string root = settings_.game_paths;
  std::vector<std::string> game_folders;
  Status listed = root.empty() ? Status::Error("No folder is set in \"Pc Games Root Path\".")
                               : ListFolders(root, &game_folders);
  if (!listed.ok()) {
    // Nothing is written; the list shows the catalogue on disk again.
    prompt_.ShowMessage(
        "The games root folder \"" + root + "\" cannot be read. " + listed.message(), kAppTitle);
    LoadZEBs();
    return;
  }

  for (const std::string& game_folder : game_folders) {
    std::string scanned, exe;
    if (!FindGameExecutable(game_folder, &scanned, &exe)) continue;
    std::string name = scanned.substr(scanned.find_last_of('\\') + 1);
    GetVersionInfo(scanned + "\\" + exe);
    if (!facts_.game_name.empty()) name = facts_.game_name;
    AddRow(GameEntry{scanned, exe, name, facts_.manufacturer, facts_.year}.ToRow());
  }
  List2ZEB();
}

}  // namespace zeb
