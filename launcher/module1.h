#pragma once
// vrelo's start routine: from the command line to the end of the game.
#include <string>
#include <string_view>

#include "launcher/game_watch.h"
#include "platform/prompt.h"

namespace zeb {

// vrelo's exit status. Only a game that was started and has ended gives 0, so that a
// frontend or script can tell every early end from a game that ran.
enum VreloExit : int {
  kGameEnded = 0,
  kNothingToStart = 1,  // the command line is empty or blanks only
  kNoEntryFile = 2,     // no ordinary file at the entry path; nothing is shown
  kBlacklisted = 3,     // the entry file is a blacklist entry
  kFailed = 4,          // a failure, told to the user through the prompt
};

// The title of vrelo's message boxes.
inline constexpr char kVreloTitle[] = "Vrelo";

// Starts the game of the entry file that command_line names and returns once the game has
// ended: reads the game folder (line 1) and executable (line 2), makes the game folder
// current, runs the companion script "<exe>.ahk" through "vrelo.bat" when there is one, then
// starts the game with the normal window state and waits until the game, not just the
// process it started, has ended (PlayGame). launcher_folder completes an entry name that has
// no folder; tests alone change the options.
int Module1(std::string_view command_line, const std::string& launcher_folder, Prompt& prompt,
            const PlayOptions& options = {});

}  // namespace zeb
