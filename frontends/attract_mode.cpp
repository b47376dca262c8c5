#include "frontends/attract_mode.h"

#include <algorithm>

#include "frontends/zeb_mark.h"

namespace zeb {

namespace {

// A line of the emulator file: the key, blanks up to the value's column, the value.
std::string Setting(std::string_view key, std::string_view value) {
  constexpr size_t kValueColumn = 21;
  std::string line(key);
  line.resize(std::max(kValueColumn, line.size() + 1), ' ');
  return line.append(value);
}

// An artwork line: "artwork", its kind in the next column, then the value in the usual column.
std::string Artwork(std::string_view kind, std::string_view value) {
  constexpr size_t kKindColumn = 11;
  std::string key = "artwork";
  key.resize(kKindColumn, ' ');
  return Setting(key.append(kind), value);
}

}  // namespace

std::string AttractModeField(std::string_view text) {
  std::string field(text);
  std::replace(field.begin(), field.end(), ';', ',');
  return field;
}

std::vector<std::string> AttractModeEmulatorLines(const FrontendCatalogue& catalogue) {
  return {
      std::string(kZebMark),
      Setting("executable", catalogue.VreloPath()),
      Setting("args", "\"[romfilename]\""),
      Setting("rompath", catalogue.entry_folder),
      Setting("romext", kEntryExtension),
      Setting("system", "PC"),
      // Attract-Mode looks a game's artwork up by its rom name, the entry file's name without
      // ".zeb", which is also the name of the game's picture.
      Artwork("snap", catalogue.PicturesFolder()),
  };
}

std::vector<std::string> AttractModeRomlistLines(const FrontendCatalogue& catalogue,
                                                 size_t* left_out) {
  std::vector<std::string> lines = {std::string(kZebMark), kAttractModeHeader};
  size_t skipped = 0;
  for (const FrontendGame& game : catalogue.games) {
    std::string name = EntryStem(game.file_name);
    if (name.find(';') != std::string::npos) {
      ++skipped;
      continue;
    }
    std::string fields[kAttractModeFields];
    fields[0] = name;
    fields[1] = AttractModeField(GameTitle(game));
    fields[2] = kAttractModeName;
    fields[4] = ReleaseYear(game.entry);
    fields[5] = AttractModeField(Developer(game.entry));
    std::string line = fields[0];
    for (size_t i = 1; i < kAttractModeFields; ++i) line += ";" + fields[i];
    lines.push_back(std::move(line));
  }
  if (left_out != nullptr) *left_out = skipped;
  return lines;
}

}  // namespace zeb
