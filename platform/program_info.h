#pragma once
// What the running program knows of itself.
#include <string>

namespace zeb {

// The folder that holds the running program's file, without a trailing "\".
std::string ProgramFolder();

// The argument text of the running process: its command line without the program name.
std::string ProgramArguments();

// The process's current folder, without a trailing "\" (except at a drive's root).
std::string CurrentFolder();

}  // namespace zeb
