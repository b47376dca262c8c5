#include "launcher/game_watch.h"

#include <windows.h>
#include <tlhelp32.h>

namespace zeb {

namespace {

// Completion keys: the game's job, and the end of a process that is watched by its handle.
constexpr ULONG_PTR kJobKey = 1;
constexpr ULONG_PTR kEndedKey = 2;

// ERROR_ELEVATION_REQUIRED, which MinGW's headers lack: the program's manifest asks for
// administrator rights.
constexpr DWORD kElevationRequired = 740;

uint64_t Now() { return GetTickCount64(); }

uint64_t Value(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

uint64_t SystemTimeNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return Value(now);
}

// Opens a process for reading its program file and, when the system allows it, for
// waiting on it.
unique_handle OpenToWatch(DWORD id) {
  unique_handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id));
  if (!process) process.reset(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  return process;
}

std::string ImagePath(HANDLE process) {
  char path[MAX_PATH * 4];
  DWORD size = sizeof path;
  if (!QueryFullProcessImageNameA(process, 0, path, &size)) return "";
  return std::string(path, size);
}

// The program file of a process the job has just reported. A process that has only just
// been made may not tell it yet (Wine tells it once the new process has started up, which
// takes more than a second on a busy machine): ask again while it runs, before any later
// message (its parent's end, say) is taken, so that the game is never taken for a program
// outside its folder.
std::string NewProcessImagePath(HANDLE process) {
  constexpr int kTries = 1000;
  constexpr DWORD kPauseMs = 10;
  std::string path = ImagePath(process);
  for (int i = 0; path.empty() && i < kTries; ++i) {
    if (WaitForSingleObject(process, kPauseMs) != WAIT_TIMEOUT) {
      // Wine signals a process that is still starting up; only its exit code tells.
      DWORD code = 0;
      if (!GetExitCodeProcess(process, &code) || code != STILL_ACTIVE) break;  // it has ended
      Sleep(kPauseMs);
    }
    path = ImagePath(process);
  }
  return path;
}

// The system names a program by its long path; an entry may name the folder in short form.
std::string LongForm(const std::string& folder) {
  char path[MAX_PATH * 4];
  DWORD length = GetLongPathNameA(folder.c_str(), path, sizeof path);
  return length > 0 && length < sizeof path ? std::string(path, length) : folder;
}

// A process outside the job whose end must still reach the port: the system's wait thread
// posts it, so that vrelo's own thread waits on the port alone.
class EndWatch {
 public:
  EndWatch(HANDLE port, unique_handle process, DWORD id)
      : port_(port), process_(std::move(process)), id_(id) {
    if (!RegisterWaitForSingleObject(&wait_, process_.get(), &EndWatch::Ended, this, INFINITE,
                                     WT_EXECUTEONLYONCE))
      wait_ = nullptr;
  }
  ~EndWatch() {
    if (wait_ != nullptr) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
  }
  EndWatch(const EndWatch&) = delete;
  EndWatch& operator=(const EndWatch&) = delete;

  bool ok() const { return wait_ != nullptr; }

 private:
  static void CALLBACK Ended(void* context, BOOLEAN) {
    auto* self = static_cast<EndWatch*>(context);
    PostQueuedCompletionStatus(self->port_, 0, kEndedKey,
                               reinterpret_cast<OVERLAPPED*>(static_cast<ULONG_PTR>(self->id_)));
  }

  HANDLE port_;
  unique_handle process_;
  DWORD id_;
  HANDLE wait_ = nullptr;
};

class GameWatch {
 public:
  // Makes the port, and the job that reports to it. Without a port nothing can be watched;
  // without the job (a system that allows no second job around a process) the game is
  // still followed by its handle and the folder rule.
  bool Open() {
    port_.reset(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    if (!port_) return false;
    job_.reset(CreateJobObjectA(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    // A launcher that asks for breakaway must still work; no kill-on-close: closing vrelo
    // must not close the game.
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association = {reinterpret_cast<void*>(kJobKey),
                                                       port_.get()};
    if (!job_ ||
        !SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits,
                                 sizeof limits) ||
        !SetInformationJobObject(job_.get(), JobObjectAssociateCompletionPortInformation,
                                 &association, sizeof association))
      job_.reset();
    return true;
  }

  HANDLE job() const { return job_.get(); }

  // Follows a process that is not in the job by its handle.
  bool WatchEnd(unique_handle process, DWORD id) {
    watches_.push_back(std::make_unique<EndWatch>(port_.get(), std::move(process), id));
    return watches_.back()->ok();
  }

  // Passes the port's messages to the tracker until the game has ended, listing the
  // processes while the tracker looks for a hand-off. game_start: the system time just
  // before the game was started.
  void Run(GameTracker& tracker, uint64_t game_start) {
    while (!tracker.ended()) {
      uint64_t wait = tracker.WaitMs(Now());
      DWORD message = 0;
      ULONG_PTR key = 0;
      OVERLAPPED* overlapped = nullptr;
      BOOL got = GetQueuedCompletionStatus(
          port_.get(), &message, &key, &overlapped,
          wait == GameTracker::kNoTimeLimit ? INFINITE : static_cast<DWORD>(wait));
      // A port that fails for another reason than the time-out will report nothing more.
      if (!got && overlapped == nullptr && GetLastError() != WAIT_TIMEOUT) return;
      uint64_t now = Now();
      if (got) {
        DWORD id = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(overlapped));
        if (key == kEndedKey) {
          tracker.Ended(id, now);
        } else if (key == kJobKey && message == JOB_OBJECT_MSG_NEW_PROCESS) {
          // Every descendant goes to the tracker, also one outside the game folder (a store
          // client the game woke): the job reports its end as well, so no handle is kept.
          unique_handle process = OpenToWatch(id);
          if (process) tracker.Appeared({id, NewProcessImagePath(process.get()), true, false}, now);
        } else if (key == kJobKey && (message == JOB_OBJECT_MSG_EXIT_PROCESS ||
                                      message == JOB_OBJECT_MSG_ABNORMAL_EXIT_PROCESS)) {
          tracker.Ended(id, now);
        }
      }
      tracker.TimePassed(now);
      if (tracker.LookDue(now)) {
        Look(tracker, game_start, now);
        tracker.Looked(now);
      }
    }
  }

 private:
  // Lists every running process and hands the tracker those it has not seen; a hand-off it
  // takes is put into the job where the system allows it (to follow its descendants) and
  // watched by its handle.
  void Look(GameTracker& tracker, uint64_t game_start, uint64_t now) {
    unique_hfile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
      DWORD id = entry.th32ProcessID;
      if (id == 0 || id == GetCurrentProcessId()) continue;
      unique_handle process = OpenToWatch(id);
      // Only a running process that vrelo can wait for can be the game.
      if (!process || WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) continue;
      FILETIME created, exited, kernel, user;
      bool older = GetProcessTimes(process.get(), &created, &exited, &kernel, &user) &&
                   Value(created) < game_start;
      if (!tracker.Appeared({id, ImagePath(process.get()), false, older}, now)) continue;
      if (job_) {
        // Putting a process into a job takes more rights than watching it; without them
        // (another user's process) it is followed by its handle alone.
        unique_handle full(OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, id));
        if (full) AssignProcessToJobObject(job_.get(), full.get());
      }
      if (!WatchEnd(std::move(process), id)) tracker.Ended(id, now);
    }
  }

  unique_handle port_;
  unique_handle job_;
  // Destroyed before the port: each waits for its wait thread to let go.
  std::vector<std::unique_ptr<EndWatch>> watches_;
};

}  // namespace

Status PlayGame(const ProgramStart& start, const std::string& game_folder,
                const PlayOptions& options) {
  GameWatch watch;
  bool watching = watch.Open();
  uint64_t game_start = SystemTimeNow();
  StartedProcess game;
  DWORD error = 0;
  Status started = options.ordinary(start, watch.job() ? CREATE_SUSPENDED : 0, &game, &error);
  bool in_job = false;
  if (!started.ok()) {
    if (error != kElevationRequired) return started;
    // The system asks the user; the elevated game cannot be put into vrelo's job.
    started = options.elevated(start, &game);
    if (!started.ok()) return started;
  } else if (watch.job()) {
    in_job = AssignProcessToJobObject(watch.job(), game.process.get());
    ResumeThread(game.thread.get());
  }
  if (!watching) {
    WaitForSingleObject(game.process.get(), INFINITE);
    return Status::Ok();
  }
  GameTracker tracker(LongForm(game_folder), options.times);
  tracker.Started(game.id, Now());
  if (!in_job && !watch.WatchEnd(std::move(game.process), game.id)) tracker.Ended(game.id, Now());
  watch.Run(tracker, game_start);
  return Status::Ok();
}

}  // namespace zeb
