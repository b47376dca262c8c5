#include "frontends/zeb_mark.h"

namespace zeb {

bool IsZebsTextFile(std::string_view bytes) {
  if (bytes.empty()) return true;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (!bytes.starts_with(kZebMark)) return false;
  std::string_view rest = bytes.substr(kZebMark.size());
  return rest.empty() || rest.starts_with("\r\n") || rest.starts_with("\n");
}

}  // namespace zeb
