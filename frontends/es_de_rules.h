#pragma once
// The values zeb writes into ES-DE's files: its system "zebrine" in es_systems.xml (in the
// folder custom_systems), and per game in gamelists\zebrine\gamelist.xml the path, name,
// developer and release date.
#include <string>
#include <string_view>

#include "frontends/frontend_catalogue.h"

namespace zeb {

inline constexpr char kEsDeSystemName[] = "zebrine";
inline constexpr char kEsDeFullName[] = "PC Games";
inline constexpr char kEsDePlatform[] = "pc";
inline constexpr char kEsDeTheme[] = "windows";

// vrelo, quoted, and ES-DE's placeholder for the game file's full path.
std::string EsDeCommand(const FrontendCatalogue& catalogue);

// A game's <path>: relative to the system's folder, as ES-DE writes it ("./sky.zeb").
std::string EsDeGamePath(const FrontendGame& game);

// <releasedate> for the entry's year ("19990101T000000"), or empty when it has no plain year.
std::string EsDeReleaseDate(const GameEntry& entry);

// What a gamelist's <path> text names, in a form that matches EsDeGameKey of the entry file
// it means: "./Sky.zeb", ".\sky.zeb" and the full path of sky.zeb in the entry folder all
// give the same key, as they name the same file on Windows.
std::string EsDeGameKey(std::string_view path_text, std::string_view entry_folder);

}  // namespace zeb
