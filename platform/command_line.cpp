#include "platform/command_line.h"

namespace zeb {

std::string ArgumentText(std::string_view command_line) {
  size_t pos = 0;
  if (!command_line.empty() && command_line[0] == '"') {
    size_t close = command_line.find('"', 1);
    pos = (close == std::string_view::npos) ? command_line.size() : close + 1;
  } else {
    while (pos < command_line.size() && command_line[pos] != ' ' && command_line[pos] != '\t')
      ++pos;
  }
  while (pos < command_line.size() && (command_line[pos] == ' ' || command_line[pos] == '\t'))
    ++pos;
  return std::string(command_line.substr(pos));
}

}  // namespace zeb
