#pragma once
// Which processes are the game, and when the game has ended. The game's processes are the
// process vrelo started and every process whose program file lies in the game folder or below
// it, when it descends from the started process or appears while vrelo looks for a hand-off.
// A program outside the game folder (a publisher's launcher left in the tray, a browser the
// game opened) never holds vrelo.
//
// Plain decisions, fed with events: a process appeared, a process ended, time passed. The
// Win32 side (game_watch.h) turns the job's messages, process listings and the clock into
// these calls and waits as long as WaitMs says.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace zeb {

// The numbers of the hand-off rule, in milliseconds.
struct HandOffTimes {
  // A game whose processes together ran less than this may have handed over to a program
  // that runs the real game (a stub, a launcher, a store client, a restart); one that ran
  // longer was played, and its end is the end.
  uint64_t short_run_ms = 10000;
  // How long vrelo looks for such a hand-off after a short run.
  uint64_t look_for_ms = 10000;
  // How often it lists the processes while it looks.
  uint64_t look_every_ms = 250;
};

// A process vrelo has learnt of.
struct SeenProcess {
  uint32_t id = 0;
  // Its program file's full path; empty when it could not be read.
  std::string image_path;
  // True when the game's job reported it: a descendant of the started process. False when
  // a listing of every process found it, whoever started it.
  bool descendant = false;
  // True when it was running before vrelo started the game: never a hand-off.
  bool older_than_game = false;
};

// True when path names a file in folder or below it; for a drive's root, only a file in the
// root itself. Both are absolute; letter case does not matter, and folder may end in "\".
bool IsInFolder(std::string_view path, std::string_view folder);

class GameTracker {
 public:
  // WaitMs while a game process runs: nothing is due until an event comes.
  static constexpr uint64_t kNoTimeLimit = UINT64_MAX;

  // game_folder: the absolute folder of the game (line 1 of the entry).
  explicit GameTracker(std::string game_folder, HandOffTimes times = {});

  // vrelo has started the game's first process; it is the game wherever its file lies.
  void Started(uint32_t id, uint64_t now_ms);
  // A process has appeared. True when it is one of the game's, so the caller watches it.
  bool Appeared(const SeenProcess& process, uint64_t now_ms);
  // A process has ended; processes that are not the game's are passed over.
  void Ended(uint32_t id, uint64_t now_ms);
  // Ends the look for a hand-off once its time is up.
  void TimePassed(uint64_t now_ms);

  // True while no game process runs and the look for a hand-off goes on.
  bool looking() const { return state_ == State::kLooking; }
  // True once the game has ended: vrelo ends.
  bool ended() const { return state_ == State::kEnded; }
  // True when the processes should be listed now (then Looked).
  bool LookDue(uint64_t now_ms) const { return looking() && now_ms >= next_look_ms_; }
  void Looked(uint64_t now_ms) { next_look_ms_ = now_ms + times_.look_every_ms; }
  // How long the caller may wait for the next event before calling TimePassed and LookDue:
  // kNoTimeLimit while a game process runs, so that vrelo uses no processor time then.
  uint64_t WaitMs(uint64_t now_ms) const;

 private:
  enum class State { kNotStarted, kRunning, kLooking, kEnded };

  void Track(uint32_t id, uint64_t now_ms);

  std::string folder_;
  HandOffTimes times_;
  State state_ = State::kNotStarted;
  std::set<uint32_t> running_;
  // Since when a game process runs without a break, and how long they ran before it.
  uint64_t running_since_ms_ = 0;
  uint64_t ran_ms_ = 0;
  uint64_t look_until_ms_ = 0;
  uint64_t next_look_ms_ = 0;
};

}  // namespace zeb
