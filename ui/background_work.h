#pragma once
// Long work on a thread of its own, so that the window it belongs to keeps answering: the
// window's thread starts it, learns of its progress and its end through posted messages,
// and asks it to stop. Only one piece of work runs at a time.
#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <string>

#include "platform/progress.h"
#include "platform/unique_handle.h"

namespace zeb {

// Posted to the window when the progress changed since the window last looked.
inline constexpr UINT kWorkProgressMessage = WM_APP + 1;
// Posted to the window when the work has ended; the window then calls Finish.
inline constexpr UINT kWorkDoneMessage = WM_APP + 2;

class BackgroundWork : public Progress {
 public:
  explicit BackgroundWork(HWND window) : window_(window) {}
  // Stops running work and waits for its end (taking the messages it sends meanwhile).
  ~BackgroundWork() override;
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // Runs work on a new thread; false when work is running already or no thread can start.
  bool Start(std::function<void()> work);
  // True from Start until Finish.
  bool running() const { return static_cast<bool>(thread_); }
  // The user's stop: the work ends after its current item.
  void RequestStop() { stop_requested_ = true; }
  // Waits for the thread, which has ended once kWorkDoneMessage arrived. Gives back the
  // failure that escaped the work, if one did (the window shows it), else null.
  std::exception_ptr Finish();

  // What the progress row shows: the last step's text and its position out of 1,000.
  struct Snapshot {
    std::string text;
    int per_mille = 0;
  };
  // Also marks the progress as seen, so the next step posts a message again.
  Snapshot TakeSnapshot();

  // Progress, called by the work (from its thread).
  void Step(const char* activity, size_t done, size_t total, const std::string& item) override;
  bool StopRequested() const override { return stop_requested_; }

 private:
  static DWORD WINAPI ThreadMain(void* self);

  HWND window_;
  std::function<void()> work_;
  std::exception_ptr failure_;
  unique_handle thread_;
  std::atomic<bool> stop_requested_{false};
  std::atomic<bool> progress_posted_{false};
  std::mutex snapshot_mutex_;
  Snapshot snapshot_;
};

}  // namespace zeb
