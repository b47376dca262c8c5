#pragma once
// The game entry in its three forms: the entry file (five lines), the list row (five fields
// joined by "|") and the blacklist entry (five lines "NULL").
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// Marks a blacklist entry when it is the whole first line of an entry file.
inline constexpr std::string_view kBlacklistMarker = "NULL";

// An entry file holds five lines: folder path, executable name, game name, manufacturer, year.
inline constexpr size_t kEntryLineCount = 5;

// Positions of the fields in an entry file and in a list row.
enum EntryField : size_t {
  kFolderField = 0,
  kExeField = 1,
  kNameField = 2,
  kManufacturerField = 3,
  kYearField = 4,
};

// The entry file name of an executable: its name with the last three characters replaced by
// "zeb" (skyrace.exe gives skyrace.zeb, launcher gives launczeb). A name shorter than three
// characters has none: the result is false and name is left empty.
bool EntryFileName(std::string_view exe_name, std::string* name);

// Splits a list row at every "|"; an empty row has no piece.
std::vector<std::string> SplitRow(std::string_view row);

// Joins fields with "|", no blanks around the separators.
std::string JoinRow(const std::vector<std::string>& fields);

// The five lines of a blacklist entry.
std::vector<std::string> BlacklistLines();

// True when an entry file whose first line is this text is a blacklist entry.
inline bool IsBlacklistMarker(std::string_view first_line) { return first_line == kBlacklistMarker; }

}  // namespace zeb
