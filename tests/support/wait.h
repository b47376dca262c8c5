#pragma once
// Waiting for what another process or thread does. Each wait names what it waits for, so that
// a failure says what did not happen.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zeb::testing {

// Generous, so that a slow machine passes and a fault fails instead of hanging the run.
constexpr DWORD kWaitTimeoutMs = 60000;

// Asks condition at once and then every 20 ms until it holds. what says what is awaited ("the
// stub to end"); a failure reads "waited 60000 ms for: the stub to end".
::testing::AssertionResult WaitUntil(const std::string& what,
                                     const std::function<bool()>& condition,
                                     DWORD timeout_ms = kWaitTimeoutMs);

// For a thing that must not happen and gives no sign that it never will: asks happened every
// 20 ms for the whole while and fails as soon as it holds ("vrelo ended after 300 ms, which
// must not happen within 1500 ms").
::testing::AssertionResult NotWithin(DWORD while_ms, const std::string& what,
                                     const std::function<bool()>& happened);

}  // namespace zeb::testing
