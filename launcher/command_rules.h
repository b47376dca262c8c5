#pragma once
// The launcher's command-line rules: which entry file the command line names, and which
// options go on to the game. Plain text rules; nothing here looks at a file.
#include <string>
#include <string_view>

namespace zeb {

// What the command line asks for: the entry file to open and the text that follows the
// game's name in its command.
struct LaunchRequest {
  std::string entry_path;
  std::string game_options;
};

// Reads the launcher's argument text (its command line without the program name).
// launcher_folder is the folder that holds the launcher, without a trailing "\"; an entry
// name without a folder is looked for there. Returns false when the text names nothing:
// empty, or blanks only.
//
// Options start at the first "/" (or, when there is none, at the first " -"); they are the
// whole argument text with every occurrence of the entry path taken out, so "/w" options
// reach the game exactly as they followed the path and " -w" options get one more blank in
// front. A path in one pair of double quotes, and nothing else, is the path without them
// (no options). A name whose last three letters are not "zeb" (in any case) gets ".zeb" appended.
bool ReadLaunchRequest(std::string_view command_line, std::string_view launcher_folder,
                       LaunchRequest* request);

// The one line of "vrelo.bat", which runs the companion script "<game_exe>.ahk": the
// script's name in double quotes. cmd expands "%" even inside quotes, so every "%" of the
// name is written "%%"; the line then names exactly the script beside the game.
std::string CompanionBatchLine(std::string_view game_exe);

}  // namespace zeb
