#pragma once
// The DAT file's text (clrmamepro format): the header block, one game block per entry file,
// and the tokens inside them. Lines are returned without their CR LF.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/game_entry.h"

namespace zeb {

// The six header lines, the last one empty.
std::vector<std::string> DatHeaderLines();

// The game name token: the entry file's name without its last four characters (".zeb"),
// untrimmed, in double quotes when it holds a blank anywhere.
std::string DatNameToken(std::string_view file_name);

// The rom name token: the last "\"-separated part of the path without its last four
// characters, blanks trimmed, in double quotes when a blank remains inside.
std::string DatRomNameToken(std::string_view full_path);

// True when the path starts with a drive letter (its second and third characters are ":\");
// only such entry files get a rom line.
bool HasDriveLetter(std::string_view full_path);

// The CRC in upper-case hexadecimal without leading zeros ("0" for zero).
std::string DatCrcText(uint32_t crc);

// TAB "rom ( name <token> size <size> crc <crc> )".
std::string DatRomLine(std::string_view rom_name_token, uint64_t size, uint32_t crc);

// Appends the game block of one entry file that is not a blacklist entry: "game (", name,
// description, year and manufacturer when not empty, the rom line when not empty, ")" and an
// empty line.
void AppendDatGameBlock(std::string_view file_name, const GameEntry& entry,
                        const std::string& rom_line, std::vector<std::string>* lines);

}  // namespace zeb
