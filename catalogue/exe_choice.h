#pragma once
// Which executable of a game folder starts the game: a fixed rule of name matching and
// exclusions, in two passes over the names in listing order.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// True when the name is preferred: its base name (without the last four characters)
// occurs in the folder's full path, or the name contains "LAUNCH"; both ignoring case.
bool IsPreferredExecutable(std::string_view folder_path, std::string_view name);

// True when the name is excluded: it is one of the known installer and helper names, or it
// contains "UNIN" or "SETUP"; ignoring case.
bool IsExcludedExecutable(std::string_view name);

// True for the helper programs that games ship beside themselves and that are never the game:
// crash reporters, runtime installers, script interpreters, browser helpers and updaters (one
// table, ignoring case). The second pass and the deeper look pass over them.
bool IsHelperProgram(std::string_view name);

// The index of the chosen name: the first preferred one (exclusions do not apply to it),
// else the first that is neither excluded nor a helper program, else none.
std::optional<size_t> ChooseExecutable(std::string_view folder_path,
                                       const std::vector<std::string>& names);

}  // namespace zeb
