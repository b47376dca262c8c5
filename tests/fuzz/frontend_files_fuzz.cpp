// The readers of files that other programs or the user may have put where zeb writes a
// frontend's files (is it zeb's? is it zeb's Steam ROM Manager manifest?), the layout kept
// for a saved XML file, and the frontend files made from any names.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "frontends/attract_mode.h"
#include "frontends/es_de_rules.h"
#include "frontends/pegasus.h"
#include "frontends/steam_rom_manager.h"
#include "frontends/xml_layout.h"
#include "frontends/zeb_mark.h"
#include "platform/text_lines.h"
#include "platform/text_rules.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Taken for zeb's only when it is empty or starts with the mark.
  if (zeb::IsZebsTextFile(bytes)) {
    std::string_view rest = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    FUZZ_CHECK(bytes.empty() || rest.starts_with(zeb::kZebMark));
  }
  // Taken for zeb's manifest only when it is empty or a JSON array.
  if (zeb::IsZebsSteamManifest(bytes) && !bytes.empty())
    FUZZ_CHECK(nlohmann::json::parse(bytes, nullptr, false).is_array());

  // The files made from games named by the pieces, as entry files give them (no line ends).
  std::vector<std::string_view> pieces = Pieces(data, size, 5);
  auto line = [](std::string_view piece) {
    std::string text(piece);
    for (char& c : text)
      if (c == '\r' || c == '\n') c = ' ';
    return text;
  };
  zeb::FrontendCatalogue catalogue;
  catalogue.program_folder = "C:\\Zeb";
  catalogue.entry_folder = line(pieces[0]);
  catalogue.games.push_back(
      {line(pieces[1]) + ".zeb", {"", "", line(pieces[2]), line(pieces[3]), line(pieces[4])}});
  catalogue.games.push_back({line(pieces[2]), {"", "", line(pieces[1]), "", line(pieces[0])}});

  size_t left_out = 0;
  std::vector<std::string> romlist = zeb::AttractModeRomlistLines(catalogue, &left_out);
  FUZZ_CHECK(romlist.size() + left_out == catalogue.games.size() + 2);
  for (size_t i = 2; i < romlist.size(); ++i)
    FUZZ_CHECK(zeb::SplitAt(romlist[i], ";").size() == zeb::kAttractModeFields);

  std::string manifest = zeb::SteamManifest(catalogue);
  FUZZ_CHECK(zeb::IsZebsSteamManifest(manifest));
  FUZZ_CHECK(nlohmann::json::parse(manifest).size() == catalogue.games.size());

  FUZZ_CHECK(zeb::IsZebsTextFile(zeb::JoinTextLines(zeb::PegasusLines(catalogue))));
  FUZZ_CHECK(zeb::ReleaseYear(catalogue.games[0].entry).size() % 4 == 0);

  // A kept layout of CR LF lines has no line end without its CR.
  std::string kept = zeb::KeepLayout(pieces[0], pieces[1]);
  size_t first_end = pieces[0].find('\n');
  if (first_end != std::string_view::npos && first_end > 0 && pieces[0][first_end - 1] == '\r')
    for (size_t i = 0; i < kept.size(); ++i)
      if (kept[i] == '\n') FUZZ_CHECK(i > 0 && kept[i - 1] == '\r');
  zeb::EsDeGameKey(pieces[2], pieces[3]);
  return 0;
}
