#pragma once
// Starting programs.
#include <string>

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

}  // namespace zeb
