#pragma once
// Text files are lines that end in CR LF. These rules turn bytes into lines and back; they
// know nothing of files, so the readers and writers of every format share them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// Splits text into lines. A line ends at CR LF, at a lone CR or at a lone LF; the last line
// needs no line end, and an empty text has no lines. At most max_lines lines are returned.
std::vector<std::string> SplitTextLines(std::string_view text, size_t max_lines = SIZE_MAX);

// Joins lines so that every line, the last included, ends with CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

// Counts the complete lines (those followed by a line end) of text from *pos on, at most
// max_lines, and moves *pos past them, so that a reader that gets a file piece by piece
// knows when it has read enough without scanning the same bytes twice.
size_t CountCompleteLines(std::string_view text, size_t max_lines, size_t* pos);

}  // namespace zeb
