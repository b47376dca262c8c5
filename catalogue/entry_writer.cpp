// The entry writer: the scan's rows become entry files, never replacing one that exists.
#include <unordered_map>

#include "catalogue/catalogue.h"
#include "catalogue/entry_holder.h"
#include "catalogue/entry_names.h"
#include "formats/game_entry.h"
#include "platform/files.h"
#include "platform/name_rules.h"
#include "platform/new_files.h"
#include "platform/paths.h"

namespace zeb {

std::vector<Catalogue::RowWritten> Catalogue::List2ZEB(bool stoppable) {
  std::vector<RowWritten> rows(rows_.size());
  auto none_written = [&] {
    for (RowWritten& row : rows) row.fate = RowWritten::kNotWritten;
    return rows;
  };
  std::string& setting = settings_.zeb_path;
  if (setting.empty()) return none_written();
  // The field itself keeps the added "\", so it is shown and saved too.
  if (setting.back() != '\\') setting += '\\';
  const std::string folder = EntryFolder();
  // Only the last level is made; the folder that should hold it must exist.
  if (!FolderExists(folder)) CreateOneFolder(folder);
  if (!FolderExists(folder)) {
    ReportFailure("Unable to create ZEB directory!!!");
    return none_written();
  }

  std::vector<std::string> not_written;
  std::string reason;
  {
    NewFileWriter writer(folder);
    // The first line of each file written here, so that none is read back.
    std::unordered_map<std::string, std::string> written_folders;
    for (size_t i = 0; i < rows_.size() && !(stoppable && progress_->StopRequested()); ++i) {
      const GameEntry& entry = entries_[i];
      const ScanGame* game = i < scan_games_.size() ? &scan_games_[i] : nullptr;
      const std::string& program = game != nullptr ? game->program : entry.exe;
      RowWritten& row = rows[i];
      row.fate = RowWritten::kNotWritten;
      std::string name;
      if (!EntryFileName(program, &name)) continue;
      Step("Writing entry files", i + 1, rows_.size(), name);
      if (game != nullptr) {
        // Whose entry each name holds: nothing, a blacklist entry, this game's or another's.
        auto holder = [&](const std::string& file) {
          if (!writer.Exists(file)) return NameHolder::kFree;
          auto made = written_folders.find(UpperCase(file));
          if (made == written_folders.end())
            return HolderOfEntryFile(folder + file, game->game_folder);
          return IsGamesEntry(made->second, game->game_folder) ? NameHolder::kThisGame
                                                               : NameHolder::kOtherGame;
        };
        std::string shared;
        SharedProgramEntryFileName(program, game->game_folder, &shared);
        RowName choice = NameForScannedGame(holder(name), holder(shared));
        if (choice == RowName::kSharedName) name = shared;
        row.entry_file = name;
        if (choice == RowName::kCatalogued) row.fate = RowWritten::kCatalogued;
        if (choice == RowName::kBlacklisted) row.fate = RowWritten::kBlacklisted;
        if (row.fate != RowWritten::kNotWritten) continue;
      } else if (writer.Exists(name)) {
        // An existing entry (edited, blacklisted, or another game's) always wins.
        row = {RowWritten::kCatalogued, name};
        continue;
      }
      row.entry_file = name;
      Status status;
      CreateOnceResult result = writer.Create(name, entry.ToLines(), &status);
      if (result == CreateOnceResult::kCreated) {
        row.fate = RowWritten::kWritten;
        written_folders[UpperCase(name)] = entry.folder;
      } else if (result == CreateOnceResult::kAlreadyExists) {
        row.fate = RowWritten::kCatalogued;
      } else {
        not_written.push_back(name);
        if (reason.empty()) reason = status.message();
      }
    }
  }
  if (!not_written.empty()) {
    std::string names;
    for (const std::string& name : not_written) names += "\n" + name;
    ReportFailure("These entry files could not be written:" + names + "\n\n" + reason);
  }
  LoadZEBs();
  return rows;
}

}  // namespace zeb
