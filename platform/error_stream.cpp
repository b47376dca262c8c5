#include "platform/error_stream.h"

#include <windows.h>

namespace zeb {

namespace {

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

ErrorStream::ErrorStream() {
  HANDLE stream = GetStdHandle(STD_ERROR_HANDLE);
  // A program with windows started from a console has no standard error of its own unless
  // it was redirected; then the parent's console serves.
  if (!Usable(stream) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    stream = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  }
  if (!Usable(stream)) return;
  handle_ = stream;
  DWORD mode = 0;
  console_ = GetFileType(stream) == FILE_TYPE_CHAR && GetConsoleMode(stream, &mode);
}

void ErrorStream::Write(const std::string& text) {
  if (handle_ == nullptr) return;
  DWORD written = 0;
  WriteFile(static_cast<HANDLE>(handle_), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

}  // namespace zeb
