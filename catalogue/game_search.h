#pragma once
// Where a game folder's program lies: the folder itself, else its first sub-folder, as the
// scan has always looked; and where that finds none, a deeper look through the sub-folders,
// level by level, for the layouts many games install with (bin\x64\game.exe).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// What one listing of a folder gives the search.
struct FolderFiles {
  // The names (without folder) of the folder's candidate executables, in name order.
  std::vector<std::string> executables;
  // The names of the store's records of a game (goggame-<digits>.info), in name order.
  std::vector<std::string> store_infos;
};

// What the search sees of the disk. Each call fills its output and is false when the folder
// cannot be listed.
struct FolderLister {
  std::function<bool(const std::string& folder, FolderFiles* files)> files;
  // The folder's direct sub-folders as paths (the folder, "\" and the name), in name order.
  std::function<bool(const std::string& folder, std::vector<std::string>* paths)> sub_folders;
};

// How many levels below the game folder the deeper look goes.
inline constexpr int kDeepestSearchLevel = 3;

// True for the folders of installers and support files that the deeper look neither
// searches nor enters (one list, ignoring case).
bool IsPassedOverFolder(std::string_view folder_name);

// The chosen executable and the folder that holds it.
struct FoundExecutable {
  std::string folder;
  std::string name;
};

// The game folder's executable. The plain rule first: the game folder when it holds
// candidates, else its first sub-folder, with ChooseExecutable's choice there. Only when that
// chooses none, the deeper look: the sub-folders breadth first, down to kDeepestSearchLevel,
// each level in its parents' order and then by name, passing over installer folders. At one
// level, the first folder with a preferred executable wins, else the first with one that is
// not excluded. A folder that cannot be listed is passed over. game_folder_files is the
// listing of the game folder when the caller has made it already (null: listed here).
std::optional<FoundExecutable> FindGameExecutable(const std::string& game_folder,
                                                  const FolderLister& lister,
                                                  const FolderFiles* game_folder_files = nullptr);

}  // namespace zeb
