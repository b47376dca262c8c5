#include "formats/entry_file.h"

namespace zeb {

EntryFile EntryFromFileLines(const std::vector<std::string>& lines, size_t needed) {
  EntryFile file;
  file.line_count = lines.size();
  file.entry = EntryFromLines(lines);
  // The marker on line 1 is enough, however many lines follow it.
  if (!lines.empty() && IsBlacklistMarker(lines[0])) {
    file.kind = EntryFileKind::kBlacklist;
  } else {
    file.kind = lines.size() < needed ? EntryFileKind::kTooShort : EntryFileKind::kEntry;
  }
  return file;
}

}  // namespace zeb
