#pragma once
// Starting programs, and the start rule that vrelo and zeb's double-click share.
#include <string>

#include "platform/files.h"
#include "platform/status.h"
#include "platform/unique_handle.h"

namespace zeb {

// Starts the program file at program_path with the given command text (what the program
// sees as its command line) and show-window code (SW_HIDE, SW_SHOWNORMAL, ...), with
// current_folder as its current folder. Naming the file itself means that no other file of
// the same name, found first on the search path, is ever started. The process handle is
// handed back in process when it is not null.
Status StartProgram(const std::string& program_path, const std::string& command_text, int show_code,
                    const std::string& current_folder, unique_handle* process = nullptr);

// The program file that starting a bare name in folder would run: folder, "\\" and the name,
// or, for a name without an extension that names no file there, the same with ".exe" added
// (as the system's own search would add it).
std::string ProgramFileIn(const std::string& folder, const std::string& name);

// One start of a program.
struct ProgramStart {
  // The file to start; empty when the system finds the program that the command text names
  // first (our folder, the current folder, the system folders, then the search path).
  std::string program_file;
  std::string command_text;
  std::string folder;  // the program's current folder
  int show_code = SW_SHOWNORMAL;
};

// A started process. thread is empty after a start through the shell.
struct StartedProcess {
  unique_handle process;
  unique_handle thread;
  DWORD id = 0;
};

// How a game is started from its folder and line 2 of its entry: when the line names a file
// in the folder, that file, with the name (in quotes when it holds a blank) and the options
// as command text; otherwise the line and the options as written, from the folder (a
// hand-made "game.exe -nosound", or a program on the search path such as a DOS emulator).
// The program that such a text names first is still taken from the folder when it is there.
ProgramStart GameStartIn(const std::string& folder, const std::string& exe_line,
                         const std::string& options);

// The program that line 2 of an entry starts from folder, as GameStartIn finds it: the line as
// written when it names a file in the folder; otherwise the program the line names first (its
// quoted name or first word) when that is a file in the folder or on the search path. When
// neither is there, the line as written, unless it starts with a quote or an option ("-" or
// "/") follows its first word: then that name.
std::string EntryProgram(const std::string& folder, const std::string& exe_line);

// Whether starting line 2 from folder would find its program, as EntryProgram looks for it;
// kUnknown when the folder's drive or share cannot be reached. An empty line names nothing.
FileLookup LookUpEntryProgram(const std::string& folder, const std::string& exe_line);

// Starts the program with CreateProcess and the given creation flags (CREATE_SUSPENDED, ...).
// On a failure the system's error code is handed back in error when it is not null.
Status StartProcess(const ProgramStart& start, DWORD creation_flags, StartedProcess* started,
                    DWORD* error = nullptr);

// Starts the program through the shell with the "runas" verb: the system asks the user for
// administrator rights, which a program whose manifest asks for them needs.
Status StartElevated(const ProgramStart& start, StartedProcess* started);

}  // namespace zeb
