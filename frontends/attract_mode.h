#pragma once
// Attract-Mode's emulator file (vrelo as the emulator of the entry files) and its romlist
// (one line of 17 fields per entry).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "frontends/frontend_catalogue.h"

namespace zeb {

// The emulator's and the romlist's name: emulators\Zebrine.cfg and romlists\Zebrine.txt.
inline constexpr char kAttractModeName[] = "Zebrine";

// The romlist's header line, exactly as Attract-Mode writes it.
inline constexpr char kAttractModeHeader[] =
    "#Name;Title;Emulator;CloneOf;Year;Manufacturer;Category;Players;Rotation;Control;Status;"
    "DisplayCount;DisplayType;AltRomname;AltTitle;Extra;Buttons";
inline constexpr size_t kAttractModeFields = 17;

// The emulator file's lines (UTF-8), the mark first; the games' pictures are its snaps.
std::vector<std::string> AttractModeEmulatorLines(const FrontendCatalogue& catalogue);

// The romlist's lines (UTF-8): the mark, the header, one line per game. A game whose entry
// file's name holds ";" is left out: its name is the field Attract-Mode finds the file by,
// and no field can hold a ";". left_out (when given) counts those.
std::vector<std::string> AttractModeRomlistLines(const FrontendCatalogue& catalogue,
                                                 size_t* left_out = nullptr);

// A text as one field: Attract-Mode has no way to quote ";", so each becomes ",".
std::string AttractModeField(std::string_view text);

}  // namespace zeb
