#pragma once
// Starting the built programs as a frontend or a script would, and looking at their windows.
#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace zeb::testing {

// Generous, so that a slow machine passes and a fault fails instead of hanging the run.
constexpr DWORD kProcessTimeoutMs = 60000;
// What ExitStatus gives for a process that has not ended.
constexpr DWORD kStillRunning = 0xFFFFFFFF;

// Starts program with the exact command line "<program>" arguments (just the quoted program
// when arguments is empty), in current_folder. When error_file is not empty, the program's
// standard error goes to that file, as a script's redirection would send it.
unique_handle StartWithArguments(const std::string& program, const std::string& arguments,
                                 const std::string& current_folder,
                                 const std::string& error_file = "");

// Waits for the process to end and gives back its exit status, or kStillRunning.
DWORD ExitStatus(const unique_handle& process, DWORD timeout_ms = kProcessTimeoutMs);

// A visible top-level window of the process with this window class ("#32770" for dialogs
// and message boxes) and, unless caption is empty, this caption; waits up to timeout_ms.
HWND WaitForWindow(DWORD process_id, const std::string& class_name, const std::string& caption,
                   DWORD timeout_ms = kProcessTimeoutMs);

// The texts of a window's static controls, each followed by a line end.
std::string StaticTexts(HWND window);

// A window's caption or text.
std::string WindowText(HWND window);

}  // namespace zeb::testing
