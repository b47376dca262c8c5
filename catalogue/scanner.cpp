// The folder scan behind "Generate ZEB Files": one game per sub-folder of the games root,
// one executable chosen per game, the game named from its version resource.
#include <atomic>
#include <optional>

#include "catalogue/catalogue.h"
#include "catalogue/game_search.h"
#include "catalogue/progress_text.h"
#include "formats/game_entry.h"
#include "platform/listing.h"
#include "platform/parallel.h"
#include "platform/paths.h"
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
  const FolderLister lister = DiskLister();
  const size_t total = game_folders.size();
  std::vector<std::optional<GameEntry>> found(total);
  std::atomic<size_t> done{0};
  size_t scanned = ParallelForInOrder(
      total, scan_threads_, [this] { return progress_->StopRequested(); },
      [&](size_t i) {
        // A game is named after its own folder, not after the "bin" or "x64" that holds it.
        const std::string& game_folder = game_folders[i];
        std::string name(LastPathPart(game_folder));
        std::optional<FoundExecutable> exe = FindGameExecutable(game_folder, lister);
        std::string exe_name = exe ? TrimSpaces(exe->name) : std::string();
        if (!exe_name.empty()) {
          GameFacts facts = ReadGameFacts(JoinPath(exe->folder, exe_name));
          if (!facts.game_name.empty()) name = facts.game_name;
          found[i] = GameEntry{exe->folder, exe_name, name, facts.manufacturer, facts.year};
        }
        Step("Scanning", ++done, total, name);
      });
  for (size_t i = 0; i < scanned; ++i) {
    if (found[i])
      AddRow(*found[i]);
    else
      folders_without_game_.emplace_back(LastPathPart(game_folders[i]));
  }

  bool stopped = scanned < total;
  size_t written = List2ZEB(!stopped);
  std::string what =
      stopped ? "Stopped after " + CountText(scanned) + " of " + CountText(total) + " game folders"
              : CountText(total) + " game folders";
  outcome_ = what + ": " + CountText(written) + (written == 1 ? " new entry" : " new entries");
  if (!folders_without_game_.empty()) {
    outcome_ += "; " + CountText(folders_without_game_.size()) + " gave no game: ";
    for (size_t i = 0; i < folders_without_game_.size(); ++i)
      outcome_ += (i == 0 ? "" : ", ") + folders_without_game_[i];
  }
  MakePictures();  // once the entries are written, as part of the same work
}

}  // namespace zeb
