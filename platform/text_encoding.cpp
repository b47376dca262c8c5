#include "platform/text_encoding.h"

#include <windows.h>

#include <algorithm>

namespace zeb {

namespace {

std::wstring ToWide(UINT code_page, std::string_view text) {
  if (text.empty()) return std::wstring();
  int length =
      MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

std::string FromWide(UINT code_page, std::wstring_view text) {
  if (text.empty()) return std::string();
  int length = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                      length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::string Utf8FromAnsi(std::string_view text) {
  // Plain ASCII is the same in every code page and in UTF-8: most names need no conversion.
  bool ascii = std::all_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return std::string(text);
  return FromWide(CP_UTF8, ToWide(CP_ACP, text));
}

std::wstring WideFromUtf8(std::string_view text) { return ToWide(CP_UTF8, text); }

std::string Utf8FromWide(std::wstring_view text) { return FromWide(CP_UTF8, text); }

std::string AnsiFromUtf8(std::string_view text) { return FromWide(CP_ACP, ToWide(CP_UTF8, text)); }

}  // namespace zeb
