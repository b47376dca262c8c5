#include "catalogue/entry_names.h"

#include "formats/game_entry.h"
#include "platform/name_rules.h"
#include "platform/paths.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

std::string_view WithoutFinalSeparators(std::string_view path) {
  while (path.size() > 1 && IsPathSeparator(path.back())) path.remove_suffix(1);
  return path;
}

// True when path is folder or lies below it, ignoring case; rest is what follows the folder.
bool IsAtOrBelow(std::string_view path, std::string_view folder, std::string_view* rest) {
  path = WithoutFinalSeparators(path);
  folder = WithoutFinalSeparators(folder);
  if (folder.empty() || path.size() < folder.size()) return false;
  if (UpperCase(path.substr(0, folder.size())) != UpperCase(folder)) return false;
  *rest = path.substr(folder.size());
  // "D:\Games\Tanks2" does not lie below "D:\Games\Tanks"; below a root ("D:\") it does.
  if (rest->empty() || IsPathSeparator(folder.back())) return true;
  if (!IsPathSeparator(rest->front())) return false;
  rest->remove_prefix(1);
  return true;
}

}  // namespace

bool IsGamesEntry(std::string_view entry_folder, std::string_view game_folder) {
  std::string_view rest;
  return IsAtOrBelow(entry_folder, game_folder, &rest);
}

std::string GameFolderOf(std::string_view folder, std::string_view games_root) {
  std::string_view rest;
  if (!IsAtOrBelow(folder, games_root, &rest) || rest.empty())
    return std::string(WithoutFinalSeparators(folder));
  size_t end = rest.find_first_of("\\/");
  std::string_view first = end == std::string_view::npos ? rest : rest.substr(0, end);
  std::string_view root =
      WithoutFinalSeparators(folder).substr(0, WithoutFinalSeparators(folder).size() - rest.size());
  return std::string(root) + std::string(first);
}

bool SharedProgramEntryFileName(std::string_view program, std::string_view game_folder,
                                std::string* name) {
  if (!EntryFileName(program, name)) return false;
  std::string stem = name->ends_with(".zeb") ? name->substr(0, name->size() - 4) : *name;
  *name = stem + " (" + std::string(LastPathPart(WithoutFinalSeparators(game_folder))) + ").zeb";
  return true;
}

RowName NameForScannedGame(NameHolder own, NameHolder shared) {
  // A game that has its entry under the shared name keeps it, also once the other game's
  // entry is gone.
  if (shared == NameHolder::kBlacklist) return RowName::kBlacklisted;
  if (shared != NameHolder::kFree) return RowName::kCatalogued;
  switch (own) {
    case NameHolder::kFree:
      return RowName::kOwnName;
    case NameHolder::kBlacklist:
      return RowName::kBlacklisted;
    case NameHolder::kThisGame:
      return RowName::kCatalogued;
    case NameHolder::kOtherGame:
      break;
  }
  return RowName::kSharedName;
}

}  // namespace zeb
