#include "catalogue/store_game.h"

#include "catalogue/store_task.h"
#include "formats/store_info.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "versioninfo/game_facts.h"

namespace zeb {

namespace {

// The entry of one usable task, or why there is none.
std::optional<StoreGame> GameOfTask(const std::string& game_folder, const PlayTask& task,
                                    std::string* why) {
  StoreStart start = StartOfPlayTask(task);
  std::string folder, line2, program, path;
  if (!NarrowExactly(FromUtf8(start.folder), &folder) ||
      !NarrowExactly(FromUtf8(start.line2), &line2) ||
      !NarrowExactly(FromUtf8(start.program), &program) ||
      !NarrowExactly(FromUtf8(task.path), &path)) {
    *why = "the play task names a program, folder or argument the code page cannot hold";
    return std::nullopt;
  }
  // The entry's lines and its list row could not carry them.
  if ((folder + line2).find_first_of("|\r\n") != std::string::npos) {
    *why = "the play task holds a \"|\" or a line break";
    return std::nullopt;
  }
  StoreGame game;
  game.folder = folder.empty() ? game_folder : JoinPath(game_folder, folder);
  game.line2 = line2;
  game.program = program;
  game.program_path = JoinPath(game_folder, path);
  game.name = CleanFactText(BestRendering(FromUtf8(task.game_name)));
  if (!AnyFileExists(game.program_path) || !FolderExists(game.folder)) {
    *why = "the play task's program " + path + " is not there";
    return std::nullopt;
  }
  return game;
}

}  // namespace

std::optional<StoreGame> StoreGameIn(const std::string& game_folder,
                                     const std::vector<std::string>& records,
                                     std::vector<std::string>* problems) {
  std::optional<StoreGame> add_on;
  for (const std::string& record : records) {
    std::string path = JoinPath(game_folder, record);
    std::string bytes;
    uint64_t length = 0;
    Status read = GetFileLength(path, &length);
    if (read.ok() && length > kMaxStoreInfoBytes) {
      problems->push_back(path + ": larger than 1 MB");
      continue;
    }
    if (read.ok()) read = ReadFileBytes(path, &bytes);
    if (!read.ok()) {
      problems->push_back(read.message());
      continue;
    }
    StoreInfo info = ReadStoreInfo(bytes);
    if (info.kind == StoreInfoKind::kNoTask) continue;
    std::string why = info.why;
    std::optional<StoreGame> game;
    if (info.kind == StoreInfoKind::kTask) game = GameOfTask(game_folder, info.task, &why);
    if (!game) {
      problems->push_back(path + ": " + why);
      continue;
    }
    if (info.task.root_game) return game;
    if (!add_on) add_on = std::move(game);
  }
  return add_on;
}

}  // namespace zeb
