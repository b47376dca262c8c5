#pragma once
// Joining a folder and a name: the one place where a "\" goes between them.
#include <string>
#include <string_view>

namespace zeb {

// True for the two separators Windows takes in a path, "\" and "/".
inline bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// The folder with a final separator: "\" is added unless it ends in "\" or "/" already. A
// drive named without its root ("C:") gets its root ("C:\"), as a listing reports a drive's
// root without the "\". An empty folder stays empty (it names the current folder).
std::string WithTrailingSeparator(std::string_view folder);

// The path of name in folder: the folder, a "\" unless it ends in one already, and the name.
// An empty folder gives the name alone, relative to the current folder.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace zeb
