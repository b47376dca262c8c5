#include "ui/background_work.h"

#include <utility>

#include "catalogue/progress_text.h"

namespace zeb {

BackgroundWork::~BackgroundWork() {
  if (!thread_) return;
  RequestStop();
  // The work may be waiting for this thread to show a message: take sent messages while
  // waiting, or both would wait for ever.
  HANDLE thread = thread_.get();
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) ==
         WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

bool BackgroundWork::Start(std::function<void()> work) {
  if (thread_) return false;
  work_ = std::move(work);
  failure_ = nullptr;
  stop_requested_ = false;
  progress_posted_ = false;
  snapshot_ = Snapshot();
  thread_.reset(CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
  return static_cast<bool>(thread_);
}

DWORD WINAPI BackgroundWork::ThreadMain(void* self) {
  auto* work = static_cast<BackgroundWork*>(self);
  // A failure that escapes the work is handed to the window's thread, which shows it; the
  // end of the work is posted in every case, or the window would stay busy for ever.
  try {
    work->work_();
  } catch (...) {
    work->failure_ = std::current_exception();
  }
  PostMessageA(work->window_, kWorkDoneMessage, 0, 0);
  return 0;
}

std::exception_ptr BackgroundWork::Finish() {
  if (!thread_) return nullptr;
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  work_ = nullptr;
  return std::exchange(failure_, nullptr);
}

BackgroundWork::Snapshot BackgroundWork::TakeSnapshot() {
  std::lock_guard<std::mutex> lock(snapshot_mutex_);
  progress_posted_ = false;
  return snapshot_;
}

void BackgroundWork::Step(const char* activity, size_t done, size_t total,
                          const std::string& item) {
  {
    std::lock_guard<std::mutex> lock(snapshot_mutex_);
    snapshot_.text = ProgressText(activity, done, total, item);
    snapshot_.per_mille = total == 0 ? 1000 : static_cast<int>(done * 1000 / total);
  }
  // One message at a time in the queue, however fast the steps come.
  if (!progress_posted_.exchange(true)) PostMessageA(window_, kWorkProgressMessage, 0, 0);
}

}  // namespace zeb
