#pragma once
// Pegasus's metadata file: one collection that lists the entry files and starts each through
// vrelo, and one game block per entry.
#include <string>
#include <string_view>
#include <vector>

#include "frontends/frontend_catalogue.h"

namespace zeb {

inline constexpr char kPegasusFileName[] = "metadata.pegasus.txt";

// The file's lines (UTF-8 in, UTF-8 out), the mark first.
std::vector<std::string> PegasusLines(const FrontendCatalogue& catalogue);

// One game's block: its name, file, and developer, release year and picture (as the box's
// front) where the game has them.
std::vector<std::string> PegasusGameLines(const FrontendCatalogue& catalogue,
                                          const FrontendGame& game);

// A path as Pegasus's examples write it, with "/" for "\".
std::string PegasusPath(std::string_view path);

}  // namespace zeb
