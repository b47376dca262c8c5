#pragma once
// The argument text of a process: its command line without the program name.
#include <string>
#include <string_view>

namespace zeb {

// Drops the program name (quoted or not) and the blanks or tabs that separate it from the
// arguments. The rest, trailing blanks included, is returned unchanged.
std::string ArgumentText(std::string_view command_line);

}  // namespace zeb
