#pragma once
// A store's own record of an installed game: the file goggame-<digits>.info that GOG (and its
// client) puts into every game folder it installs. It is JSON; of it the catalogue takes the
// game's name and its primary play task, which says exactly how the store starts the game.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

// A bigger file is no record of a game: it is not read.
inline constexpr size_t kMaxStoreInfoBytes = 1024 * 1024;

// True for the name of such a file: "goggame-", at least one digit and ".info", ignoring case.
bool IsStoreInfoName(std::string_view name);

// The primary play task of a game. Texts are as the file holds them (UTF-8); paths are
// relative to the game folder, their parts joined by "\" ("/" is accepted in the file), with
// no "." or ".." left.
struct PlayTask {
  std::string game_name;  // the file's "name"; may be empty
  std::string path;       // the program, never empty
  std::string arguments;  // as written; empty when there are none
  // The folder the store starts the program in, when the task names one ("" is the game
  // folder itself).
  std::optional<std::string> working_dir;
  // False for the record of an add-on (its "rootGameId" names another game).
  bool root_game = true;
};

enum class StoreInfoKind {
  kTask,       // a primary game task of type FileTask that can be used
  kNoTask,     // valid, but no primary game task of type FileTask (an add-on's record)
  kUnusable,   // the primary task's program or folder is absolute or leaves the game folder
  kMalformed,  // not a JSON object, or too big
};

struct StoreInfo {
  StoreInfoKind kind = StoreInfoKind::kMalformed;
  PlayTask task;    // kTask
  std::string why;  // kNoTask, kUnusable and kMalformed: a short reason
};

// Reads the file's bytes.
StoreInfo ReadStoreInfo(std::string_view bytes);

}  // namespace zeb
