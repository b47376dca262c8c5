#pragma once
// Small text rules that several formats share: trimming blanks, splitting at a separator and
// removing every occurrence of a text.
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// Removes leading and trailing space characters; other white space stays.
std::string TrimSpaces(std::string_view text);

// Splits text at every occurrence of separator (exact, case-sensitive). An empty text gives
// no piece at all; otherwise n separators give n + 1 pieces, empty ones included.
std::vector<std::string> SplitAt(std::string_view text, std::string_view separator);

// Removes every occurrence of what, scanning from the first character; occurrences do not
// overlap. An empty what removes nothing.
std::string RemoveAll(std::string_view text, std::string_view what);

// The last part of a path, after its last "\\" (all of it when it holds none): the file or
// folder name.
std::string_view LastPathPart(std::string_view path);

// A system message with its placeholders ("%1", "%2", ...) filled: "%1" with subject, the
// others left out; without a subject every placeholder is left out with one blank beside it.
std::string FillPlaceholders(std::string_view text, std::string_view subject);

}  // namespace zeb
