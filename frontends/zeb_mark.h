#pragma once
// The first line of the files that only zeb writes, and the check that an existing file is
// one of them before zeb replaces it.
#include <string_view>

namespace zeb {

inline constexpr std::string_view kZebMark = "# written by zeb";

// True when zeb may replace the file of these bytes: its first line is the mark (after a
// UTF-8 byte order mark, which an editor may have added), or the file is empty, so nothing
// of anybody's can be lost.
bool IsZebsTextFile(std::string_view bytes);

}  // namespace zeb
