// Overwriting entry files, which only the blacklist command and the entry editor do.
#include "catalogue/catalogue.h"
#include "catalogue/entry_holder.h"
#include "formats/entry_file.h"
#include "formats/game_entry.h"
#include "platform/files.h"
#include "platform/name_rules.h"
#include "platform/text_rules.h"

namespace zeb {

bool Catalogue::EntryFilePath(const std::string& exe_name, std::string* path) {
  std::string name;
  if (!EntryFileName(exe_name, &name)) {
    path->clear();
    ReportFailure("The executable name \"" + exe_name +
                  "\" is shorter than three characters, so no entry file can be "
                  "named after it. Nothing was written.");
    return false;
  }
  return PathInEntryFolder(name, path);
}

bool Catalogue::PathInEntryFolder(const std::string& file_name, std::string* path) {
  // Nothing is written into an unset entry folder (it would land in whatever folder is
  // current, where the list never shows it).
  if (EntryFolder().empty()) {
    path->clear();
    ReportFailure("No entry folder is set in \"ZEB Output Path\". Nothing was written.");
    return false;
  }
  *path = EntryFolder() + file_name;
  return true;
}

NameHolder HolderOfEntryFile(const std::string& path, const std::string& game_folder) {
  if (!AnyFileExists(path)) return NameHolder::kFree;
  EntryFile file = ReadEntryFile(path, 1);
  switch (file.kind) {
    case EntryFileKind::kUnreadable:
      return NameHolder::kThisGame;
    case EntryFileKind::kBlacklist:
      return NameHolder::kBlacklist;
    default:
      return IsGamesEntry(file.entry.folder, game_folder) ? NameHolder::kThisGame
                                                          : NameHolder::kOtherGame;
  }
}

std::string Catalogue::GameFolderOf(const std::string& folder) const {
  const std::string& root = settings_.game_paths;
  return zeb::GameFolderOf(folder, root.empty() ? "" : SettingFolder(root));
}

bool Catalogue::NewEntryFilePath(const std::string& program, const std::string& game_folder,
                                 const std::string& own_file, std::string* path) {
  // A program in another folder ("..\game.exe") is named after its file.
  std::string file_name = program.substr(program.find_last_of("\\/") + 1);
  if (!EntryFilePath(file_name, path)) return false;
  std::string name(LastPathPart(*path));
  // The entry's own file, a blacklist entry and this game's entry are taken over.
  if (UpperCase(name) == UpperCase(own_file) ||
      HolderOfEntryFile(*path, game_folder) != NameHolder::kOtherGame)
    return true;
  std::string shared;
  SharedProgramEntryFileName(file_name, game_folder, &shared);
  *path = EntryFolder() + shared;
  if (UpperCase(shared) == UpperCase(own_file) ||
      HolderOfEntryFile(*path, game_folder) != NameHolder::kOtherGame)
    return true;
  ReportFailure("The entry files " + name + " and " + shared +
                " both hold other games' entries, so neither is replaced. Nothing was written.");
  path->clear();
  return false;
}

bool Catalogue::OverwriteEntryFile(const std::string& path, const std::vector<std::string>& lines) {
  Status written = ReplaceTextFile(path, lines);
  if (written.ok()) return true;
  ReportFailure("The entry file was not written. " + written.message());
  return false;
}

}  // namespace zeb
