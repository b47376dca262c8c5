#pragma once
// Windows error codes as text for the user.
#include <windows.h>

#include <string>

namespace zeb {

// The system's description of an error code, without its trailing line end; "error N" when
// the system has no text. Some descriptions hold a placeholder for the file they are about
// ("%1 is not a valid Win32 application."): it is filled with subject, or, without one,
// left out, so no "%1" ever reaches the user.
std::string ErrorText(DWORD code, const std::string& subject = "");

// ErrorText(GetLastError(), subject).
std::string LastErrorText(const std::string& subject = "");

}  // namespace zeb
