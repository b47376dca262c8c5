#include "formats/picture_files.h"

#include "platform/name_rules.h"
#include "platform/paths.h"

namespace zeb {

std::string PicturesFolder(const std::string& program_folder) {
  return JoinPath(program_folder, "pictures");
}

std::string PictureFileName(std::string_view entry_file_name) {
  constexpr std::string_view kEnding = ".ZEB";
  if (entry_file_name.size() <= kEnding.size() ||
      UpperCase(entry_file_name.substr(entry_file_name.size() - kEnding.size())) != kEnding)
    return "";
  return std::string(entry_file_name.substr(0, entry_file_name.size() - kEnding.size())) + ".png";
}

bool MayReplaceFrontendPicture(const std::optional<std::string>& there,
                               const std::optional<std::string>& our_earlier_copy) {
  return !there || (our_earlier_copy && *there == *our_earlier_copy);
}

}  // namespace zeb
