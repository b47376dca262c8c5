#pragma once
// Whose entry an existing entry file holds, read from its first line.
#include <string>

#include "catalogue/entry_names.h"

namespace zeb {

// What the entry file at path holds for the game in game_folder: nothing (no file), a
// blacklist entry, the game's own entry, or another game's. A file that cannot be read counts
// as the game's own, so that it is never replaced.
NameHolder HolderOfEntryFile(const std::string& path, const std::string& game_folder);

}  // namespace zeb
