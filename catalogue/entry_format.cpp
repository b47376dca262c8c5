#include "catalogue/entry_format.h"

#include "platform/text_rules.h"

namespace zeb {

bool EntryFileName(std::string_view exe_name, std::string* name) {
  name->clear();
  if (exe_name.size() < 3) return false;
  *name = std::string(exe_name.substr(0, exe_name.size() - 3)) + "zeb";
  return true;
}

std::vector<std::string> SplitRow(std::string_view row) { return SplitAt(row, "|"); }

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

}  // namespace zeb
