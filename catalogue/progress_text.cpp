#include "catalogue/progress_text.h"

namespace zeb {

std::string CountText(size_t count) {
  std::string digits = std::to_string(count);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

std::string ProgressText(std::string_view activity, size_t done, size_t total,
                         std::string_view item) {
  std::string text = std::string(activity) + " " + CountText(done) + " of " + CountText(total);
  if (!item.empty()) text += ": " + std::string(item);
  return text;
}

std::string ListMessage(std::string_view heading, const std::vector<std::string>& lines) {
  if (lines.empty()) return "";
  std::string text(heading);
  for (const std::string& line : lines) text += "\r\n" + line;
  return text;
}

}  // namespace zeb
