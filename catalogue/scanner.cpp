// The folder scan behind "Generate ZEB Files": one game per sub-folder of the games root,
// started as its store's record says, or else by the executable the rule chooses, and named
// from its version resource.
#include <atomic>
#include <optional>

#include "catalogue/catalogue.h"
#include "catalogue/game_search.h"
#include "catalogue/progress_text.h"
#include "catalogue/store_game.h"
#include "formats/game_entry.h"
#include "formats/store_info.h"
#include "platform/listing.h"
#include "platform/name_rules.h"
#include "platform/parallel.h"
#include "platform/paths.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

// The search's view of the disk: the real listings. One listing of a folder gives both its
// executables and the store's records of a game.
FolderLister DiskLister() {
  return {
      [](const std::string& folder, FolderFiles* files) {
        files->executables.clear();
        files->store_infos.clear();
        FileListing listing;
        if (!ListFiles(folder, "*", &listing).ok()) return false;
        for (std::string& name : listing.names) {
          if (MatchesPattern(name, "*.exe"))
            files->executables.push_back(std::move(name));
          else if (IsStoreInfoName(name))
            files->store_infos.push_back(std::move(name));
        }
        return true;
      },
      [](const std::string& folder, std::vector<std::string>* paths) {
        return ListFolders(folder, paths).ok();
      },
  };
}

// What the scan found in one game folder.
struct FoundGame {
  std::optional<GameEntry> entry;
  std::string program;                // after which the entry file is named
  std::vector<std::string> problems;  // store records passed over
};

// "1 game" / "2 games" style counts: the count, then the singular or plural text.
std::string Counted(size_t count, const char* one, const char* many) {
  return CountText(count) + " " + (count == 1 ? one : many);
}

// "; 3 gave no game: A, B, C", or nothing when there are none.
std::string NamedPart(const std::string& count_text, const std::vector<std::string>& names) {
  if (names.empty()) return "";
  std::string part = "; " + count_text + ":";
  for (size_t i = 0; i < names.size(); ++i) part += (i == 0 ? " " : ", ") + names[i];
  return part;
}

}  // namespace

void Catalogue::GenerateZEBFiles() {
  ClearRows();
  folders_without_game_.clear();
  const std::string& root = settings_.game_paths;
  std::vector<SubFolder> game_folders;
  Status listed = root.empty() ? Status::Error("No games root folder is set.")
                               : ListGameFolders(SettingFolder(root), &game_folders);
  if (!listed.ok()) {
    // Nothing is written; the list shows the catalogue on disk again.
    ReportFailure(root.empty() ? listed.message()
                               : "The games root folder \"" + root + "\" cannot be read. " +
                                     listed.message());
    LoadZEBs();
    outcome_ = root.empty() ? "Nothing was written: no games root folder is set."
                            : "Nothing was written: the games root folder cannot be read.";
    return;
  }

  // The game folders are looked at side by side; each one's row waits in its own place, so
  // the rows keep the order of the folders.
  const FolderLister lister = DiskLister();
  const size_t total = game_folders.size();
  std::vector<FoundGame> found(total);
  std::atomic<size_t> done{0};
  size_t scanned = ParallelForInOrder(
      total, scan_threads_, [this] { return progress_->StopRequested(); },
      [&](size_t i) {
        // A game is named after its own folder, not after the "bin" or "x64" that holds it.
        const SubFolder& game_folder = game_folders[i];
        FoundGame& game = found[i];
        std::string name = game_folder.name;
        if (!game_folder.path.empty()) {
          // One listing of the game folder serves the store's record and the rule.
          FolderFiles files;
          bool files_listed = lister.files(game_folder.path, &files);
          std::optional<StoreGame> store;
          if (files_listed && !files.store_infos.empty())
            store = StoreGameIn(game_folder.path, files.store_infos, &game.problems);
          if (store) {
            GameFacts facts = GetVersionInfo(store->program_path);
            if (!store->name.empty())
              name = store->name;
            else if (!facts.game_name.empty())
              name = facts.game_name;
            game.entry =
                GameEntry{store->folder, store->line2, name, facts.manufacturer, facts.year};
            game.program = store->program;
          } else if (std::optional<FoundExecutable> exe = FindGameExecutable(
                         game_folder.path, lister, files_listed ? &files : nullptr)) {
            std::string exe_name = TrimSpaces(exe->name);
            if (!exe_name.empty()) {
              GameFacts facts = GetVersionInfo(JoinPath(exe->folder, exe_name));
              if (!facts.game_name.empty()) name = facts.game_name;
              game.entry = GameEntry{exe->folder, exe_name, name, facts.manufacturer, facts.year};
              game.program = exe_name;
            }
          }
        }
        Step("Scanning", ++done, total, name);
      });

  // Every game folder looked at is accounted for, by one of these.
  std::vector<size_t> row_folder;  // the game folder of each row
  std::vector<std::string> not_held, problems;
  for (size_t i = 0; i < scanned; ++i) {
    problems.insert(problems.end(), found[i].problems.begin(), found[i].problems.end());
    if (found[i].entry) {
      AddRow(*found[i].entry);
      scan_games_.push_back({game_folders[i].path, found[i].program});
      row_folder.push_back(i);
    } else if (game_folders[i].path.empty()) {
      not_held.push_back(game_folders[i].name);
    } else {
      folders_without_game_.push_back(game_folders[i].name);
    }
  }
  // Not a failure: the rule chose instead.
  if (!problems.empty()) {
    std::string text =
        "These store records of a game could not be used, so the usual rule chose "
        "the game's program:";
    for (const std::string& problem : problems) text += "\r\n" + problem;
    ShowNotice(text);
  }

  bool stopped = scanned < total;
  std::vector<RowWritten> written = List2ZEB(!stopped);
  size_t new_entries = 0, catalogued = 0, not_reached = 0;
  std::vector<std::string> blacklisted, not_written;
  for (size_t row = 0; row < written.size(); ++row) {
    const SubFolder& game_folder = game_folders[row_folder[row]];
    switch (written[row].fate) {
      case RowWritten::kWritten:
        ++new_entries;
        break;
      case RowWritten::kCatalogued:
        ++catalogued;
        break;
      case RowWritten::kBlacklisted:
        blacklisted.push_back(game_folder.name + " (" + found[row_folder[row]].program + ")");
        break;
      case RowWritten::kNotWritten:
        not_written.push_back(written[row].entry_file.empty() ? game_folder.name
                                                              : written[row].entry_file);
        break;
      case RowWritten::kNotReached:
        ++not_reached;
        break;
    }
  }
  std::string what =
      stopped ? "Stopped after " + CountText(scanned) + " of " + CountText(total) + " game folders"
              : CountText(total) + (total == 1 ? " game folder" : " game folders");
  outcome_ = what + ": " + Counted(new_entries, "new entry", "new entries");
  if (catalogued > 0) outcome_ += "; " + CountText(catalogued) + " already in the catalogue";
  outcome_ +=
      NamedPart(CountText(blacklisted.size()) + " kept out by a blacklist entry", blacklisted);
  outcome_ +=
      NamedPart(CountText(folders_without_game_.size()) + " gave no game", folders_without_game_);
  outcome_ +=
      NamedPart(Counted(not_held.size(), "has a name", "have names") + " the code page cannot hold",
                not_held);
  outcome_ += NamedPart(CountText(not_written.size()) + " could not be written", not_written);
  if (not_reached > 0) outcome_ += "; " + CountText(not_reached) + " not written: stopped";
  MakePictures();  // once the entries are written, as part of the same work
}

}  // namespace zeb
