#pragma once
// Waiting for the main window's long work, which runs on a thread of its own while the
// window's thread (the test's) takes the messages.
#include <windows.h>

#include "tests/support/wait.h"
#include "ui/main_window.h"

namespace zeb::testing {

// Takes the thread's messages until the window's long work has ended; fails after a minute.
inline ::testing::AssertionResult FinishWork(const Form1& window) {
  return WaitUntil("the window's work to end", [&] {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    return !window.busy();
  });
}

}  // namespace zeb::testing
