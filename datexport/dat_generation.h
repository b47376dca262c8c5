#pragma once
// The DAT file of the entry folder (WriteDatFile and MakeRomLine), written by "Make Dat File"
// and by the unattended build.
#include <string>

#include "platform/progress.h"
#include "platform/status.h"

namespace zeb {

// The DAT file's path: "PC.dat" in the DAT folder (a "\" is put between them when the folder
// text lacks its own, so "dats" never makes "datsPC.dat").
std::string DatFilePath(const std::string& dat_path);

// The temporary file in the program's folder through which the DAT text is written.
std::string TempDatPath(const std::string& program_folder);

// What a run of WriteDatFile did.
struct DatWriteResult {
  size_t games = 0;      // game blocks written
  bool stopped = false;  // the user stopped it: the DAT file was left as it was
};

// Writes the DAT file for the entry files ("*.zeb") of the folder zeb_path: the header, then
// a game block for each entry file that is not a blacklist entry, in name order. The text
// goes to "tempdat.dat" in program_folder, is copied in place of the DAT file, and the
// temporary file is deleted. On a failure the message names the file and the reason, and
// an existing DAT file stays exactly as it was; so does it when progress asks to stop.
Status WriteDatFile(const std::string& zeb_path, const std::string& dat_path,
                    const std::string& program_folder, Progress* progress = nullptr,
                    DatWriteResult* result = nullptr);

// The rom line of one entry file: its name, size and CRC-32. Empty for a path that does not
// start with a drive letter (a network path, for example).
Status MakeRomLine(const std::string& full_path, std::string* rom_line);

}  // namespace zeb
