#pragma once
// What an XML library's save changes in a file that it did not otherwise change: the line
// ends (it reads CR LF as LF and writes LF), a UTF-8 byte order mark (dropped) and a missing
// final line end (added). Put back, a file that ES-DE or a user wrote keeps every byte that
// zeb did not change.
#include <string>
#include <string_view>

namespace zeb {

// The saved text laid out as the original was: its line ends (those of its first line; LF
// for a new file), its byte order mark and whether it ends with a line end.
std::string KeepLayout(std::string_view original, std::string_view saved);

}  // namespace zeb
