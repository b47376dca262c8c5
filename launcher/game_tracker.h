#pragma once
// Which processes are the game, and when the game has ended. The game's processes are the
// process vrelo started and every process whose program file lies in the game folder or below
// it, when it descends from the started process or appears while vrelo looks for a hand-off.
// A program outside the game folder (a publisher's launcher left in the tray, a browser the
// game opened) is never the game. Only after a short run does one that the game started
// count: while it runs, vrelo goes on looking for the game that it may start (a store client
// that the game woke, signing in or updating first), up to a limit.
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
  // How long vrelo looks for such a hand-off after a short run, and after the last program
  // that the game started outside its folder has ended.
  uint64_t look_for_ms = 10000;
  // How long a look goes on at most, counted from the end of the short run, while a program
  // that the game started outside its folder still runs: a store client that a game woke
  // takes 20 s to a minute or two before it starts the game.
  uint64_t look_at_most_ms = 120000;
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

// Reads "<short_run_ms>,<look_for_ms>,<look_at_most_ms>" into times; false, and times as they
// were, for any other text. Tests shorten the real vrelo.exe's look this way.
bool ReadHandOffTimes(std::string_view text, HandOffTimes* times);

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
  // A process has appeared. True when it is one of the game's, so the caller watches it. A
  // descendant whose program lies outside the game folder is not the game, but it is counted
  // until it ends (the job reports its end too).
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
  // When the current look ends.
  uint64_t LookEndsMs() const;

  std::string folder_;
  HandOffTimes times_;
  State state_ = State::kNotStarted;
  std::set<uint32_t> running_;
  // The descendants outside the game folder that still run.
  std::set<uint32_t> outside_;
  // Set once a look has found the game: a resident client is never waited for after that.
  bool found_by_look_ = false;
  // When the last look found the game: the rest of that look's listing may hold more of it
  // (a launcher that had already started the real game before the look came).
  uint64_t found_at_ms_ = 0;
  // Since when a game process runs without a break, and how long they ran before it.
  uint64_t running_since_ms_ = 0;
  uint64_t ran_ms_ = 0;
  // When the current look began (the end of the short run), and when it ends unless a
  // descendant outside the folder still runs.
  uint64_t look_started_ms_ = 0;
  uint64_t look_until_ms_ = 0;
  uint64_t next_look_ms_ = 0;
};

}  // namespace zeb
