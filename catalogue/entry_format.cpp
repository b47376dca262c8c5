#include "catalogue/entry_format.h"

namespace zeb {

bool EntryFileName(std::string_view exe_name, std::string* name) {
  name->clear();
  if (exe_name.size() < 3) return false;
  *name = std::string(exe_name.substr(0, exe_name.size() - 3)) + "zeb";
  return true;
}

std::vector<std::string> SplitRow(std::string_view row) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    size_t bar = row.find('|', start);
    if (bar == std::string_view::npos) {
      pieces.emplace_back(row.substr(start));
      return pieces;
    }
    pieces.emplace_back(row.substr(start, bar - start));
    start = bar + 1;
  }
}

std::string JoinRow(const std::vector<std::string>& fields) {
  std::string row;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) row += '|';
    row += fields[i];
  }
  return row;
}

std::vector<std::string> BlacklistLines() {
  return std::vector<std::string>(kEntryLineCount, std::string(kBlacklistMarker));
}

std::string TrimSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace zeb
