#include "frontends/steam_rom_manager.h"

#include <nlohmann/json.hpp>

#include "platform/name_rules.h"

namespace zeb {

namespace {

constexpr const char* kKeys[] = {"title", "target", "startIn", "launchOptions"};

// The file name at the end of a path written with "\" or "/".
std::string_view FileNameOf(std::string_view path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace

std::string SteamManifest(const FrontendCatalogue& catalogue) {
  nlohmann::ordered_json shortcuts = nlohmann::ordered_json::array();
  for (const FrontendGame& game : catalogue.games) {
    shortcuts.push_back({{"title", GameTitle(game)},
                         {"target", catalogue.VreloPath()},
                         {"startIn", catalogue.program_folder},
                         {"launchOptions", Quoted(catalogue.EntryPath(game))}});
  }
  // A byte that is no UTF-8 (the writers get UTF-8, so only a fault) must not stop the file.
  return shortcuts.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

bool IsZebsSteamManifest(std::string_view bytes) {
  if (bytes.empty()) return true;
  nlohmann::json manifest = nlohmann::json::parse(bytes, nullptr, /*allow_exceptions=*/false);
  if (!manifest.is_array()) return false;
  for (const nlohmann::json& shortcut : manifest) {
    if (!shortcut.is_object() || shortcut.size() != std::size(kKeys)) return false;
    for (const char* key : kKeys) {
      auto value = shortcut.find(key);
      if (value == shortcut.end() || !value->is_string()) return false;
    }
    const std::string& target = shortcut["target"].get_ref<const std::string&>();
    if (UpperCase(FileNameOf(target)) != "VRELO.EXE") return false;
  }
  return true;
}

}  // namespace zeb
