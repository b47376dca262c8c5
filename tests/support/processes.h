#pragma once
// Starting the built programs as a frontend or a script would.
#include <windows.h>

#include <string>

#include "platform/unique_handle.h"
#include "tests/support/window_lookup.h"

namespace zeb::testing {

// Generous, so that a slow machine passes and a fault fails instead of hanging the run.
constexpr DWORD kProcessTimeoutMs = 60000;
// What ExitStatus gives for a process that has not ended.
constexpr DWORD kStillRunning = 0xFFFFFFFF;

// What error_file names to start a program without any standard error, as a scheduled task
// starts it.
inline constexpr char kNoErrorStream[] = "<none>";

// Starts program with the exact command line "<program>" arguments (just the quoted program
// when arguments is empty), in current_folder. When error_file is not empty, the program's
// standard error goes to that file, as a script's redirection would send it. creation_flags
// go to CreateProcess (DETACHED_PROCESS: no console to share, as a windowed frontend has).
unique_handle StartWithArguments(const std::string& program, const std::string& arguments,
                                 const std::string& current_folder,
                                 const std::string& error_file = "", DWORD creation_flags = 0);

// Waits for the process to end and gives back its exit status, or kStillRunning.
DWORD ExitStatus(const unique_handle& process, DWORD timeout_ms = kProcessTimeoutMs);

// What a running process has done so far: its processor time in milliseconds and how often
// its threads have woken from a wait; -1 where that cannot be read.
struct ProcessActivity {
  double processor_ms = -1;
  long wake_ups = -1;
};

// Under Wine, whose GetProcessTimes reports nothing for another process, Linux's counts for
// the process whose command line is command_line; elsewhere the processor time alone.
ProcessActivity ActivityOf(const unique_handle& process, const std::string& command_line);

// A running process of the program file at path, opened for waiting on (empty when none
// runs), so a test can see when a program it did not start itself ends.
unique_handle FindProgram(const std::string& path);

// True while a process runs the program file at path.
bool ProgramRuns(const std::string& path);

}  // namespace zeb::testing
