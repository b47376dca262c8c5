#pragma once
// What the other frontends' files are made from: the catalogue's games as entries with their
// entry files' names, and the folders the files name. The writers know nothing else of the
// catalogue.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "formats/game_entry.h"

namespace zeb {

// The frontends that zeb writes files for, in the order they are written and reported.
enum class FrontendKind { kEsDe, kPegasus, kAttractMode, kSteamRomManager };
inline constexpr std::array<FrontendKind, 4> kFrontendKinds = {
    FrontendKind::kEsDe, FrontendKind::kPegasus, FrontendKind::kAttractMode,
    FrontendKind::kSteamRomManager};

// The frontend's name as the user knows it ("ES-DE", "Steam ROM Manager"), which is also its
// key in frontends.ini.
const char* FrontendName(FrontendKind kind);

// Each frontend's folder setting, as typed (empty: nothing is written for it).
struct FrontendFolders {
  std::array<std::string, kFrontendKinds.size()> folders;

  std::string& operator[](FrontendKind kind) { return folders[static_cast<size_t>(kind)]; }
  const std::string& operator[](FrontendKind kind) const {
    return folders[static_cast<size_t>(kind)];
  }
  bool operator==(const FrontendFolders&) const = default;
  bool AnySet() const;
};

// One game: an entry, the name of its entry file ("hollow_knight.zeb") and the name of its
// picture in the pictures folder ("hollow_knight.png"; empty when it has none).
struct FrontendGame {
  std::string file_name;
  GameEntry entry;
  std::string picture = {};
};

// The games and the folders every frontend's files name, all absolute and without a final
// "\" (a drive's root keeps its own: "D:\"). The writers take it in UTF-8; the catalogue
// fills it in the system's code page.
struct FrontendCatalogue {
  std::string program_folder;  // zeb's folder, which holds vrelo.exe
  std::string entry_folder;    // the entry folder
  std::vector<FrontendGame> games;

  // vrelo.exe beside zeb.
  std::string VreloPath() const;
  // The full path of a game's entry file.
  std::string EntryPath(const FrontendGame& game) const;
  // The games' pictures beside zeb (PicturesFolder), and the full path of a game's picture
  // (empty when it has none).
  std::string PicturesFolder() const;
  std::string PicturePath(const FrontendGame& game) const;
};

// The ending every entry file that a frontend lists has.
inline constexpr std::string_view kEntryExtension = ".zeb";

// True for a file name that ends in ".zeb", in any letter case.
bool HasEntryExtension(std::string_view file_name);

// The entry file's name without ".zeb".
std::string EntryStem(std::string_view file_name);

// The name a frontend shows: the entry's game name without blanks around it, or, when it has
// none, the entry file's name without ".zeb" (a frontend shows no game without a name).
// Control characters (only a damaged entry file holds them; XML cannot) become blanks.
std::string GameTitle(const FrontendGame& game);

// The entry's year when it is a plain four-digit year (blanks around it are dropped); empty
// otherwise ("199x", "1995-1998", "c. 2001"), so that no frontend shows a wrong date.
std::string ReleaseYear(const GameEntry& entry);

// The entry's manufacturer without blanks around it, control characters as blanks.
std::string Developer(const GameEntry& entry);

// The text in double quotes.
std::string Quoted(std::string_view text);

// A folder without its final separator, unless it is a drive's root ("D:\").
std::string WithoutTrailingSeparator(std::string_view folder);

}  // namespace zeb
