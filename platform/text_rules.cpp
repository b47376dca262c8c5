#include "platform/text_rules.h"

namespace zeb {

std::string TrimSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> SplitAt(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) return {std::string(text)};
  size_t start = 0;
  for (;;) {
    size_t found = text.find(separator, start);
    if (found == std::string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
}

std::string RemoveAll(std::string_view text, std::string_view what) {
  if (what.empty()) return std::string(text);
  std::string result;
  size_t start = 0;
  for (size_t found; (found = text.find(what, start)) != std::string_view::npos;
       start = found + what.size())
    result.append(text.substr(start, found - start));
  result.append(text.substr(start));
  return result;
}

std::string_view LastPathPart(std::string_view path) {
  size_t slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string FillPlaceholders(std::string_view text, std::string_view subject) {
  std::string filled;
  for (size_t i = 0; i < text.size(); ++i) {
    bool placeholder =
        text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
    if (!placeholder) {
      filled += text[i];
      continue;
    }
    bool first = text[i + 1] == '1';
    ++i;
    if (first && !subject.empty()) {
      filled += subject;
    } else if (i + 1 < text.size() && text[i + 1] == ' ') {
      ++i;  // "%2 is" gives "is", not " is"
    } else if (!filled.empty() && filled.back() == ' ') {
      filled.pop_back();  // "for %2." gives "for."
    }
  }
  return filled;
}

}  // namespace zeb
