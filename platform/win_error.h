#pragma once
// Windows error codes as text for the user.
#include <windows.h>

#include <string>

namespace zeb {

// The system's description of an error code, without the trailing line end and full stop
// handling of FormatMessage; falls back to "error N" when the system has no text.
std::string ErrorText(DWORD code);

// ErrorText(GetLastError()).
std::string LastErrorText();

}  // namespace zeb
