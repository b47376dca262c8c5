#pragma once
// A game that its store installed, started the way the store's record in its game folder says.
#include <optional>
#include <string>
#include <vector>

namespace zeb {

struct StoreGame {
  std::string folder;        // the entry's folder (line 1)
  std::string line2;         // the program and the store's arguments (line 2)
  std::string name;          // the game's name; empty when the record names none
  std::string program_path;  // the program file, whose version information names the maker
  std::string program;       // its file name, after which the entry file is named
};

// The game from the first record (goggame-<digits>.info, names in the game folder, in order)
// whose primary play task can be used, a record of the game itself before one of an add-on.
// A record that cannot be read, is malformed or bigger than 1 MB, or whose task cannot be used
// is passed over and named in problems ("<path>: <why>"); a record without a play task is
// passed over quietly. None: the usual rule decides.
std::optional<StoreGame> StoreGameIn(const std::string& game_folder,
                                     const std::vector<std::string>& records,
                                     std::vector<std::string>* problems);

}  // namespace zeb
