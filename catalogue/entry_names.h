#pragma once
// Whose entry an entry file is, and how a game's entry is named when another game's entry
// already holds the name of its program. A game is known by its game folder, the direct
// sub-folder of the games root.
#include <string>
#include <string_view>

namespace zeb {

// True when an entry whose line 1 is entry_folder belongs to the game in game_folder: the
// folder is the game folder or lies below it, ignoring letter case and a final "\".
bool IsGamesEntry(std::string_view entry_folder, std::string_view game_folder);

// The game folder of an entry's folder: the direct sub-folder of games_root on its way, or the
// folder itself when it does not lie below the games root.
std::string GameFolderOf(std::string_view folder, std::string_view games_root);

// The entry file name of a game whose program's own entry file name is held by another game:
// the program's name without ".exe", a blank and the game folder's name in parentheses, then
// ".zeb" ("Launcher (HITMAN 3).zeb"). False for a program that has no entry file name.
bool SharedProgramEntryFileName(std::string_view program, std::string_view game_folder,
                                std::string* name);

// What an entry file name holds, as far as naming a game's entry goes.
enum class NameHolder {
  kFree,       // no file of that name
  kBlacklist,  // a blacklist entry: the program is kept out
  kThisGame,   // this game's own entry (or a file that cannot be read, which is kept)
  kOtherGame,  // another game's entry
};

// How the scan's row of a game fares with the entry files there are: written under the
// program's own name or the shared name, or left out because the game has its entry already or
// a blacklist entry keeps its program out. own is the holder of the program's own entry file
// name, shared that of the shared name.
enum class RowName { kOwnName, kSharedName, kCatalogued, kBlacklisted };
RowName NameForScannedGame(NameHolder own, NameHolder shared);

}  // namespace zeb
