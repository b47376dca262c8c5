#include "platform/text_lines.h"

namespace zeb {

namespace {

// Position just after the line end that starts at pos (CR LF, CR or LF).
size_t SkipLineEnd(std::string_view text, size_t pos) {
  if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
  return pos + 1;
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text, size_t max_lines) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size() && lines.size() < max_lines) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(pos));
      break;
    }
    lines.emplace_back(text.substr(pos, end - pos));
    pos = SkipLineEnd(text, end);
  }
  return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
  std::string text;
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

size_t CountCompleteLines(std::string_view text, size_t max_lines, size_t* pos) {
  size_t count = 0;
  while (count < max_lines) {
    size_t end = text.find_first_of("\r\n", *pos);
    if (end == std::string_view::npos) {
      *pos = text.size();
      break;
    }
    // A CR at the very end may be the first half of a CR LF still to come.
    if (text[end] == '\r' && end + 1 == text.size()) {
      *pos = end;
      break;
    }
    ++count;
    *pos = SkipLineEnd(text, end);
  }
  return count;
}

}  // namespace zeb
