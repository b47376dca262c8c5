#include "platform/paths.h"

namespace zeb {

std::string WithTrailingSeparator(std::string_view folder) {
  std::string path(folder);
  if (!path.empty() && !IsPathSeparator(path.back())) path += '\\';
  return path;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path = WithTrailingSeparator(folder);
  path += name;
  return path;
}

}  // namespace zeb
