#pragma once
// What a release needs of its programs' version resources: the FileVersion and
// ProductVersion texts both equal to the version in the zip file's name.
#include <string>

namespace zeb {

// Empty when the version resource of the program at path has FileVersion and
// ProductVersion texts both exactly equal to version; otherwise what is wrong, with the
// texts found.
std::string VersionDisagreement(const std::string& path, const std::string& version);

}  // namespace zeb
