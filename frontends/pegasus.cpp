#include "frontends/pegasus.h"

#include <algorithm>

#include "frontends/zeb_mark.h"

namespace zeb {

std::string PegasusPath(std::string_view path) {
  std::string result(path);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

std::vector<std::string> PegasusGameLines(const FrontendCatalogue& catalogue,
                                          const FrontendGame& game) {
  std::vector<std::string> lines = {"game: " + GameTitle(game),
                                    "file: " + PegasusPath(catalogue.EntryPath(game))};
  std::string developer = Developer(game.entry);
  if (!developer.empty()) lines.push_back("developer: " + developer);
  std::string year = ReleaseYear(game.entry);
  if (!year.empty()) lines.push_back("release: " + year);
  std::string picture = catalogue.PicturePath(game);
  if (!picture.empty()) lines.push_back("assets.boxFront: " + PegasusPath(picture));
  return lines;
}

std::vector<std::string> PegasusLines(const FrontendCatalogue& catalogue) {
  std::vector<std::string> lines = {
      std::string(kZebMark),
      "collection: PC Games",
      "shortname: zebrine",
      "launch: " + Quoted(PegasusPath(catalogue.VreloPath())) + " \"{file.path}\"",
      "files:",
  };
  // The collection's files go on over lines indented by blanks.
  for (const FrontendGame& game : catalogue.games)
    lines.push_back("  " + PegasusPath(catalogue.EntryPath(game)));
  for (const FrontendGame& game : catalogue.games) {
    lines.emplace_back();
    for (std::string& line : PegasusGameLines(catalogue, game)) lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace zeb
