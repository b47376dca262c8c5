#include "platform/command_line.h"

#include "platform/text_rules.h"

namespace zeb {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t SkipBlanks(std::string_view text, size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

// Where the program name that starts at pos ends: after its closing quote (the end of the
// text when there is none), or at the first blank or tab.
size_t EndOfProgramName(std::string_view text, size_t pos) {
  if (pos < text.size() && text[pos] == '"') {
    size_t close = text.find('"', pos + 1);
    return close == std::string_view::npos ? text.size() : close + 1;
  }
  while (pos < text.size() && !IsBlank(text[pos])) ++pos;
  return pos;
}

}  // namespace

std::string ArgumentText(std::string_view command_line) {
  return std::string(
      command_line.substr(SkipBlanks(command_line, EndOfProgramName(command_line, 0))));
}

std::string ProgramWord(std::string_view command_text) {
  size_t start = SkipBlanks(command_text, 0);
  std::string_view word = command_text.substr(start, EndOfProgramName(command_text, start) - start);
  if (!word.empty() && word.front() == '"') {
    word.remove_prefix(1);
    if (!word.empty() && word.back() == '"') word.remove_suffix(1);
  }
  return std::string(word);
}

std::string QuotedProgramName(std::string_view name) {
  std::string trimmed = TrimSpaces(name);
  if (trimmed.find_first_of(" \t") == std::string::npos) return std::string(name);
  return "\"" + trimmed + "\"";
}

}  // namespace zeb
