// A failure that escapes a window's message handler, or the thread of the long work, becomes
// the usual "Error: " message, and the window goes on working.
#include <windows.h>
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "platform/failure_report.h"
#include "tests/support/wait.h"
#include "ui/background_work.h"
#include "ui/dialog_window.h"
#include "ui/resource.h"

namespace zeb::testing {
namespace {

// Any handler may fail the way memory running out makes it fail; this one does on demand.
constexpr UINT kFailNow = WM_APP + 50;

class FailingDialog : public DialogWindow {
 public:
  ~FailingDialog() override {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }
  bool Open() {
    return CreateDialogWindow(GetModuleHandleA(nullptr), IDD_frmEdit, nullptr) != nullptr;
  }

  std::vector<std::string> shown;
  int work_done = 0;

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM, LPARAM) override {
    if (message == kFailNow) throw std::bad_alloc();
    if (message == kWorkDoneMessage) ++work_done;
    return message == WM_INITDIALOG;
  }
  void ShowUnexpectedFailure(const std::string& text) override { shown.push_back(text); }
};

// Takes the thread's messages until the work has said it ended count times.
::testing::AssertionResult TakeMessagesUntilWorkDone(const FailingDialog& window, int count) {
  return WaitUntil("the work to say it ended", [&] {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    return window.work_done >= count;
  });
}

TEST(WindowGuard, AFailingHandlerIsShownAndTheWindowGoesOn) {
  FailingDialog window;
  ASSERT_TRUE(window.Open());
  SendMessageA(window.hwnd(), kFailNow, 0, 0);
  ASSERT_EQ(window.shown, std::vector<std::string>{"Error: Not enough memory (14)"});
  // Still there, and still handling its messages.
  ASSERT_TRUE(IsWindow(window.hwnd()));
  SendMessageA(window.hwnd(), kWorkDoneMessage, 0, 0);
  EXPECT_EQ(window.work_done, 1);
  SendMessageA(window.hwnd(), kFailNow, 0, 0);
  EXPECT_EQ(window.shown.size(), 2u);
}

TEST(WorkThreadGuard, AFailureEscapingTheWorkReachesTheWindowAndTheWorkStillEnds) {
  FailingDialog window;
  ASSERT_TRUE(window.Open());
  BackgroundWork work(window.hwnd());
  ASSERT_TRUE(work.Start([] { throw std::bad_alloc(); }));
  ASSERT_TRUE(TakeMessagesUntilWorkDone(window, 1));
  std::exception_ptr failure = work.Finish();
  ASSERT_TRUE(failure);
  EXPECT_EQ(UnexpectedFailureText(failure), "Error: Not enough memory (14)");
  // The window can run the next work, which ends without a failure.
  ASSERT_TRUE(work.Start([] {}));
  ASSERT_TRUE(TakeMessagesUntilWorkDone(window, 2));
  EXPECT_FALSE(work.Finish());
}

}  // namespace
}  // namespace zeb::testing
