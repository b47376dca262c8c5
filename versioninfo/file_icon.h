#pragma once
// The icon of a program file, read from its resources without running or reading the whole
// file: the picture of its first icon group.
#include <string>

#include "versioninfo/icon_group.h"

namespace zeb {

struct FileIcon {
  enum class Kind {
    kPicture,  // picture holds the icon's largest image
    kNone,     // no icon: the file has no icon group, or is no program that can be mapped
    kDamaged,  // the icon's data is damaged; reason says how
  };
  Kind kind = Kind::kNone;
  IconPicture picture;
  std::string reason;
};

// Reads the icon of the program file at path (of either architecture): the first icon group
// in the order the system lists them (named groups, then numbered ones in ascending order).
// The file is mapped as an image resource: only the pages the resources lie in are read.
FileIcon ReadFileIcon(const std::string& path);

}  // namespace zeb
