#pragma once
// Text between the system's 8-bit code page (in which the programs hold their text), UTF-8
// (which other programs' files want) and the system's wide characters.
#include <string>
#include <string_view>

namespace zeb {

// The code-page text as UTF-8: every character the code page has keeps its meaning.
std::string Utf8FromAnsi(std::string_view text);

// UTF-8 as wide characters and back; a byte that is no UTF-8 becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// UTF-8 in the system's 8-bit code page, for messages; a character the code page lacks
// becomes the code page's default character.
std::string AnsiFromUtf8(std::string_view text);

}  // namespace zeb
