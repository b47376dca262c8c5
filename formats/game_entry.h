#pragma once
// The game entry, the one record the catalogue is about, in its three forms: the entry file
// (five lines), the list row (the five fields joined by "|") and the blacklist entry (five
// lines "NULL"). The five fields keep one order everywhere: folder, executable, game name,
// manufacturer, year.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// Marks a blacklist entry when it is the whole first line of an entry file.
inline constexpr std::string_view kBlacklistMarker = "NULL";

// An entry file holds five lines, one field each.
inline constexpr size_t kEntryLineCount = 5;

struct GameEntry {
  std::string folder;        // the folder that holds the executable, no trailing "\"
  std::string exe;           // the executable's file name, without folder
  std::string name;          // the game's display name
  std::string manufacturer;  // may be empty
  std::string year;          // may be empty

  bool operator==(const GameEntry&) const = default;

  // The five lines of its entry file.
  std::vector<std::string> ToLines() const;
  // Its list row: the fields joined by "|", no blanks around the separators.
  std::string ToRow() const;
};

// The entry of up to five lines, by position; missing lines give empty fields and lines after
// the fifth are not part of it.
GameEntry EntryFromLines(const std::vector<std::string>& lines);

// The entry of a list row, split at every "|" and taken by position. A field that held "|"
// makes more than five pieces; then the later fields are shifted and the pieces after the
// fifth are left out.
GameEntry EntryFromRow(std::string_view row);

// Splits a list row at every "|"; an empty row has no piece.
std::vector<std::string> SplitRow(std::string_view row);

// Joins pieces with "|", no blanks around the separators.
std::string JoinRow(const std::vector<std::string>& pieces);

// The entry file name of an executable: its name with the last three characters replaced by
// "zeb" (skyrace.exe gives skyrace.zeb, launcher gives launczeb). A name shorter than three
// characters has none: the result is false and name is left empty.
bool EntryFileName(std::string_view exe_name, std::string* name);

// The five lines of a blacklist entry.
std::vector<std::string> BlacklistLines();

// True when an entry file whose first line is this text is a blacklist entry.
inline bool IsBlacklistMarker(std::string_view first_line) {
  return first_line == kBlacklistMarker;
}

}  // namespace zeb
