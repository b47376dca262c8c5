#include "platform/win_error.h"

#include "platform/text_rules.h"

namespace zeb {

std::string ErrorText(DWORD code, const std::string& subject) {
  char* buffer = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text;
  if (length != 0 && buffer != nullptr) text.assign(buffer, length);
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  if (text.empty()) return "error " + std::to_string(code);
  return FillPlaceholders(text, subject);
}

std::string LastErrorText(const std::string& subject) { return ErrorText(GetLastError(), subject); }

}  // namespace zeb
