#include "catalogue/game_search.h"

#include "catalogue/exe_choice.h"
#include "platform/name_rules.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

// The rule the scan has always had, kept exactly: where it chooses, the deeper look never runs.
std::optional<FoundExecutable> PlainRule(const std::string& game_folder, const FolderLister& lister,
                                         const FolderFiles* game_folder_files) {
  FolderFiles files;
  if (game_folder_files != nullptr)
    files.executables = game_folder_files->executables;
  else if (!lister.files(game_folder, &files))
    return std::nullopt;
  std::vector<std::string>& names = files.executables;
  std::string folder = game_folder;
  if (names.empty()) {
    std::vector<std::string> sub_folders;
    if (!lister.sub_folders(game_folder, &sub_folders) || sub_folders.empty()) return std::nullopt;
    folder = sub_folders.front();
    if (!lister.files(folder, &files)) return std::nullopt;
  }
  std::optional<size_t> chosen = ChooseExecutable(folder, names);
  if (!chosen) return std::nullopt;
  return FoundExecutable{folder, names[*chosen]};
}

// The next level down: the sub-folders of every folder of this level, but installer folders.
std::vector<std::string> NextLevel(const std::vector<std::string>& level,
                                   const FolderLister& lister) {
  std::vector<std::string> next;
  for (const std::string& parent : level) {
    std::vector<std::string> sub_folders;
    if (!lister.sub_folders(parent, &sub_folders)) continue;
    for (std::string& path : sub_folders)
      if (!IsPassedOverFolder(LastPathPart(path))) next.push_back(std::move(path));
  }
  return next;
}

std::optional<FoundExecutable> DeeperLook(const std::string& game_folder,
                                          const FolderLister& lister) {
  std::vector<std::string> level = {game_folder};
  for (int depth = 1; depth <= kDeepestSearchLevel && !level.empty(); ++depth) {
    level = NextLevel(level, lister);
    std::optional<FoundExecutable> not_excluded;
    for (const std::string& folder : level) {
      FolderFiles files;
      if (!lister.files(folder, &files)) continue;
      const std::vector<std::string>& names = files.executables;
      std::optional<size_t> chosen = ChooseExecutable(folder, names);
      if (!chosen) continue;
      // ChooseExecutable takes a preferred name first, so this tells which kind it took.
      if (IsPreferredExecutable(folder, names[*chosen]))
        return FoundExecutable{folder, names[*chosen]};
      if (!not_excluded) not_excluded = FoundExecutable{folder, names[*chosen]};
    }
    if (not_excluded) return not_excluded;
  }
  return std::nullopt;
}

}  // namespace

bool IsPassedOverFolder(std::string_view folder_name) {
  // Installers, redistributables and support tools that games ship beside themselves.
  static constexpr std::string_view kPassedOver[] = {
      "_COMMONREDIST", "__INSTALLER", "__SUPPORT", "DIRECTX", "REDIST", "SUPPORT", "VCREDIST",
  };
  std::string upper = UpperCase(folder_name);
  for (std::string_view name : kPassedOver)
    if (upper == name) return true;
  return false;
}

std::optional<FoundExecutable> FindGameExecutable(const std::string& game_folder,
                                                  const FolderLister& lister,
                                                  const FolderFiles* game_folder_files) {
  std::optional<FoundExecutable> found = PlainRule(game_folder, lister, game_folder_files);
  return found ? found : DeeperLook(game_folder, lister);
}

}  // namespace zeb
