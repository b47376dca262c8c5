#pragma once
// vrelo's wait for the end of a game: the job that follows the game's descendants, the
// completion port that reports them, and the looks for a hand-off. The decisions are the
// GameTracker's; this is the Win32 side.
#include <memory>
#include <string>
#include <vector>

#include "launcher/game_tracker.h"
#include "platform/process.h"
#include "platform/status.h"
#include "platform/unique_handle.h"

namespace zeb {

// How vrelo starts the game and how long it looks for a hand-off. A test replaces the
// ordinary start to answer as Windows answers for a program whose manifest asks for
// administrator rights (Wine grants them and never does), and shortens the look for a
// hand-off where its real length is not what it tests (vrelo_short_look.exe, a build of
// vrelo for the tests only, takes shorter times from the variable ZEBRINE_TEST_HAND_OFF_MS).
struct PlayOptions {
  Status (*ordinary)(const ProgramStart&, DWORD, StartedProcess*, DWORD*) = StartProcess;
  Status (*elevated)(const ProgramStart&, StartedProcess*) = StartElevated;
  HandOffTimes times;
};

// Starts the game and returns once it has ended, as the GameTracker decides. The game is
// created suspended, put into a job that allows breakaway and ends nothing when vrelo ends,
// and resumed, so that the job reports every descendant. A game that needs administrator
// rights is started through the shell's elevation and followed by its handle and the
// folder rule, since it cannot be put into the job. game_folder is absolute.
Status PlayGame(const ProgramStart& start, const std::string& game_folder,
                const PlayOptions& options = {});

}  // namespace zeb
