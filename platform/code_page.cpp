#include "platform/code_page.h"

#include <windows.h>

namespace zeb {

namespace {

std::string ToCodePage(const std::wstring& wide, DWORD flags, BOOL* used_default) {
  if (wide.empty()) return std::string();
  int size = static_cast<int>(wide.size());
  int length = WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), size, narrow.data(), length, nullptr,
                      used_default);
  return narrow;
}

}  // namespace

bool NarrowExactly(const std::wstring& wide, std::string* narrow) {
  BOOL used_default = FALSE;
  *narrow = ToCodePage(wide, WC_NO_BEST_FIT_CHARS, &used_default);
  if (!used_default) return true;
  *narrow = BestRendering(wide);
  return false;
}

std::string BestRendering(const std::wstring& wide) {
  BOOL used_default = FALSE;
  std::string narrow = ToCodePage(wide, 0, &used_default);
  if (!used_default) return narrow;
  // Each letter decomposed into its base letter and its marks, the marks left out.
  int length = FoldStringW(MAP_COMPOSITE, wide.data(), static_cast<int>(wide.size()), nullptr, 0);
  if (length <= 0) return narrow;
  std::wstring decomposed(static_cast<size_t>(length), L'\0');
  FoldStringW(MAP_COMPOSITE, wide.data(), static_cast<int>(wide.size()), decomposed.data(), length);
  std::wstring bare;
  for (wchar_t c : decomposed)
    if (c < 0x0300 || c > 0x036F) bare += c;
  return ToCodePage(bare, 0, nullptr);
}

std::wstring FromUtf8(std::string_view utf8) {
  if (utf8.empty()) return std::wstring();
  int size = static_cast<int>(utf8.size());
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

}  // namespace zeb
