#include "frontends/es_de_rules.h"

#include <algorithm>

#include "platform/name_rules.h"
#include "platform/text_rules.h"

namespace zeb {

namespace {

std::string Normalised(std::string_view path) {
  std::string result = UpperCase(TrimSpaces(path));
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

}  // namespace

std::string EsDeCommand(const FrontendCatalogue& catalogue) {
  return Quoted(catalogue.VreloPath()) + " %ROM%";
}

std::string EsDeGamePath(const FrontendGame& game) { return "./" + game.file_name; }

std::string EsDeReleaseDate(const GameEntry& entry) {
  std::string year = ReleaseYear(entry);
  return year.empty() ? year : year + "0101T000000";
}

std::string EsDeGameKey(std::string_view path_text, std::string_view entry_folder) {
  std::string key = Normalised(path_text);
  std::string folder = Normalised(entry_folder);
  if (!folder.ends_with('/')) folder += '/';
  if (key.starts_with("./")) return key.substr(2);
  if (key.starts_with(folder)) return key.substr(folder.size());
  return key;
}

}  // namespace zeb
