#include "tests/support/wait.h"

namespace zeb::testing {

namespace {

constexpr DWORD kPollMs = 20;

// Asks condition until it holds or ms have passed: whether it held, and when (ms from the
// start) it was seen to.
bool Poll(DWORD ms, const std::function<bool()>& condition, DWORD* seen_after) {
  DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (condition()) {
      *seen_after = elapsed;
      return true;
    }
    if (elapsed >= ms) return false;
    Sleep(kPollMs);
  }
}

}  // namespace

::testing::AssertionResult WaitUntil(const std::string& what,
                                     const std::function<bool()>& condition, DWORD timeout_ms) {
  DWORD after = 0;
  if (Poll(timeout_ms, condition, &after)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "waited " << timeout_ms << " ms for: " << what;
}

::testing::AssertionResult NotWithin(DWORD while_ms, const std::string& what,
                                     const std::function<bool()>& happened) {
  DWORD after = 0;
  if (!Poll(while_ms, happened, &after) || after >= while_ms) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << what << " after " << after << " ms, which must not happen within " << while_ms << " ms";
}

}  // namespace zeb::testing
