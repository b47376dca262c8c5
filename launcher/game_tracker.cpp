#include "launcher/game_tracker.h"

#include <algorithm>
#include <charconv>

#include "platform/name_rules.h"

namespace zeb {

bool ReadHandOffTimes(std::string_view text, HandOffTimes* times) {
  uint64_t values[3];
  const char* at = text.data();
  const char* end = text.data() + text.size();
  for (int i = 0; i < 3; ++i) {
    if (i > 0 && (at == end || *at++ != ',')) return false;
    auto [next, error] = std::from_chars(at, end, values[i]);
    if (error != std::errc()) return false;
    at = next;
  }
  if (at != end) return false;
  times->short_run_ms = values[0];
  times->look_for_ms = values[1];
  times->look_at_most_ms = values[2];
  return true;
}

bool IsInFolder(std::string_view path, std::string_view folder) {
  while (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  if (folder.empty() || path.size() <= folder.size() + 1 || path[folder.size()] != '\\')
    return false;
  // Below a drive's root lie the system's own programs and every other game: a game at the
  // root owns only the programs beside it.
  bool drive_root = folder.size() == 2 && folder[1] == ':';
  if (drive_root && path.find('\\', folder.size() + 1) != std::string_view::npos) return false;
  return UpperCase(path.substr(0, folder.size())) == UpperCase(folder);
}

GameTracker::GameTracker(std::string game_folder, HandOffTimes times)
    : folder_(std::move(game_folder)), times_(times) {}

void GameTracker::Track(uint32_t id, uint64_t now_ms) {
  if (running_.empty()) running_since_ms_ = now_ms;
  running_.insert(id);
  state_ = State::kRunning;
}

void GameTracker::Started(uint32_t id, uint64_t now_ms) { Track(id, now_ms); }

bool GameTracker::Appeared(const SeenProcess& process, uint64_t now_ms) {
  if (state_ == State::kEnded || state_ == State::kNotStarted) return false;
  if (running_.count(process.id)) return false;
  if (!IsInFolder(process.image_path, folder_)) {
    if (process.descendant) outside_.insert(process.id);
    return false;
  }
  // A process of the game folder that someone else starts counts only while vrelo looks for
  // a hand-off; a resident one that was there before the game never does.
  bool same_listing = found_by_look_ && now_ms == found_at_ms_;
  if (!process.descendant && ((!looking() && !same_listing) || process.older_than_game))
    return false;
  if (looking()) {
    found_by_look_ = true;
    found_at_ms_ = now_ms;
  }
  Track(process.id, now_ms);
  return true;
}

void GameTracker::Ended(uint32_t id, uint64_t now_ms) {
  // A client may hand the game over to another program as it ends, as a stub does: the look
  // goes on as after the end of a short run. (A process whose file could not be read when
  // the job reported it is counted outside, but a look may find it to be the game.)
  if (outside_.erase(id) != 0 && outside_.empty() && looking() && !found_by_look_)
    look_until_ms_ = std::max(look_until_ms_, now_ms + times_.look_for_ms);
  if (running_.erase(id) == 0 || !running_.empty()) return;
  ran_ms_ += now_ms - running_since_ms_;
  if (ran_ms_ >= times_.short_run_ms) {
    state_ = State::kEnded;
    return;
  }
  state_ = State::kLooking;
  look_started_ms_ = now_ms;
  look_until_ms_ = now_ms + times_.look_for_ms;
  next_look_ms_ = now_ms;  // the real game of a stub is usually there already
}

uint64_t GameTracker::LookEndsMs() const {
  uint64_t at_most = look_started_ms_ + std::max(times_.look_at_most_ms, times_.look_for_ms);
  if (!outside_.empty() && !found_by_look_) return at_most;
  return std::min(look_until_ms_, at_most);
}

void GameTracker::TimePassed(uint64_t now_ms) {
  if (looking() && now_ms >= LookEndsMs()) state_ = State::kEnded;
}

uint64_t GameTracker::WaitMs(uint64_t now_ms) const {
  if (ended()) return 0;
  if (!looking()) return kNoTimeLimit;
  uint64_t due = std::min(next_look_ms_, LookEndsMs());
  return due > now_ms ? due - now_ms : 0;
}

}  // namespace zeb
