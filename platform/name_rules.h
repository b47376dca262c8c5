#pragma once
// Name rules shared by the listings and the name tests: upper-casing, the order of names
// ignoring case, and matching a name against a pattern with "*" and "?".
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// Upper-cases the ASCII letters; every other byte stays as it is.
std::string UpperCase(std::string_view text);

// True when a sorts before b in ascending order ignoring case. Names that differ only in
// case are ordered by their bytes, so the order is total and the same on every run.
bool NameLess(std::string_view a, std::string_view b);

// Sorts names ascending, ignoring case (NameLess).
void SortNames(std::vector<std::string>& names);

// Matches a whole name against a pattern ignoring case: "*" stands for any run of
// characters, "?" for exactly one, every other character for itself. "*.*" matches every
// name, also one without a dot.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace zeb
