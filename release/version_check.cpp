#include "release/version_check.h"

#include "versioninfo/version_info.h"

namespace zeb {

std::string VersionDisagreement(const std::string& path, const std::string& version) {
  VersionInfo reader;
  reader.Filename(path);
  const std::string file_version = reader.FileVersion();
  const std::string product_version = reader.ProductVersion();
  // An empty version agrees with nothing: a file without a resource reads as empty texts.
  if (!version.empty() && file_version == version && product_version == version) return "";
  if (file_version.empty() && product_version.empty())
    return "no FileVersion or ProductVersion text (no version resource?), expected \"" + version +
           "\"";
  return "FileVersion \"" + file_version + "\", ProductVersion \"" + product_version +
         "\", expected \"" + version + "\"";
}

}  // namespace zeb
