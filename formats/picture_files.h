#pragma once
// The games' pictures: one PNG file per entry file, in the folder "pictures" beside
// config.cfg, and the rule for the copies of them that a frontend looks for in a place of its
// own.
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

// The pictures folder of a program whose own files (config.cfg) lie in program_folder.
std::string PicturesFolder(const std::string& program_folder);

// The picture of an entry file: its name with ".png" for ".zeb" ("skyrace.zeb" gives
// "skyrace.png", in any letter case of the ending). A file that is no ".zeb" file, which no
// frontend lists, has none: empty text.
std::string PictureFileName(std::string_view entry_file_name);

// Whether our picture may be written where a frontend looks for one: when nothing is there
// (no value), or what is there is byte for byte the copy we put there earlier. A picture the
// user put there by hand is never overwritten.
bool MayReplaceFrontendPicture(const std::optional<std::string>& there,
                               const std::optional<std::string>& our_earlier_copy);

}  // namespace zeb
