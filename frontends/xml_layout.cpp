#include "frontends/xml_layout.h"

namespace zeb {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string KeepLayout(std::string_view original, std::string_view saved) {
  size_t first_end = original.find('\n');
  bool crlf =
      first_end != std::string_view::npos && first_end > 0 && original[first_end - 1] == '\r';
  std::string result;
  result.reserve(saved.size() + saved.size() / 16);
  if (original.starts_with(kByteOrderMark) && !saved.starts_with(kByteOrderMark))
    result += kByteOrderMark;
  // Every line end of the save (LF, or CR LF where a library writes those) becomes the
  // original's. A CR that ends no line cannot occur: a saved text holds it as "&#13;".
  for (size_t i = 0; i < saved.size(); ++i) {
    char c = saved[i];
    if (c == '\r' && i + 1 < saved.size() && saved[i + 1] == '\n') continue;
    if (c == '\n' && crlf) result += '\r';
    result += c;
  }
  bool original_ends_line = original.empty() || original.ends_with('\n');
  if (!original_ends_line) {
    if (result.ends_with("\r\n"))
      result.resize(result.size() - 2);
    else if (result.ends_with('\n'))
      result.pop_back();
  }
  return result;
}

}  // namespace zeb
