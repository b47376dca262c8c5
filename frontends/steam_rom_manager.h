#pragma once
// The manifest that a "Manual" parser of Steam ROM Manager reads: one shortcut per entry,
// each starting vrelo with the entry file.
#include <string>
#include <string_view>

#include "frontends/frontend_catalogue.h"

namespace zeb {

inline constexpr char kSteamManifestName[] = "zebrine.json";

// The manifest's text (UTF-8 in, UTF-8 out): an array of {title, target, startIn,
// launchOptions}.
std::string SteamManifest(const FrontendCatalogue& catalogue);

// True when zeb may replace the file of these bytes: it is empty, or it holds an array of
// the objects zeb writes and nothing else (every one's target vrelo.exe, wherever it was).
// JSON has no comments, so this is how zeb knows its own manifest.
bool IsZebsSteamManifest(std::string_view bytes);

}  // namespace zeb
