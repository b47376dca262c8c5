#include "launcher/module1.h"

#include <windows.h>

#include "formats/entry_file.h"
#include "launcher/command_rules.h"
#include "launcher/game_watch.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/program_info.h"
#include "platform/status.h"
#include "platform/text_rules.h"
#include "platform/win_error.h"

namespace zeb {

namespace {

int Fail(Prompt& prompt, const std::string& text) {
  prompt.ShowMessage(text, kVreloTitle);
  return kFailed;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Makes the game folder current, its drive first (a folder such as "D:games" counts from that
// drive's current folder), and gives back the folder's absolute path, so that the files
// beside the game are found wherever a relative folder pointed.
Status MakeGameFolderCurrent(const std::string& game_folder, std::string* absolute_folder) {
  char letter = game_folder.empty() ? '\0' : static_cast<char>(game_folder[0] | 0x20);
  if (game_folder.size() >= 2 && game_folder[1] == ':' && letter >= 'a' && letter <= 'z') {
    std::string drive = game_folder.substr(0, 2);
    if (!SetCurrentDirectoryA(drive.c_str()))
      return Status::Error("The drive " + drive + " of the game folder " + Quoted(game_folder) +
                           " cannot be used: " + LastErrorText(drive));
  }
  if (!SetCurrentDirectoryA(game_folder.c_str()))
    return Status::Error("The game folder " + Quoted(game_folder) +
                         " cannot be made the current folder: " + LastErrorText(game_folder));
  *absolute_folder = CurrentFolder();
  return Status::Ok();
}

// Writes "vrelo.bat" beside the game and starts it hidden, without waiting. The system's own
// cmd runs it by an explicit relative path from the game folder, so exactly the file just
// written runs and never one of the same name elsewhere on the search path.
Status RunCompanionScript(const std::string& folder, const std::string& game_exe) {
  std::string batch = JoinPath(folder, "vrelo.bat");
  Status written = WriteTextFile(batch, {CompanionBatchLine(game_exe)});
  if (!written.ok())
    return Status::Error("The batch file for the companion script cannot be written.\n\n" +
                         written.message());
  char system_folder[MAX_PATH];
  UINT length = GetSystemDirectoryA(system_folder, sizeof system_folder);
  if (length == 0 || length >= sizeof system_folder)
    return Status::Error("The system folder, which holds cmd.exe, cannot be found: " +
                         LastErrorText());
  std::string cmd = std::string(system_folder, length) + "\\cmd.exe";
  Status started = StartProgram(cmd, "cmd.exe /c .\\vrelo.bat", SW_HIDE, folder);
  if (!started.ok())
    return Status::Error("The batch file " + Quoted(batch) +
                         " for the companion script cannot be started.\n\n" + started.message());
  return Status::Ok();
}

}  // namespace

int Module1(std::string_view command_line, const std::string& launcher_folder, Prompt& prompt,
            const PlayOptions& options) {
  LaunchRequest request;
  if (!ReadLaunchRequest(command_line, launcher_folder, &request)) return kNothingToStart;
  const std::string& entry_path = request.entry_path;
  // Hidden and system files count as absent, like in every listing of the system.
  if (!OrdinaryFileExists(entry_path)) return kNoEntryFile;

  // Only the game folder (line 1) and the executable (line 2) are needed.
  EntryFile entry = ReadEntryFile(entry_path, 2);
  if (entry.kind == EntryFileKind::kUnreadable)
    return Fail(prompt, "The entry file cannot be read.\n\n" + entry.status.message());
  if (entry.kind == EntryFileKind::kBlacklist) return kBlacklisted;
  if (entry.kind == EntryFileKind::kTooShort)
    return Fail(prompt, "The entry file " + Quoted(entry_path) +
                            " names no game: it needs the game folder on line 1 and the game's "
                            "executable on line 2.");
  const std::string& game_folder = entry.entry.folder;
  const std::string& game_exe = entry.entry.exe;
  std::string program_name = TrimSpaces(game_exe);
  if (program_name.empty())
    return Fail(prompt, "The entry file " + Quoted(entry_path) +
                            " names no game executable: line 2 is blank.");

  std::string folder;
  Status moved = MakeGameFolderCurrent(game_folder, &folder);
  if (!moved.ok()) return Fail(prompt, moved.message());

  // The companion script is named after the program, also when line 2 carries arguments
  // after it (a store's "DOSBox.exe -conf ..." has "DOSBox.exe.ahk").
  std::string script_exe = EntryProgram(folder, game_exe);
  if (OrdinaryFileExists(JoinPath(folder, script_exe + ".ahk"))) {
    Status script = RunCompanionScript(folder, script_exe);
    if (!script.ok()) return Fail(prompt, script.message());
  }

  // Line 2 names the program file in the game folder, so that a file of the same name in our
  // own folder, the system folders or the path is never started instead; a line that names
  // no file there is a command, started as written from the game folder.
  Status played = PlayGame(GameStartIn(folder, game_exe, request.game_options), folder, options);
  if (!played.ok()) return Fail(prompt, "The game cannot be started.\n\n" + played.message());
  return kGameEnded;
}

}  // namespace zeb
