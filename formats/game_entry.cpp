#include "formats/game_entry.h"

#include "platform/text_rules.h"

namespace zeb {

std::vector<std::string> GameEntry::ToLines() const {
  return {folder, exe, name, manufacturer, year};
}

std::string GameEntry::ToRow() const { return JoinRow(ToLines()); }

GameEntry EntryFromLines(const std::vector<std::string>& lines) {
  auto line = [&](size_t index) { return index < lines.size() ? lines[index] : std::string(); };
  return {line(0), line(1), line(2), line(3), line(4)};
}

GameEntry EntryFromRow(std::string_view row) { return EntryFromLines(SplitRow(row)); }

std::vector<std::string> SplitRow(std::string_view row) { return SplitAt(row, "|"); }

std::string JoinRow(const std::vector<std::string>& pieces) {
  std::string row;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) row += '|';
    row += pieces[i];
  }
  return row;
}

bool EntryFileName(std::string_view exe_name, std::string* name) {
  name->clear();
  if (exe_name.size() < 3) return false;
  *name = std::string(exe_name.substr(0, exe_name.size() - 3)) + "zeb";
  return true;
}

std::vector<std::string> BlacklistLines() {
  return std::vector<std::string>(kEntryLineCount, std::string(kBlacklistMarker));
}

}  // namespace zeb
