#include "platform/process.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_rules.h"
#include "platform/win_error.h"

namespace zeb {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// What a failed start says: the file (or, for a search, the command) and the folder.
std::string CannotStart(const ProgramStart& start, const std::string& reason) {
  std::string what = start.program_file.empty() ? "the command " + Quoted(start.command_text)
                                                : Quoted(start.program_file);
  return "Cannot start " + what + " in " + Quoted(start.folder) + ": " + reason;
}

// What a system message's "%1" stands for: the file, or the command that names it.
std::string Subject(const ProgramStart& start) {
  return start.program_file.empty() ? start.command_text : start.program_file;
}

}  // namespace

Status StartProgram(const std::string& program_path, const std::string& command_text, int show_code,
                    const std::string& current_folder, unique_handle* process) {
  StartedProcess started;
  Status status =
      StartProcess({program_path, command_text, current_folder, show_code}, 0, &started);
  if (status.ok() && process != nullptr) *process = std::move(started.process);
  return status;
}

std::string ProgramFileIn(const std::string& folder, const std::string& name) {
  std::string path = JoinPath(folder, name);
  if (name.find('.') == std::string::npos && !AnyFileExists(path) && AnyFileExists(path + ".exe"))
    path += ".exe";
  return path;
}

ProgramStart GameStartIn(const std::string& folder, const std::string& exe_line,
                         const std::string& options) {
  ProgramStart start;
  start.folder = folder;
  std::string name = TrimSpaces(exe_line);
  std::string file = ProgramFileIn(folder, name);
  if (!name.empty() && AnyFileExists(file)) {
    start.program_file = file;
    start.command_text = QuotedProgramName(exe_line) + options;
    return start;
  }
  start.command_text = exe_line + options;
  // The search would look in our own folder before the game's.
  std::string word = ProgramWord(start.command_text);
  if (!word.empty() && AnyFileExists(ProgramFileIn(folder, word)))
    start.program_file = ProgramFileIn(folder, word);
  return start;
}

namespace {

// The first program a line names, when that is not the whole line (a line with arguments).
std::string FirstProgram(const std::string& exe_line) {
  std::string word = ProgramWord(exe_line);
  return word == TrimSpaces(exe_line) ? "" : word;
}

// A program that the system's search would find from the folder, the word as written: in the
// folder itself, else in our own folder, the system folders or the search path.
bool OnSearchPath(const std::string& word) {
  char found[MAX_PATH];
  DWORD length = SearchPathA(nullptr, word.c_str(), ".exe", sizeof found, found, nullptr);
  return length > 0 && length < sizeof found && AnyFileExists(found);
}

}  // namespace

std::string EntryProgram(const std::string& folder, const std::string& exe_line) {
  std::string name = TrimSpaces(exe_line);
  if (name.empty() || AnyFileExists(ProgramFileIn(folder, name))) return exe_line;
  std::string word = FirstProgram(exe_line);
  if (word.empty()) return exe_line;
  if (AnyFileExists(ProgramFileIn(folder, word)) || OnSearchPath(word)) return word;
  std::string rest = TrimSpaces(ArgumentText(exe_line));
  bool quoted = name.front() == '"';
  bool option = !rest.empty() && (rest.front() == '-' || rest.front() == '/');
  return quoted || option ? word : exe_line;
}

FileLookup LookUpEntryProgram(const std::string& folder, const std::string& exe_line) {
  std::string name = TrimSpaces(exe_line);
  if (name.empty()) return FileLookup::kMissing;
  // The whole line names the file as written (a name with a blank is no command).
  FileLookup whole = LookUpFile(JoinPath(folder, exe_line));
  if (whole != FileLookup::kMissing) return whole;
  std::string word = FirstProgram(exe_line);
  if (word.empty()) return FileLookup::kMissing;
  if (LookUpFile(ProgramFileIn(folder, word)) == FileLookup::kFound) return FileLookup::kFound;
  // The game is started from its folder, so a program on the search path needs it too.
  return FolderExists(folder) && OnSearchPath(word) ? FileLookup::kFound : FileLookup::kMissing;
}

Status StartProcess(const ProgramStart& start, DWORD creation_flags, StartedProcess* started,
                    DWORD* error) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(start.show_code);
  PROCESS_INFORMATION info = {};
  auto create = [&] {
    std::string command = start.command_text;  // CreateProcessA may write into its buffer
    return CreateProcessA(start.program_file.empty() ? nullptr : start.program_file.c_str(),
                          command.data(), nullptr, nullptr, FALSE, creation_flags, nullptr,
                          start.folder.empty() ? nullptr : start.folder.c_str(), &startup, &info);
  };
  // Wine now and then loses a new process during its start-up, most often that of a program
  // file written a moment before, and reports ERROR_INTERNAL_ERROR. Nothing of the program
  // has run then, so a second try cannot start it twice.
  BOOL created = create();
  if (!created && GetLastError() == ERROR_INTERNAL_ERROR) created = create();
  if (!created) {
    DWORD code = GetLastError();
    if (error != nullptr) *error = code;
    return Status::Error(CannotStart(start, ErrorText(code, Subject(start))));
  }
  started->process.reset(info.hProcess);
  started->thread.reset(info.hThread);
  started->id = info.dwProcessId;
  return Status::Ok();
}

Status StartElevated(const ProgramStart& start, StartedProcess* started) {
  std::string file =
      start.program_file.empty() ? ProgramWord(start.command_text) : start.program_file;
  std::string parameters = ArgumentText(start.command_text);
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
  info.lpVerb = "runas";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = start.folder.empty() ? nullptr : start.folder.c_str();
  info.nShow = start.show_code;
  if (!ShellExecuteExA(&info))
    return Status::Error(CannotStart(start, LastErrorText(Subject(start))));
  if (info.hProcess == nullptr)
    return Status::Error(CannotStart(start, "the system gave back no process"));
  started->process.reset(info.hProcess);
  started->thread.reset();
  started->id = GetProcessId(info.hProcess);
  return Status::Ok();
}

}  // namespace zeb
