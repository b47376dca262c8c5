#include "platform/stderr_prompt.h"

#include <windows.h>

namespace zeb {

namespace {

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

StderrPrompt::StderrPrompt() {
  HANDLE stream = GetStdHandle(STD_ERROR_HANDLE);
  // A program with windows started from a console has no standard error of its own unless
  // it was redirected; then the parent's console serves.
  if (!Usable(stream) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    stream = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  }
  if (Usable(stream)) error_stream_ = stream;
}

void StderrPrompt::ShowMessage(const std::string& text, const std::string& title) {
  ++messages_shown_;
  if (error_stream_ == nullptr) return;
  std::string line = title + ": " + text + "\r\n";
  DWORD written = 0;
  WriteFile(static_cast<HANDLE>(error_stream_), line.data(), static_cast<DWORD>(line.size()),
            &written, nullptr);
}

std::string StderrPrompt::AskFileToOpen(const std::string&) { return ""; }

}  // namespace zeb
