#include "platform/log_text.h"

#include "platform/text_lines.h"

namespace zeb {

std::vector<std::string> LogEntryLines(std::string_view stamp, std::string_view text) {
  std::vector<std::string> lines = SplitTextLines(text);
  if (lines.empty()) lines.emplace_back();
  const std::string indent(stamp.size() + 1, ' ');
  for (size_t i = 0; i < lines.size(); ++i)
    lines[i] = (i == 0 ? std::string(stamp) + " " : indent) + lines[i];
  return lines;
}

std::vector<std::string> NewestLogLines(const std::vector<std::string>& lines, size_t keep_bytes) {
  size_t bytes = 0, first = lines.size();
  while (first > 0 && bytes + lines[first - 1].size() + 2 <= keep_bytes) {
    bytes += lines[first - 1].size() + 2;
    --first;
  }
  return std::vector<std::string>(lines.begin() + static_cast<ptrdiff_t>(first), lines.end());
}

}  // namespace zeb
