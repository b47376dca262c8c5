#pragma once
// Text from outside the system's 8-bit code page (wide names on disk, UTF-8 in a store's
// files) brought into it: exactly where the code page can hold it, else as well as it can.
#include <string>
#include <string_view>

namespace zeb {

// The text in the code page; false when a character has no exact equivalent there (a best
// fit such as "O" for "Ō" does not count), and then narrow holds the best rendering.
bool NarrowExactly(const std::wstring& wide, std::string* narrow);

// The text as the code page best renders it: the system's best fit, and where that gives no
// letter, the letter without its marks ("Okami HD" for "Ōkami HD" under code page 1252).
std::string BestRendering(const std::wstring& wide);

// UTF-8 as wide characters; an invalid byte becomes U+FFFD.
std::wstring FromUtf8(std::string_view utf8);

}  // namespace zeb
