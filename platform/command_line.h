#pragma once
// Command texts: the argument text of a process (its command line without the program name),
// the program a command text names first, and how a program's name starts one.
#include <string>
#include <string_view>

namespace zeb {

// Drops the program name (quoted or not) and the blanks or tabs that separate it from the
// arguments. The rest, trailing blanks included, is returned unchanged.
std::string ArgumentText(std::string_view command_line);

// The program that a command text names first, as the system reads it: after any blanks or
// tabs, the text inside double quotes when it starts with one, otherwise the text up to the
// first blank or tab.
std::string ProgramWord(std::string_view command_text);

// A program's name as the first word of its command text. A name with a blank or tab in it is
// put in double quotes (trimmed), so that the program does not take a piece of its own name for
// its first argument; any other name stays exactly as written.
std::string QuotedProgramName(std::string_view name);

}  // namespace zeb
