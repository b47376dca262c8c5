// The folder scan behind "Generate ZEB Files": one game per sub-folder of the games root,
// one executable chosen per game, the game named from its version resource.
#include "catalogue/catalogue.h"
#include "catalogue/game_search.h"
#include "formats/game_entry.h"
#include "platform/listing.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

// The search's view of the disk: the real listings.
FolderLister DiskLister() {
  return {
      [](const std::string& folder, std::vector<std::string>* names) {
        FileListing listing;
        if (!ListFiles(folder, "*.exe", &listing).ok()) return false;
        *names = std::move(listing.names);
        return true;
      },
      [](const std::string& folder, std::vector<std::string>* paths) {
        return ListFolders(folder, paths).ok();
      },
  };
}

}  // namespace

void Catalogue::GenerateZEBFiles() {
  ClearRows();
  folders_without_game_.clear();
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

  const FolderLister lister = DiskLister();
  for (const std::string& game_folder : game_folders) {
    // A game is named after its own folder, not after the "bin" or "x64" that holds it.
    std::string folder_name = game_folder.substr(game_folder.find_last_of('\\') + 1);
    std::optional<FoundExecutable> found = FindGameExecutable(game_folder, lister);
    std::string exe = found ? TrimSpaces(found->name) : std::string();
    if (exe.empty()) {
      folders_without_game_.push_back(folder_name);
      continue;
    }
    GetVersionInfo(found->folder + "\\" + exe);
    std::string name = facts_.game_name.empty() ? folder_name : facts_.game_name;
    AddRow(GameEntry{found->folder, exe, name, facts_.manufacturer, facts_.year}.ToRow());
  }
  List2ZEB();
}

}  // namespace zeb
