#pragma once
// The text of a small log file: one entry per line, each starting with its date and time,
// and only the newest part kept once the file grows too big.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// The lines of one log entry: "<stamp> <text>", the text's own further lines indented
// below it so that every line of the file starts with a stamp or blanks.
std::vector<std::string> LogEntryLines(std::string_view stamp, std::string_view text);

// The newest whole lines of a log whose bytes (each line counted with its CR LF) fit into
// keep_bytes; all of them when they fit already.
std::vector<std::string> NewestLogLines(const std::vector<std::string>& lines, size_t keep_bytes);

}  // namespace zeb
