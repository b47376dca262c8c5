#pragma once
// Waiting for the main window's long work, which runs on a thread of its own while the
// window's thread (the test's) takes the messages.
#include <windows.h>

#include "ui/main_window.h"

namespace zeb::testing {

// Takes the thread's messages until the window's long work has ended; false after a minute.
inline bool FinishWork(const Form1& window) {
  DWORD start = GetTickCount();
  while (window.busy()) {
    if (GetTickCount() - start > 60000) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}

}  // namespace zeb::testing
